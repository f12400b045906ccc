#pragma once
// The football-pools window over a temporary folder, scripted boxes and a PDF printer.
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "app/grid/grid.h"
#include "app/platform/delimited.h"
#include "quiniela/boletoqp.h"
#include "tests/quiniela/ayudas.h"
#include "tests/support/entorno_prueba.h"
#include "tests/support/pdf_reader.h"

// The ticket on screen: 8 columns of 14 signs or blanks, then the Pleno al 15's two signs.
inline QString enPantalla(const boletoqp& w) {
  QString signos;
  for (int b = 0; b < 10; ++b)
    for (int i = 0; i < (b < 8 ? 14 : 1); ++i) {
      QChar signo = ' ';
      for (int fila = 0; fila < (b < 8 ? 3 : 4); ++fila)
        if (!(b < 8 ? w.tabla[b]->textMatrix(fila, 13 - i) : w.tablaq[b - 8]->textMatrix(fila, 0)).isEmpty())
          signo = (b < 8 ? u"1X2"_s : u"012M"_s).at(fila);
      signos += signo;
    }
  return signos;
}

// Ticket t of the test files as the screen shows it with `columnas` columns.
inline QString boletoDe(int t, int columnas, const QString& pleno) {
  QString signos;
  for (int b = 0; b < 8; ++b) signos += b < columnas ? apuesta(8 * (t - 1) + b + 1) : QString(14, ' ');
  return signos + pleno;
}

class VentanaQp : public ::testing::Test, protected EntornoPrueba {
 protected:
  // The window opened on AD243 (Yes), or on the text file of a matchday (No).
  std::unique_ptr<boletoqp> abre(const std::optional<QString>& jornada = std::nullopt) {
    dialogos.answer(MessageResult::Ok);  // introduction
    dialogos.answer(jornada ? MessageResult::No : MessageResult::Yes);
    if (jornada) dialogos.answer(*jornada);
    return std::make_unique<boletoqp>(plataforma, rutaPrograma);
  }

  QStringList camposConfig() const {
    QStringList campos;
    for (DelimitedReader lector(carpeta.read("configqp.cfg")); !lector.atEnd();) campos << lector.next();
    return campos;
  }
};
