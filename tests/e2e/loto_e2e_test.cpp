// Each sample lotto game printed on the real default printer from the
// start-up window: its first ticket's marks at their boxes, the info label
// and the fixed "X", nothing else on the sheet.
#include <QLineF>
#include <QListWidget>
#include <QPushButton>

#include "app/boletos.h"
#include "loto/boletolo.h"
#include "tests/e2e/programa_real.h"

namespace {

// The grids of the four forms inside their frames, in twips, and their rows;
// every column is one box 290 twips wide.
struct Rejilla {
  QRectF lugar;
  int filas;
};
const Rejilla kNumeros49[8] = {{{30, 0, 2835, 1050}, 5},    {{30, 1065, 2835, 1050}, 5},
                               {{45, 2130, 2835, 1050}, 5}, {{30, 3195, 2835, 1050}, 5},
                               {{30, 4260, 2835, 1035}, 5}, {{30, 5310, 2835, 1035}, 5},
                               {{30, 6375, 2835, 1050}, 5}, {{15, 7440, 2835, 1035}, 5}};
const Rejilla kReintegro{{570, 0, 300, 2640}, 11};
const Rejilla kNumeros54[6] = {{{1380, 30, 2880, 1245}, 6},   {{1350, 1305, 2880, 1245}, 6},
                               {{1350, 2565, 2880, 1245}, 6}, {{1320, 3855, 2880, 1245}, 6},
                               {{1320, 5145, 2880, 1245}, 6}, {{1320, 6420, 2880, 1245}, 6}};
const Rejilla kClaves[6] = {{{570, 30, 615, 1245}, 6},   {{570, 1290, 615, 1245}, 6},
                            {{570, 2550, 615, 1245}, 6}, {{540, 3840, 615, 1245}, 6},
                            {{540, 5100, 615, 1245}, 6}, {{540, 6390, 615, 1245}, 6}};
const Rejilla kNumeros50[5] = {{{1425, 0, 2610, 1260}, 6},
                               {{1425, 1485, 2610, 1275}, 6},
                               {{1410, 2955, 2610, 1260}, 6},
                               {{1395, 4455, 2610, 1260}, 6},
                               {{1380, 5955, 2550, 1260}, 6}};
const Rejilla kEstrellas[5] = {{{30, 0, 1425, 1275}, 5},
                               {{30, 1485, 1440, 1275}, 5},
                               {{0, 2955, 1440, 1275}, 5},
                               {{0, 4455, 1425, 1275}, 5},
                               {{-30, 5955, 1455, 1275}, 5}};

struct Marca {
  QRect caja;      // where its ink may lie: the box cut by its grid
  QPointF centro;  // the whole box's centre
};

Marca enCelda(QPointF marco, const Rejilla& r, int fila, int col) {
  const QRectF rejilla = r.lugar.translated(marco);
  const double alto = rejilla.height() / r.filas;
  const QRectF caja(rejilla.left() + 290.0 * col, rejilla.top() + alto * fila, 290, alto);
  return {caja.intersected(rejilla).toAlignedRect(), caja.center()};
}

// The bets of a sample file as seven two-digit fields each: text lines, or
// after a six-byte header seven bytes a bet, each the field plus 46.
QVector<QVector<int>> apuestas(const QByteArray& datos, bool binario) {
  QVector<QVector<int>> todas;
  if (binario) {
    for (qsizetype i = 6; i + 7 <= datos.size(); i += 7) {
      QVector<int> campos;
      for (int k = 0; k < 7; ++k) campos << int(uchar(datos[i + k])) - 46;
      todas << campos;
    }
    return todas;
  }
  for (const QByteArray& linea : datos.split('\n')) {
    if (linea.trimmed().size() < 14) continue;
    QVector<int> campos;
    for (int k = 0; k < 7; ++k) campos << linea.mid(2 * k, 2).toInt();
    todas << campos;
  }
  return todas;
}

}  // namespace

