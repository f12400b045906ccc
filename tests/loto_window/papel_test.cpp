// What reaches paper from the lotto window: every mark inked at the centre of
// its box on the form, the fixed "X" labels and the info label, nothing else.
#include <QLineF>

#include "tests/loto_window/ventana_lo.h"
#include "tests/support/formulario_loto.h"
#include "tests/support/tinta_centrada.h"

namespace {

// The marks of bets `primera` .. `primera` + `cuantas` - 1 of the file, block by block.
QVector<CajaEsperada> marcasEsperadas(const FormularioLoto& formulario, int primera, int cuantas) {
  QVector<QVector<int>> apuestas;
  for (int b = 0; b < cuantas; ++b) apuestas << camposDe(apuestaLoto(formulario.juego, primera + b));
  return formulario.marcas(apuestas);
}

enum class Impresion {
  Siguiente,  // "Imprime Siguiente" from ticket 1
  Menu,       // "&Imprimir Bo+5" from ticket 1: a run that ends with the file
  Parcial,    // ticket 2 shown, its first three bets chosen, "Imprime Boleto Actual"
  Flechas,    // the arrow cross two steps of 40 right and one up, then "Imprime Boleto Actual"
  Abajo,      // the arrow cross three steps of 200 down, a ticket shown, then "Imprime Boleto Actual"
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
      {"AG100012.TXT", 12, "1505", Impresion::Abajo, 3190, 730, 7690},
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
      case Impresion::Abajo:
        w->Text4->setText(" 200");
        for (int i = 0; i < 3; ++i) w->Command4->click();
        w->Command9->click();
        w->Command11->click();
        break;
    }
    ASSERT_EQ(impresora.documents().size(), antes + 1);
    ASSERT_EQ(std::pair(w->margenIzq, w->topeSup), std::pair(c.margenIzq, c.topeSup));
    const QString pdf = impresora.documents().last();

    // Where the frames and labels lie on paper, as tablas and desplazar put them.
    const FormularioLoto formulario = formularioLoto(juego, c.margenIzq, c.topeSup);
    const QRect fija = formulario.fija;
    const QRect info(c.label4, 1740, 945, 1650);
    const QVector<CajaEsperada> marcas = marcasEsperadas(formulario, w->nBole * (boleto - 1) + 1, marcadas);

    // The words: every mark, the fixed "X", the info label's lines, and nothing more.
    QVector<PdfWord> palabras = pdfWords(pdf);
    QVector<CajaEsperada> esperadas = marcas;
    esperadas << CajaEsperada{u"X"_s, fija, QRectF(fija).center()};
    // Read line by line, left to right: pdftotext's own order depends on what lies beside the label.
    QVector<PdfWord> deInfo = palabras;
    deInfo.removeIf([&info](const PdfWord& p) { return !info.contains(p.box.center().toPoint()); });
    std::sort(deInfo.begin(), deInfo.end(), [](const PdfWord& a, const PdfWord& b) {
      return std::pair(qRound(a.box.top() / 40), a.box.left()) <
             std::pair(qRound(b.box.top() / 40), b.box.left());
    });
    QStringList enInfo;
    for (const PdfWord& p : deInfo) enInfo << p.text;
    EXPECT_EQ(enInfo, QStringList({"Tiqueron", nombre.left(8), binario ? ".LOT" : ".TXT",
                                   QString::number(c.apuestas), "Apts", QString::number(w->nBole * boleto),
                                   "Ap", "2", "Btos", QString::number(boleto), "Bo"}));
    palabras.removeIf([&info](const PdfWord& p) { return info.contains(p.box.center().toPoint()); });
    for (const CajaEsperada& e : esperadas) {
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
    tintaCentrada(tinta, marcas, tolerancia);
    if (HasFatalFailure()) return;
    EXPECT_FALSE(tinta.boundsIn(fija).isNull()) << "the fixed X";

    // Nothing else, not even a light grey: no grid line, coloured row, border, ruler, button or box of the
    // screen.
    for (const InkBlob& mancha : PageInk(pagina, ventana.topLeft(), 250).blobs()) {
      const auto dentro = [&mancha](const QRect& caja) {
        return caja.adjusted(-1, -1, 1, 1).contains(mancha.box);
      };
      if (dentro(info) || dentro(fija) ||
          std::any_of(marcas.begin(), marcas.end(), [&](const CajaEsperada& e) { return dentro(e.caja); }))
        continue;
      ADD_FAILURE() << "ink at " << mancha.box.x() << ", " << mancha.box.y() << ", " << mancha.box.width()
                    << " x " << mancha.box.height();
    }
  }
}
