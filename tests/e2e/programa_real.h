#pragma once
// The program as it runs for a user: the files of data/ in a program folder
// of its own, the system's default printer (a cups-pdf queue) and scripted
// message boxes. Every test skips where there is no such printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <functional>
#include <iostream>

#include "app/platform/file_attributes.h"
#include "app/platform/platform.h"
#include "app/printer/qt_printer.h"
#include "tests/e2e/cola_pdf.h"
#include "tests/support/ink.h"
#include "tests/support/pagina_entera.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

class ProgramaReal : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString motivo = ColaPdf::motivoSinCola();
    if (!motivo.isEmpty()) GTEST_SKIP() << "no real default printer to print on: " << motivo.toStdString();
    copiaDatos(carpeta);
    antes_ = cola().archivos();
  }

  // What reached paper is removed, unless a test failed on it.
  void TearDown() override {
    if (HasFailure()) {
      for (const QString& pdf : impresas_) std::cerr << "kept: " << pdf.toStdString() << "\n";
      return;
    }
    for (const QString& pdf : impresas_) QFile::remove(pdf);
  }

  // The files shipped beside the program, into `programa`.
  static void copiaDatos(const TempFolder& programa) {
    const QDir datos(QStringLiteral(TIQUERON_DATA_DIR));
    for (const QString& nombre : datos.entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(datos.filePath(nombre), programa.file(nombre))) << nombre.toStdString();
  }

  ColaPdf& cola() const { return ColaPdf::predeterminada(); }

  // The documents printed since the last call, in the order they were sent;
  // waits for `esperados` of them, and for any further one the queue still holds.
  QStringList impresas(int esperados) {
    const QStringList nuevas = cola().esperaNuevos(antes_, esperados);
    antes_ += nuevas;
    impresas_ += nuevas;
    return nuevas;
  }

  // Opens a window modally with `abre` and runs `dentro` on it while it is
  // open; the window is closed afterwards, whatever `dentro` did.
  template <typename Ventana>
  void conVentana(const std::function<void()>& abre, const std::function<void(Ventana&)>& dentro) {
    bool abierta = false;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* ventana = qobject_cast<Ventana*>(modal)) {
        abierta = ventana->isModal();
        dentro(*ventana);
      }
      if (modal) modal->close();
    });
    abre();
    EXPECT_TRUE(abierta) << "the window was not open modally";
  }

  TempFolder carpeta;
  ScriptedDialogs dialogos;
  SystemPrinter impresora;
  SystemFileAttributes atributos;
  Platform plataforma{dialogos, impresora, atributos};
  QString rutaPrograma = carpeta.path();

 private:
  QStringList antes_;
  QStringList impresas_;
};
