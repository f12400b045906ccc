// What reaches paper from the lotto window: every mark inked at the centre of
// its box on the form, the fixed "X" labels and the info label, nothing else.
#include <QLineF>

#include "tests/loto_window/ventana_lo.h"
#include "tests/support/ink.h"

namespace {

// The grids of the four forms, twips inside their frames, and their rows.
// Every column is one box of 290 twips; the rows share the grid's height.
struct Rejilla {
  QRectF lugar;
  int filas;
};
const Rejilla kTabla[8] = {{{30, 0, 2835, 1050}, 5},    {{30, 1065, 2835, 1050}, 5},
                           {{45, 2130, 2835, 1050}, 5}, {{30, 3195, 2835, 1050}, 5},
                           {{30, 4260, 2835, 1035}, 5}, {{30, 5310, 2835, 1035}, 5},
                           {{30, 6375, 2835, 1050}, 5}, {{15, 7440, 2835, 1035}, 5}};
const Rejilla kTablar{{570, 0, 300, 2640}, 11};
const Rejilla kTablag[6] = {{{1380, 30, 2880, 1245}, 6},   {{1350, 1305, 2880, 1245}, 6},
                            {{1350, 2565, 2880, 1245}, 6}, {{1320, 3855, 2880, 1245}, 6},
                            {{1320, 5145, 2880, 1245}, 6}, {{1320, 6420, 2880, 1245}, 6}};
const Rejilla kTbg[6] = {{{570, 30, 615, 1245}, 6},   {{570, 1290, 615, 1245}, 6},
                         {{570, 2550, 615, 1245}, 6}, {{540, 3840, 615, 1245}, 6},
                         {{540, 5100, 615, 1245}, 6}, {{540, 6390, 615, 1245}, 6}};
const Rejilla kTablae[5] = {{{1425, 0, 2610, 1260}, 6},
                            {{1425, 1485, 2610, 1275}, 6},
                            {{1410, 2955, 2610, 1260}, 6},
                            {{1395, 4455, 2610, 1260}, 6},
                            {{1380, 5955, 2550, 1260}, 6}};
const Rejilla kTbe[5] = {{{30, 0, 1425, 1275}, 5},
                         {{30, 1485, 1440, 1275}, 5},
                         {{0, 2955, 1440, 1275}, 5},
                         {{0, 4455, 1425, 1275}, 5},
                         {{-30, 5955, 1455, 1275}, 5}};

// What a box on paper should hold: its text, where its ink may be (the box cut
// by its grid) and where that ink must be centred (the whole box's centre).
struct Marca {
  QString texto;
  QRect caja;
  QPointF centro;
};

Marca enCelda(QPointF marco, const Rejilla& r, int fila, int col, const QString& texto = u"o"_s) {
  const QRectF rejilla = r.lugar.translated(marco);
  const double alto = rejilla.height() / r.filas;
  const QRectF caja(rejilla.left() + 290 * col, rejilla.top() + alto * fila, 290, alto);
  return {texto, caja.intersected(rejilla).toAlignedRect(), caja.center()};
}

// The marks of bets `primera` .. `primera` + `cuantas` - 1 of the file, block by
// block; `marco` is the game's frame on paper, `reintegro` Frame7's.
QVector<Marca> marcasEsperadas(char juego, QPointF marco, QPointF reintegro, int primera, int cuantas) {
  QVector<Marca> marcas;
  for (int b = 0; b < cuantas; ++b) {
    const QString apuesta = apuestaLoto(juego, primera + b);
    const auto campo = [&apuesta](int k) { return apuesta.mid(2 * k, 2).toInt(); };
    if (juego == 'B' || juego == 'P') {
      for (int k = 0; k < 6; ++k) marcas << enCelda(marco, kTabla[b], campo(k) / 10, 9 - campo(k) % 10);
      // One reintegro a ticket, its first bet's; the box is on paper for La Primitiva only.
      if (juego == 'P' && b == 0) marcas << enCelda(reintegro, kTablar, campo(6), 0, u"X"_s);
    } else if (juego == 'G') {
      for (int k = 0; k < 5; ++k) marcas << enCelda(marco, kTablag[b], campo(k) / 10, 9 - campo(k) % 10);
      const int clave = campo(5);
      marcas << enCelda(marco, kTbg[b], clave < 5 ? clave : clave - 5, clave < 5 ? 1 : 0);
    } else {
      // Rows of nine from the right; the stars four a row from the right, every other row.
      for (int k = 0; k < 5; ++k) {
        const int n = campo(k), resto = n % 9 == 0 ? 9 : n % 9;
        marcas << enCelda(marco, kTablae[b], (n - 1) / 9, 9 - resto);
      }
      for (int k : {5, 6}) marcas << enCelda(marco, kTbe[b], (campo(k) - 1) / 4 * 2, 3 - (campo(k) - 1) % 4);
    }
  }
  return marcas;
}

enum class Impresion {
  Siguiente,  // "Imprime Siguiente" from ticket 1
  Menu,       // "&Imprimir Bo+5" from ticket 1: a run that ends with the file
  Parcial,    // ticket 2 shown, its first three bets chosen, "Imprime Boleto Actual"
  Flechas,    // the arrow cross two steps of 40 right and one up, then "Imprime Boleto Actual"
};

}  // namespace

