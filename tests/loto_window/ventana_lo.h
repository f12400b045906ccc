#pragma once
// The lotto window over a temporary program folder, scripted boxes and a PDF
// printer, and bet files of every game made to order.
#include <gtest/gtest.h>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/grid/grid.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "loto/boletolo.h"
#include "tests/support/entorno_prueba.h"
#include "tests/support/formulario_loto.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/texto_en_fallos.h"

// The line of a configloi.cfg as the program ships it.
inline const QByteArray kConfigLoi =
    "980,30,\" 1290\",\"0480-0155\",\"4840-1505\",\" 8\",\"980-30-1065-0-0\"\r\n";

// Bet n (from 1) of a game, different for every n: ascending numbers, then the reintegro
// (Bonoloto, La Primitiva), the clave and "00" (El Gordo) or two ascending stars (Euromillones).
inline QString apuestaLoto(char juego, int n) {
  const int cuantos = juego == 'B' || juego == 'P' ? 6 : 5;
  const int maximo = juego == 'E' ? 50 : juego == 'G' ? 54 : 49;
  QString texto;
  const auto dos = [&](int v) { texto += QString::number(v).rightJustified(2, u'0'); };
  for (int i = 0, numero = 0; i < cuantos; ++i)
    dos(numero += 1 + (n * (i + 3) + i * i) % (maximo / cuantos - 1));
  const int primera = 1 + n % 11;
  if (juego == 'E') {
    dos(primera);
    dos(primera + 1 + n % (12 - primera));
  } else {
    dos(n % 10);
    if (juego == 'G') dos(0);
  }
  return texto;
}

// A text bet file of `apuestas` bets, one a line.
inline QByteArray archivoLotoTexto(char juego, int apuestas) {
  QByteArray datos;
  for (int n = 1; n <= apuestas; ++n) datos += apuestaLoto(juego, n).toLatin1() + "\r\n";
  return datos;
}
class VentanaLo : public ::testing::Test, protected EntornoPrueba {
 protected:
  void SetUp() override { carpeta.write("configloi.cfg", kConfigLoi); }

  std::unique_ptr<boletoLO> abre() { return std::make_unique<boletoLO>(plataforma, rutaPrograma); }

  // Chooses `nombre` in the file list and answers the choice box.
  void elige(boletoLO& w, const QString& nombre, MessageResult respuesta = MessageResult::Yes) {
    if (w.File2->isHidden()) w.abrof();
    const auto encontrados = w.File2->findItems(nombre, Qt::MatchExactly);
    ASSERT_EQ(encontrados.size(), 1) << nombre.toStdString() << " is not listed";
    w.File2->setCurrentItem(encontrados.first());
    dialogos.answer(respuesta);
    w.File2_Click();
  }

  // A new window on the bet file `nombre` of `datos`, its first ticket shown.
  std::unique_ptr<boletoLO> abreCon(const QString& nombre, const QByteArray& datos) {
    carpeta.write(nombre, datos);
    auto w = abre();
    elige(*w, nombre);
    return w;
  }
};

// What the number grids of the open game show, block by block: the numbers read back from the
// marked cells by the form's layout (rows of ten from the right for the 49 and 54 forms, rows of
// nine for Euromillones), then the extra boxes marked (stars, clave, reintegro) as row, column and text.
inline QStringList enPantalla(const boletoLO& w) {
  const bool euro = w.floto == 1, gordo = w.floto == 2;
  QStringList resultado;
  for (int b = 0; b < (euro ? 5 : gordo ? 6 : 8); ++b) {
    const Grid* numeros = euro ? w.tablae[b] : gordo ? w.tablag[b] : w.tabla[b];
    const Grid* extras = euro ? w.tbe[b] : gordo ? w.tbg[b] : (b == 0 ? w.tablar : nullptr);
    QList<int> marcados;
    QStringList texto, extra;
    for (int fila = 0; fila < numeros->model().rows(); ++fila)
      for (int col = 0; col < numeros->model().cols(); ++col)
        if (!numeros->textMatrix(fila, col).isEmpty()) marcados << fila * (euro ? 9 : 10) + 9 - col;
    std::sort(marcados.begin(), marcados.end());
    for (int n : marcados) texto << QString::number(n);
    for (int fila = 0; extras && fila < extras->model().rows(); ++fila)
      for (int col = 0; col < extras->model().cols(); ++col)
        if (!extras->textMatrix(fila, col).isEmpty())
          extra << u"%1%2"_s.arg(fila).arg(col) + extras->textMatrix(fila, col);
    resultado << texto.join(' ') + (extra.isEmpty() ? QString() : " | " + extra.join(' '));
  }
  return resultado;
}