TEST_F(ProgramaReal, EachSampleLottoGamePrintsItsFirstTicketWithEveryMarkInItsBox) {
  // Where data/configloi.cfg (the ticket at the left of the sheet) and each
  // game's own position put the ticket: frame left and top, the info label's left.
  const struct {
    const char* nombre;
    int apuestasBoleto;
    double izquierda, arriba, info;
  } casos[] = {{"AB000017.TXT", 8, 1505, 80, 4485},
               {"AP000017.TXT", 8, 1505, 80, 4485},
               {"AG000014.TXT", 6, 3190, 130, 7690},
               {"AE000012.TXT", 5, 1860, 605, 4815},
               {"AB000020.LOT", 8, 1505, 80, 4485}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    const QString nombre = c.nombre;
    const char juego = c.nombre[1];
    const double m = c.izquierda, t = c.arriba;
    // A fresh program folder each time: the lotto window keeps its position in configloi.cfg.
    TempFolder programa;
    copiaDatos(programa);
    if (HasFatalFailure()) return;

    Boletos principal(plataforma, programa.path());
    principal.show();
    conVentana<boletoLO>([&] { principal.Command2->click(); },
                         [&](boletoLO& ventana) {
                           const auto listado = ventana.File2->findItems(nombre, Qt::MatchExactly);
                           ASSERT_EQ(listado.size(), 1) << "not in the file list";
                           ventana.File2->setCurrentItem(listado.first());
                           dialogos.answer(MessageResult::Yes);  // Imprimir
                           ventana.File2_Click();
                           ventana.Command11->click();  // Imprime Boleto Actual
                         });
    const QStringList paginas = impresas(1);
    ASSERT_EQ(paginas.size(), 1);
    const QString& pdf = paginas.first();
    EXPECT_EQ(pdfPageCount(pdf), 1);

    // The first ticket's boxes, and the areas of the labels that reach paper.
    const QVector<QVector<int>> boleto =
        apuestas(programa.read(nombre), nombre.endsWith(".LOT")).mid(0, c.apuestasBoleto);
    ASSERT_EQ(boleto.size(), c.apuestasBoleto);
    QVector<Marca> marcas;
    QRect fija;  // the fixed "X" of the form
    if (juego == 'B' || juego == 'P') {
      const QPointF marco(m, t), reintegro(m - 1095, t + (juego == 'B' ? 3180 : 4470));
      for (int b = 0; b < boleto.size(); ++b)
        for (int k = 0; k < 6; ++k)
          marcas << enCelda(marco, kNumeros49[b], boleto[b][k] / 10, 9 - boleto[b][k] % 10);
      // The ticket's one reintegro, its first bet's; La Primitiva's form alone has its boxes.
      if (juego == 'P') marcas << enCelda(reintegro, kReintegro, boleto[0][6], 0);
      fija = QRectF(60, 390, 270, 255).translated(reintegro).toAlignedRect();
    } else if (juego == 'G') {
      const QPointF marco(m, t);
      for (int b = 0; b < boleto.size(); ++b) {
        for (int k = 0; k < 5; ++k)
          marcas << enCelda(marco, kNumeros54[b], boleto[b][k] / 10, 9 - boleto[b][k] % 10);
        const int clave = boleto[b][5];
        marcas << enCelda(marco, kClaves[b], clave < 5 ? clave : clave - 5, clave < 5 ? 1 : 0);
      }
      fija = QRectF(-5, t + 6070, 225, 165)
                 .translated(marco)
                 .intersected(QRectF(marco, QSizeF(4215, 7740)))
                 .toAlignedRect();
    } else {
      const QPointF marco(m - 1360, t);
      for (int b = 0; b < boleto.size(); ++b) {
        // Rows of nine numbers from the right; the stars four a row, every other row.
        for (int k = 0; k < 5; ++k) {
          const int n = boleto[b][k], resto = n % 9 == 0 ? 9 : n % 9;
          marcas << enCelda(marco, kNumeros50[b], (n - 1) / 9, 9 - resto);
        }
        for (int k : {5, 6})
          marcas << enCelda(marco, kEstrellas[b], (boleto[b][k] - 1) / 4 * 2, 3 - (boleto[b][k] - 1) % 4);
      }
      fija = QRect(int(m) - 1540, int(t) + 3340, 165, 255);
    }
    const QRect info(int(c.info), 1740, 945, 1650);

    QRect zona;
    for (const Marca& e : marcas) zona |= e.caja;
    const PageInk tinta(pdf, 1, zona.adjusted(-20, -20, 20, 20));
    for (const Marca& e : marcas) {
      const std::optional<QPointF> centro = tinta.centreIn(e.caja);
      ASSERT_TRUE(centro) << "no ink in the box centred at " << e.centro.x() << ", " << e.centro.y();
      EXPECT_LE(QLineF(*centro, e.centro).length(), kTolerancia)
          << "ink centred at " << centro->x() << ", " << centro->y() << ", box centre " << e.centro.x()
          << ", " << e.centro.y();
    }
    const PaginaEntera pagina(pdf);
    ASSERT_TRUE(pagina.leida());
    EXPECT_TRUE(pagina.tintaEn(info)) << "the info label";
    EXPECT_TRUE(pagina.tintaEn(fija)) << "the fixed X";
    QVector<QRect> permitidas = {info, fija};
    for (const Marca& e : marcas) permitidas << e.caja;
    sinTintaFuera(pagina, permitidas);
  }
}