TEST_F(VentanaLo, EveryMarkLiesAtItsBoxOnTheFormAndOnlyTheTicketReachesPaper) {
  const double tolerancia = 0.1 * kTwipsPerMm;
  const struct {
    const char* nombre;
    int apuestas;           // two tickets' worth
    const char* izquierda;  // the half of configloi.cfg's left offsets the window starts with
    Impresion impresion;
    qint32 margenIzq, topeSup;  // where the ticket then lies
    double label4;              // the info label's left
  } casos[] = {
      {"AB000016.TXT", 16, "1505", Impresion::Siguiente, 1505, 80, 4485},
      {"AB100016.TXT", 16, "4540", Impresion::Menu, 4540, 155, 7590},
      {"AP000016.TXT", 16, "1505", Impresion::Menu, 1505, 80, 4485},
      {"AP100016.TXT", 16, "4540", Impresion::Siguiente, 4540, 155, 7590},
      {"AG000012.TXT", 12, "1505", Impresion::Siguiente, 3190, 130, 7690},
      {"AE000010.TXT", 10, "1505", Impresion::Menu, 1860, 605, 4815},
      {"AB000016.LOT", 16, "1505", Impresion::Siguiente, 1505, 80, 4485},
      {"AE100010.TXT", 10, "1505", Impresion::Parcial, 1860, 605, 4815},
      {"AE200010.TXT", 10, "1505", Impresion::Flechas, 1940, 565, 4895},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    const QString nombre = c.nombre;
    const char juego = c.nombre[1];
    const bool binario = nombre.endsWith(".LOT");
    carpeta.write("configloi.cfg", "980,30,\" 1290\",\"0480-0155\",\"4840-" + QByteArray(c.izquierda) +
                                       "\",\" 8\",\"980-30-1065-0-0\"\r\n");
    const qsizetype antes = impresora.documents().size();
    auto w = abreCon(nombre,
                     binario ? archivoLotoBinario(juego, c.apuestas) : archivoLotoTexto(juego, c.apuestas));
    int boleto = 2, marcadas = w->nBole;
    switch (c.impresion) {
      case Impresion::Siguiente: w->Command10->click(); break;
      case Impresion::Menu: w->mnuTiqueron_Click(); break;
      case Impresion::Parcial:
        w->Command9->click();
        dialogos.answer(MessageResult::Ok);
        w->Text1_Click(2);
        w->Command11->click();
        marcadas = 3;
        break;
      case Impresion::Flechas:
        w->Text4->setText(" 40");
        w->Command1->click();
        w->Command1->click();
        w->Command2->click();
        w->Command11->click();
        boleto = 1;
        break;
    }
    ASSERT_EQ(impresora.documents().size(), antes + 1);
    ASSERT_EQ(std::pair(w->margenIzq, w->topeSup), std::pair(c.margenIzq, c.topeSup));
    const QString pdf = impresora.documents().last();

    // Where the frames and labels lie on paper, as tablas and desplazar put them.
    const double m = c.margenIzq, t = c.topeSup;
    const QPointF marco = juego == 'E' ? QPointF(m - 1360, t) : QPointF(m, t);
    const QPointF reintegro(m - 1095, t + (juego == 'B' ? 3180 : 4470));
    QRect fija;  // the fixed "X" of the form
    if (juego == 'B' || juego == 'P') fija = QRectF(60, 390, 270, 255).translated(reintegro).toAlignedRect();
    if (juego == 'E') fija = QRect(m - 1540, t + 3340, 165, 255);
    if (juego == 'G')
      fija = QRectF(-5, t + 6070, 225, 165)
                 .translated(marco)
                 .intersected(QRectF(marco, QSizeF(4215, 7740)))
                 .toAlignedRect();
    const QRect info(c.label4, 1740, 945, 1650);
    const QVector<Marca> marcas =
        marcasEsperadas(juego, marco, reintegro, w->nBole * (boleto - 1) + 1, marcadas);

    // The words: every mark, the fixed "X", the info label's lines, and nothing more.
    QVector<PdfWord> palabras = pdfWords(pdf);
    QVector<Marca> esperadas = marcas;
    esperadas << Marca{u"X"_s, fija, QRectF(fija).center()};
    // Read line by line, left to right: pdftotext's own order depends on what lies beside the label.
    QVector<PdfWord> deInfo = palabras;
    deInfo.removeIf([&info](const PdfWord& p) { return !info.contains(p.box.center().toPoint()); });
    std::sort(deInfo.begin(), deInfo.end(), [](const PdfWord& a, const PdfWord& b) {
      return std::pair(qRound(a.box.top() / 40), a.box.left()) < std::pair(qRound(b.box.top() / 40), b.box.left());
    });
    QStringList enInfo;
    for (const PdfWord& p : deInfo) enInfo << p.text;
    EXPECT_EQ(enInfo, QStringList({"Tiqueron", nombre.left(8), binario ? ".LOT" : ".TXT",
                                   QString::number(c.apuestas), "Apts", QString::number(w->nBole * boleto),
                                   "Ap", "2", "Btos", QString::number(boleto), "Bo"}));
    palabras.removeIf([&info](const PdfWord& p) { return info.contains(p.box.center().toPoint()); });
    for (const Marca& e : esperadas) {
      const auto encontrada = std::find_if(palabras.begin(), palabras.end(), [&e](const PdfWord& p) {
        return p.text == e.texto && e.caja.contains(p.box.center().toPoint());
      });
      if (encontrada == palabras.end()) {
        ADD_FAILURE() << "no " << e.texto.toStdString() << " at " << e.centro.x() << ", " << e.centro.y();
        continue;
      }
      palabras.erase(encontrada);
    }
    for (const PdfWord& sobra : palabras)
      ADD_FAILURE() << "on paper: " << sobra.text.toStdString() << " at " << sobra.box.x() << ", "
                    << sobra.box.y();

    // Each mark's ink centred in its box, the fixed "X" inked inside its label.
    const QRect ventana(0, 0, int(w->clientWidthTwips()), int(w->clientHeightTwips()));
    const QImage pagina = renderPdfPage(pdf, 1, ventana);
    const PageInk tinta(pagina, ventana.topLeft());
    ASSERT_EQ(tinta.area(), ventana);
    for (const Marca& e : marcas) {
      const std::optional<QPointF> centro = tinta.centreIn(e.caja);
      ASSERT_TRUE(centro) << "no ink in the box at " << e.centro.x() << ", " << e.centro.y();
      EXPECT_LE(QLineF(*centro, e.centro).length(), tolerancia)
          << e.texto.toStdString() << " inked at " << centro->x() << ", " << centro->y() << " (ink "
          << tinta.boundsIn(e.caja).left() << " to " << tinta.boundsIn(e.caja).right() << "), box centre "
          << e.centro.x() << ", " << e.centro.y();
    }
    EXPECT_FALSE(tinta.boundsIn(fija).isNull()) << "the fixed X";

    // Nothing else, not even a light grey: no grid line, coloured row, border, ruler, button or box of the
    // screen.
    for (const InkBlob& mancha : PageInk(pagina, ventana.topLeft(), 250).blobs()) {
      const auto dentro = [&mancha](const QRect& caja) {
        return caja.adjusted(-1, -1, 1, 1).contains(mancha.box);
      };
      if (dentro(info) || dentro(fija) ||
          std::any_of(marcas.begin(), marcas.end(), [&](const Marca& e) { return dentro(e.caja); }))
        continue;
      ADD_FAILURE() << "ink at " << mancha.box.x() << ", " << mancha.box.y() << ", " << mancha.box.width()
                    << " x " << mancha.box.height();
    }
  }
}
