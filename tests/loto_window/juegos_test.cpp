// What both ticket windows do alike, for the football pools ('Q') and each
// lotto game: browsing, printing the next ticket, runs of five, part of a
// ticket, and a bet file that goes away or shrinks.
#include <QRegularExpression>

#include "tests/loto_window/ventana_lo.h"
#include "tests/quiniela_window/ventana_qp.h"

namespace {

// Each window's bets a ticket, marks a bet, and marks every ticket makes
// besides (the Pleno al 15's two, the form's fixed "X", La Primitiva's reintegro).
struct Forma {
  char juego;
  int porBoleto, porApuesta, fijas;
};
const Forma kFormas[] = {{'Q', 8, 14, 2}, {'B', 8, 6, 1}, {'P', 8, 6, 2}, {'G', 6, 6, 1}, {'E', 5, 7, 1}};

class Juegos : public VentanaLo, public ::testing::WithParamInterface<Forma> {
 protected:
  char juego() const { return GetParam().juego; }
  bool q() const { return juego() == 'Q'; }

  // The window on a text bet file of `boletos` whole tickets.
  void abreArchivo(int boletos) {
    const int apuestas = boletos * GetParam().porBoleto;
    if (q()) {
      carpeta.write(nombre = u"Qp07.TXT"_s, archivoTexto(apuestas));
      for (MessageResult r : {MessageResult::Ok, MessageResult::No}) dialogos.answer(r);
      dialogos.answer(u"7"_s);
      qp = std::make_unique<boletoqp>(plataforma, rutaPrograma);
    } else {
      lo = abreCon(nombre = u"A%1000001.TXT"_s.arg(juego()), archivoLotoTexto(juego(), apuestas));
    }
  }
  qint32& boletoActual() { return q() ? qp->boletoActual : lo->boletoActual; }
  void imprimeSiguiente() { (q() ? qp->Command1 : lo->Command10)->click(); }
  void imprimeActual() { (q() ? qp->Command8 : lo->Command11)->click(); }
  void serie() { q() ? qp->mnuTiqueron_Click() : lo->mnuTiqueron_Click(); }
  QColor color(int caja) const {
    return (q() ? qp->Text1[caja] : lo->Text1[caja])->palette().color(QPalette::Window);
  }
  bool pantallaVuelta() const {
    return q() ? !(qp->Frame1->isHidden() || qp->Frame3->isHidden() || qp->Tregla->isHidden())
               : !(lo->Frame1->isHidden() || lo->Frame3->isHidden() || lo->Label21->isHidden());
  }

