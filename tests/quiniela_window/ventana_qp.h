#pragma once
// The football-pools window under test: a temporary program folder, scripted
// boxes, a PDF printer, and bet files made to order.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <ostream>

#include "app/platform/file_attributes.h"
#include "app/platform/platform.h"
#include "quiniela/boletoqp.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// The 14 signs of bet n of every test file (n from 1); never a blank.
QString apuesta(int n);
// The Pleno al 15 signs of ticket t.
QString plenoDe(int t);

// An AD243 with `boletos` ticket records of the test bets, matchday
// `jornada`; the header's counts are those given, or the true ones.
QByteArray archivoAD243(int boletos, const QString& jornada = QStringLiteral("07"), int apuestasCabecera = -1,
                        int boletosCabecera = -1);
// A text file of `apuestas` test bets, the first line of each ticket with its
// Pleno al 15; lines ended by `finLinea`.
QByteArray archivoTexto(int apuestas, const QByteArray& finLinea = "\r\n");

class VentanaQp : public ::testing::Test {
 protected:
  // The window opened on AD243 (Yes), or on the text file of a matchday (No).
  std::unique_ptr<boletoqp> abreAD243();
  std::unique_ptr<boletoqp> abreTexto(const QString& jornada);
  // The window with the answers already scripted.
  std::unique_ptr<boletoqp> abre();

  // The configqp.cfg fields as the file holds them, quotes removed.
  QStringList camposConfig() const;

  TempFolder carpeta;
  ScriptedDialogs dialogos;
  PdfPrinter impresora{carpeta.path()};
  SystemFileAttributes atributos;
  Platform plataforma{dialogos, impresora, atributos};
  QString rutaPrograma = carpeta.path();
};
