#pragma once
// The program as it runs for a user: the files of data/ in a program folder of its own, the system's
// default printer (a cups-pdf queue) and scripted message boxes. Every test skips where there is no
// such printer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <iostream>

#include "app/platform/file_attributes.h"
#include "app/platform/platform.h"
#include "app/printer/qt_printer.h"
#include "tests/e2e/cola_pdf.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ventana_modal.h"

class ProgramaReal : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!cola.motivoSinCola().isEmpty()) GTEST_SKIP() << cola.motivoSinCola().toStdString();
    const QDir datos(QStringLiteral(TIQUERON_DATA_DIR));
    for (const QString& nombre : datos.entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(datos.filePath(nombre), carpeta.file(nombre)));
    antes_ = cola.archivos();
  }

  // What reached paper is removed, unless a test failed on it.
  void TearDown() override {
    for (const QString& pdf : impresas_)
      if (HasFailure())
        std::cerr << "kept: " << pdf.toStdString() << "\n";
      else
        QFile::remove(pdf);
  }

  // The documents printed since the last call, in the order they were sent; waits for `esperados`.
  QStringList impresas(int esperados) {
    const QStringList nuevas = cola.esperaNuevos(antes_, esperados);
    antes_ += nuevas;
    impresas_ += nuevas;
    return nuevas;
  }

  const ColaPdf& cola = ColaPdf::predeterminada();
  TempFolder carpeta;
  ScriptedDialogs dialogos;
  SystemPrinter impresora;
  SystemFileAttributes atributos;
  Platform plataforma{dialogos, impresora, atributos};

 private:
  QStringList antes_, impresas_;
};