  // The pages printed since `desde`, each as its ticket number and its marks.
  QStringList impresos(qsizetype desde = 0) const {
    static const QRegularExpression boleto(u"(\\d+) Bo\\b"_s);
    QStringList paginas;
    for (const QString& pdf : impresora.documents().mid(desde)) {
      PdfWord ultima{};
      int marcas = 0;
      for (const PdfWord& p : pdfWords(pdf)) {
        const bool marca = q() ? p.text == "x" : p.text == "o" || p.text == "X";
        marcas += marca;
        if (!marca && p.box.top() >= ultima.box.top()) ultima = p;
      }
      // The football-pools ticket closes its page; the lotto one is in the info text.
      paginas << (q() ? ultima.text : boleto.match(pdfText(pdf)).captured(1)) + ":" + QString::number(marcas);
    }
    return paginas;
  }
  // Pages "t:marks" of tickets `desde` to `hasta`, `apuestas` bets each.
  QStringList paginas(int desde, int hasta, int apuestas = 0) const {
    const Forma& f = GetParam();
    QStringList p;
    for (int t = desde; t <= hasta; ++t)
      p << u"%1:%2"_s.arg(t).arg((apuestas ? apuestas : f.porBoleto) * f.porApuesta + f.fijas);
    return p;
  }
  QString nombre;
  std::unique_ptr<boletoqp> qp;
  std::unique_ptr<boletoLO> lo;
};

TEST_P(Juegos, EveryButtonMovesWithinTheFileAndOnlyShows) {
  abreArchivo(40);
  using L = boletoLO;
  using Q = boletoqp;
  // The button of each window (the football pools has no jump of five), from, to.
  const std::tuple<QPushButton * L::*, QPushButton * Q::*, qint32, qint32> casos[] = {
      {&L::Command5, &Q::Command6, 1, 33}, {&L::Command14, &Q::Command7, 20, 1},
      {&L::Command9, &Q::Command3, 7, 8},  {&L::Command9, &Q::Command3, 40, 40},
      {&L::Command8, &Q::Command4, 7, 6},  {&L::Command8, &Q::Command4, 1, 1},
      {&L::Command7, nullptr, 38, 40},     {&L::Command6, nullptr, 3, 1}};
  for (const auto& [deLo, deQp, desde, hasta] : casos) {
    if (q() && !deQp) continue;
    boletoActual() = desde;
    (q() ? (*qp).*deQp : (*lo).*deLo)->click();
    const int primera = GetParam().porBoleto * (hasta - 1) + 1;
    EXPECT_EQ((q() ? qp->Text1[0] : lo->Text1[0])->text().remove('\n'),
              q() ? apuesta(primera) : apuestaLoto(juego(), primera));
  }
  EXPECT_TRUE(impresora.documents().isEmpty());
}

TEST_P(Juegos, PrintNextRunsOfFiveAndPartOfATicketStopAtTheLast) {
  abreArchivo(10);
  imprimeSiguiente();
  EXPECT_EQ(std::tuple(impresos(), boletoActual(), pantallaVuelta()), std::tuple(paginas(2, 2), 2, true));
  // A run starts at the shown ticket in the football pools, after it in the lotto.
  for (const auto& [actual, despues] : {std::pair{1, 6}, {8, 11}}) {
    const qsizetype antes = impresora.documents().size();
    boletoActual() = actual;
    serie();
    const int primero = actual + (q() ? 0 : 1);
    EXPECT_EQ(std::pair(impresos(antes), boletoActual()),
              std::pair(paginas(primero, qMin(primero + 4, 10)), despues));
  }
  const qsizetype antes = impresora.documents().size();
  boletoActual() = 10;
  imprimeSiguiente();
  EXPECT_EQ(std::pair(boletoActual(), impresora.documents().size()), std::pair(10, antes));
  // The third box chooses three; refused, the chosen boxes take the colour of the others again.
  dialogos.answer(MessageResult::Cancel);
  q() ? qp->Text1_Click(2) : lo->Text1_Click(2);
  EXPECT_EQ(std::tuple(color(0), color(2), dialogos.last().text.section('\n', 0, 0)),
            std::tuple(color(7), color(7), u"Ha seleccionado las  3"_s));
  dialogos.answer(MessageResult::Ok);
  q() ? qp->Text1_Click(0) : lo->Text1_Click(0);  // the first box chooses two
  EXPECT_EQ(dialogos.last().text,
            u"Ha seleccionado las  2\n Apuestas primeras para Imprimir\nSi esta de acuerdo continue?"_s);
  q() ? qp->mnuConfigura_Click() : lo->mnuConfigura_Click();
  imprimeActual();
  EXPECT_EQ(std::pair(impresos(antes), (q() ? qp->Frame2 : lo->Frame2)->isHidden()),
            std::pair(paginas(10, 10, 2), true));
}

TEST_P(Juegos, ABetFileThatGoesAwayOrShrinksIsReportedAndNothingPrinted) {
  for (const int error : {53, 62}) {  // deleted, shrunk
    abreArchivo(5);
    error == 53 ? carpeta.remove(nombre) : carpeta.write(nombre, carpeta.read(nombre).left(100));
    dialogos.forget();
    imprimeSiguiente();
    serie();  // a run stops at the first ticket it cannot read
    QStringList mensajes;
    for (const ShownBox& caja : dialogos.shown()) mensajes << caja.text;
    EXPECT_EQ(
        std::tuple(mensajes.value(0), int(mensajes.size()), impresora.documents().size(), pantallaVuelta()),
        std::tuple(
            errorDescription(error) + (q() ? QString::number(error) : " Tiqu Nº  " + numberText(error)), 2, 0,
            true));
    EXPECT_EQ(q() ? qp->Text4->text() : u"07"_s, u"07"_s);  // the matchday in the text file's name
  }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, Juegos, ::testing::ValuesIn(kFormas),
                         [](const auto& info) { return std::string(1, info.param.juego); });

}  // namespace
