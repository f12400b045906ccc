// What both ticket windows do alike, for the football pools ('Q') and each
// lotto game: printing the next ticket, runs of five, part of a ticket, no
// printer, a bet file that goes away or shrinks, and "Comprobar apuestas".
#include <QRegularExpression>

#include "tests/loto_window/ventana_lo.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/ventana_informe.h"

namespace {

// Bets a ticket, marks a bet, and marks every ticket makes besides (the
// Pleno al 15's two, the form's fixed "X", La Primitiva's reintegro).
struct Forma {
  int porBoleto, porApuesta, fijas;
};
Forma forma(char juego) {
  switch (juego) {
    case 'Q': return {8, 14, 2};
    case 'P': return {8, 6, 2};
    case 'G': return {6, 6, 1};
    case 'E': return {5, 7, 1};
    default: return {8, 6, 1};
  }
}

class Juegos : public VentanaLo, public ::testing::WithParamInterface<char> {
 protected:
  bool q() const { return GetParam() == 'Q'; }

  // The window on a bet file of `boletos` whole tickets, text or (lotto) binary.
  void abreArchivo(int boletos, bool binario = false) {
    const int apuestas = boletos * forma(GetParam()).porBoleto;
    if (q()) {
      nombre = u"Qp07.TXT"_s;
      carpeta.write(nombre, archivo(apuestas, false));
      for (MessageResult r : {MessageResult::Ok, MessageResult::No}) dialogos.answer(r);
      dialogos.answer(u"7"_s);
      qp = std::make_unique<boletoqp>(plataforma, rutaPrograma);
    } else {
      nombre = u"A%1%2.%3"_s.arg(QChar::fromLatin1(GetParam()))
                   .arg(apuestas, 6, 10, QChar(u'0'))
                   .arg(binario ? "LOT" : "TXT");
      lo = abreCon(nombre, archivo(apuestas, binario));
    }
    ASSERT_EQ(boletoActual(), 1);
  }

  QByteArray archivo(int apuestas, bool binario) const {
    return q()       ? archivoTexto(apuestas)
           : binario ? archivoLotoBinario(GetParam(), apuestas)
                     : archivoLotoTexto(GetParam(), apuestas);
  }
  qint32& boletoActual() { return q() ? qp->boletoActual : lo->boletoActual; }
  void imprimeSiguiente() { (q() ? qp->Command1 : lo->Command10)->click(); }
  void imprimeActual() { (q() ? qp->Command8 : lo->Command11)->click(); }
  void serie() { q() ? qp->mnuTiqueron_Click() : lo->mnuTiqueron_Click(); }
  void ultimo() { (q() ? qp->Command6 : lo->Command5)->click(); }
  void parcial(int caja) { q() ? qp->Text1_Click(caja) : lo->Text1_Click(caja); }
  QAction* comprobar() { return q() ? qp->mnuComprobar : lo->mnuComprobar; }
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
    const Forma f = forma(GetParam());
    QStringList p;
    for (int t = desde; t <= hasta; ++t)
      p << u"%1:%2"_s.arg(t).arg((apuestas ? apuestas : f.porBoleto) * f.porApuesta + f.fijas);
    return p;
  }
  // An error box: the description, then the routine's tag and the number.
  QString error(int numero, const char* etiquetaLoto) const {
    return errorDescription(numero) + (q() ? QString::number(numero) : etiquetaLoto + numberText(numero));
  }

  QString nombre;
  std::unique_ptr<boletoqp> qp;
  std::unique_ptr<boletoLO> lo;
};

TEST_P(Juegos, PrintNextRunsOfFiveAndPartOfATicketStopAtTheLast) {
  abreArchivo(10);
  imprimeSiguiente();
  EXPECT_EQ(impresos(), paginas(2, 2));
  EXPECT_EQ(boletoActual(), 2);
  EXPECT_TRUE(pantallaVuelta());
  // A run starts at the shown ticket in the football pools, after it in the lotto.
  for (const auto& [actual, despues] : {std::pair{1, 6}, {8, 11}}) {
    const qsizetype antes = impresora.documents().size();
    boletoActual() = actual;
    serie();
    const int primero = actual + (q() ? 0 : 1);
    EXPECT_EQ(impresos(antes), paginas(primero, qMin(primero + 4, 10))) << "run from " << actual;
    EXPECT_EQ(boletoActual(), despues);
  }
  const qsizetype antes = impresora.documents().size();
  ultimo();
  imprimeSiguiente();
  EXPECT_EQ(boletoActual(), 10);
  EXPECT_EQ(impresora.documents().size(), antes) << "no ticket after the last";

  dialogos.answer(MessageResult::Ok);
  parcial(0);  // the first box chooses two
  EXPECT_EQ(
      std::tuple(dialogos.last().text, dialogos.last().title, dialogos.last().buttons),
      std::tuple(u"Ha seleccionado las  2\n Apuestas primeras para Imprimir\nSi esta de acuerdo continue?"_s,
                 u"Imprimir parte del boleto!!"_s, MessageButtons::OkCancel));
  q() ? qp->mnuConfigura_Click() : lo->mnuConfigura_Click();
  imprimeActual();
  EXPECT_EQ(impresos(antes), paginas(10, 10, 2));
  EXPECT_TRUE((q() ? qp->Frame2 : lo->Frame2)->isHidden()) << "printing closes the calibration";
}

TEST_P(Juegos, NoPrinterIsReportedAndTheScreenComesBack) {
  abreArchivo(3);
  impresora.setUnavailable(true);
  dialogos.forget();
  imprimeActual();
  serie();
  QStringList mensajes;
  for (const ShownBox& caja : dialogos.shown()) mensajes << caja.text;
  // The football-pools run goes on to its three pages.
  EXPECT_EQ(mensajes, q() ? QStringList(4, error(482, ""))
                          : QStringList({error(482, " Nº  "), error(482, " Tiqu Nº  ")}));
  EXPECT_TRUE(pantallaVuelta());
}

TEST_P(Juegos, ABetFileThatGoesAwayOrShrinksIsReportedAndNothingPrinted) {
  // Deleted or shrunk, a text file or (lotto) a binary one.
  for (int vez = 0; vez < (q() ? 2 : 4); ++vez) {
    const bool despues = vez % 2, binario = vez / 2;
    SCOPED_TRACE(testing::Message() << (binario ? "binary " : "text ") << (despues ? "shrunk" : "deleted"));
    abreArchivo(5, binario);
    if (despues)
      carpeta.write(nombre, archivo(9, binario));
    else
      carpeta.remove(nombre);
    dialogos.forget();
    imprimeSiguiente();
    serie();  // a run stops at the first ticket it cannot read
    ASSERT_EQ(dialogos.shown().size(), 2);
    EXPECT_EQ(dialogos.shown().first().text, despues ? error(62, " Tiqu Nº  ") : error(53, " Tiqu Nº  "));
    EXPECT_TRUE(impresora.documents().isEmpty());
    EXPECT_TRUE(pantallaVuelta());
  }
}

// The report's way to a problem's ticket is in each window's own test; here,
// a file gone since it was opened.
TEST_P(Juegos, ComprobarApuestasWithoutAFileOrOnAFileGoneKeepsTheTicket) {
  if (!q()) {
    abre()->mnuComprobar->trigger();
    EXPECT_EQ(dialogos.last().text, u"Abra antes un archivo de apuestas."_s);
  }
  abreArchivo(3);
  ultimo();
  carpeta.remove(nombre);
  EXPECT_FALSE(conInforme([&] { comprobar()->trigger(); }));
  EXPECT_EQ(dialogos.last().text, u"No se ha encontrado el archivo"_s + (q() ? "53" : " Nº   53"));
  EXPECT_EQ(boletoActual(), 3);
}

INSTANTIATE_TEST_SUITE_P(Ventanas, Juegos, ::testing::Values('Q', 'B', 'P', 'G', 'E'),
                         [](const auto& info) { return std::string(1, info.param); });

}  // namespace
