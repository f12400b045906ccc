#include "tests/support/hoja_en_papel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineF>
#include <QListWidget>
#include <QMap>
#include <QPushButton>

#include "app/boletos.h"
#include "app/hoja/hoja_prueba.h"
#include "loto/boletolo.h"
#include "quiniela/boletoqp.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/ventana_modal.h"

const Muestra kMuestras[5] = {
    {"AD243", 0, 3100, 2085, 0,
     "HOJA DE PRUEBA QUINIELAS 1X2 Margen izquierdo: 3100 twips (54,7 mm) Horizontal: -30 twips (-0,5 mm) "
     "Vertical: 2085 twips (36,8 mm) Marca: x Tamaño: 9 Negrita: Sí"},
    {"AB000017.TXT", 8, 1505, 80, 4485,
     "HOJA DE PRUEBA BONOLOTO Margen izquierdo: 1505 twips (26,5 mm) Tope superior: 80 twips (1,4 mm)"},
    {"AP000017.TXT", 8, 1505, 80, 4485,
     "HOJA DE PRUEBA LA PRIMITIVA Margen izquierdo: 1505 twips (26,5 mm) Tope superior: 80 twips (1,4 mm)"},
    {"AG000014.TXT", 6, 3190, 130, 7690,
     "HOJA DE PRUEBA EL GORDO DE LA PRIMITIVA Margen izquierdo: 3190 twips (56,3 mm) Tope superior: 130 "
     "twips"},
    {"AE000012.TXT", 5, 1860, 605, 4815,
     "HOJA DE PRUEBA EUROMILLONES Margen izquierdo: 1860 twips (32,8 mm) Tope superior: 605 twips (10,7 mm) "
     "Marca: o Tamaño: 7 Negrita: Sí"},
};

const double kToleranciaPdf = 0.1 * kTwipsPerMm, kToleranciaCola = 0.3 * kTwipsPerMm;

namespace {

// The whole page is looked at coarsely, ten twips a pixel, any grey being ink; the test sheet's
// rulers reach so deep into the page.
constexpr int kDpiPagina = 144, kBlanco = 250, kBandaReglas = 400;

// The football pools' form inside its grid frame: 8 columns of 3 x 14 boxes 290 wide, match 1 at
// the right, and the Pleno al 15's two columns of 4 boxes 310 wide.
const QRectF kColumnas[8] = {{330, 260, 4035, 630},  {315, 900, 4050, 645},  {315, 1535, 4050, 645},
                             {315, 2175, 4050, 645}, {330, 2810, 4050, 645}, {315, 3455, 4050, 645},
                             {315, 4085, 4050, 645}, {330, 4725, 4050, 660}};
const QRectF kPlenos[2] = {{60, 1710, 285, 885}, {30, 4500, 285, 885}};

// Row `fila` of sign `i` of a ticket: its 112 matches, then the Pleno al 15's two.
CajaEsperada cajaQuiniela(QPointF marco, int i, int fila) {
  const bool pleno = i >= 112;
  const QRectF rejilla = (pleno ? kPlenos[i - 112] : kColumnas[i / 14]).translated(marco);
  const double ancho = pleno ? 310 : 290, alto = rejilla.height() / (pleno ? 4 : 3);
  const QRectF caja(rejilla.left() + (pleno ? 0 : 13 - i % 14) * ancho, rejilla.top() + fila * alto, ancho,
                    alto);
  return {caja.intersected(rejilla).toAlignedRect(), caja.center()};
}

// The window `abre` opens: `antes` run in it, then its test sheet printed. Answers its height.
template <typename Ventana>
double imprime(QPushButton* abre, const std::function<void(Ventana&)>& antes) {
  double alto = 0;
  conVentana<Ventana>([&] { abre->click(); },
                      [&](Ventana& w) {
                        antes(w);
                        alto = w.clientHeightTwips();
                        w.mnuHoja->trigger();
                      });
  return alto;
}

}  // namespace

double imprimeMuestra(const Platform& plataforma, ScriptedDialogs& dialogos, const QString& programa,
                      const Muestra& m) {
  Boletos principal(plataforma, programa);
  principal.show();
  if (m.apuestas == 0) {
    dialogos.answer(MessageResult::Ok);   // introduction
    dialogos.answer(MessageResult::Yes);  // AD243
    return imprime<boletoqp>(principal.Command1, [](boletoqp& w) { w.Command1->click(); });
  }
  return imprime<boletoLO>(principal.Command2, [&](boletoLO& w) {
    w.File2->setCurrentItem(w.File2->findItems(m.archivo, Qt::MatchExactly).value(0));
    dialogos.answer(MessageResult::Yes);  // Imprimir
    w.File2_Click();
    w.Command10->click();
  });
}

PapelEsperado papelEsperado(const Muestra& m, const QByteArray& datos, int t) {
  PapelEsperado p;
  if (m.apuestas == 0) {
    // A new configqp.cfg puts the grid frame 30 twips left of the margin.
    const QPointF marco(m.margen - 30, m.tope);
    for (int i = 0; i < 114; ++i)
      for (int fila = 0; fila < (i < 112 ? 3 : 4); ++fila)
        p.cajas << QRectF(cajaQuiniela(marco, i, fila).caja);
    const QString signos = QString::fromLatin1(datos.mid(124 * t + 10, 114));
    for (int i = 0; i < signos.size(); ++i)
      if (signos[i] != u' ')
        p.marcas << cajaQuiniela(marco, i, int(QString(i < 112 ? "1X2" : "012M").indexOf(signos[i])));
    // The file, its matchday, bets and tickets from its header, and how far the run has gone, in
    // Ms Sans Serif of 9 points, bold: the name from the margin, the rest right of the grid frame.
    QStringList textos = {"AD243....", "J07"};
    for (int n : {datos.mid(21, 6).toInt(), 8 * t, datos.mid(29, 6).toInt(), t}) textos << QString::number(n);
    for (int i = 0; i < 6; ++i) {
      const QPointF lugar(i == 0 ? m.margen + 3600 : marco.x() + 4820,
                          QList{1900, 3600, 4410, 4610, 5010, 5210}[i]);
      p.cajas << cajaTexto(lugar, textos[i], FontSpec{QStringLiteral("Ms Sans Serif"), 9, true, 0});
      p.textos << p.cajas.last().toAlignedRect().adjusted(-20, -20, 20, 20);
    }
    return p;
  }
  QVector<QVector<int>> apuestas;
  for (const QByteArray& linea : datos.trimmed().split('\n').mid((t - 1) * m.apuestas, m.apuestas))
    apuestas << camposDe(QString::fromLatin1(linea));
  FormularioLoto f = formularioLoto(m.archivo[1], m.margen, m.tope, apuestas);
  const QRect info(m.info, 1740, 945, 1650);  // the info label
  return {f.marcas, {info.adjusted(-20, -20, 20, 20)}, {f.cajas.first().toAlignedRect()}, f.cajas << info};
}

void compruebaTinta(const QString& pdf, const QVector<CajaEsperada>& marcas, const QVector<QRect>& tintadas,
                    QVector<QRect> permitidas, double tolerancia) {
  SCOPED_TRACE(pdf.toStdString());
  EXPECT_EQ(pdfText(pdf).count(u'\f'), 1) << "pages";
  QRect zona;
  for (const CajaEsperada& m : marcas) zona |= m.caja;
  const PageInk tinta(pdf, zona.adjusted(-20, -20, 20, 20));
  for (const CajaEsperada& m : marcas) {
    const QRect marca = tinta.boundsIn(m.caja);
    EXPECT_LE(marca.isNull() ? 1e9 : QLineF(QRectF(marca).center(), m.centro).length(), tolerancia)
        << "the mark of the box centred at " << m.centro.x() << ", " << m.centro.y();
    permitidas << m.caja;
  }
  const PageInk pagina(pdf, QRect(), kDpiPagina, kBlanco);
  for (const QRect& r : tintadas)
    EXPECT_FALSE(pagina.boundsIn(r).isNull()) << "no ink at " << r.x() << ", " << r.y();
  const QVector<QRect> fuera = pagina.outside(permitidas + tintadas);
  EXPECT_TRUE(fuera.isEmpty()) << fuera.size() << " pixels of ink where nothing is printed, the first at "
                               << fuera.value(0).x() << ", " << fuera.value(0).y();
}

void compruebaHoja(const QString& pdf, const PapelEsperado& papel, double altoVentana) {
  const QRect area = PageInk(pdf, QRect(), kDpiPagina).area();
  QVector<QRect> tintadas = papel.fijas;
  QVector<QRect> permitidas = {QRect(0, 0, area.width(), kBandaReglas),
                               QRect(0, 0, kBandaReglas, area.height()),
                               QRect(0, int(altoVentana), area.width(), area.height())};
  // Every outline inked at the middle of each edge, and no ink far from its edges.
  for (const QRectF& c : papel.cajas)
    for (const QLineF& borde : {QLineF(c.topLeft(), c.bottomLeft()), QLineF(c.topRight(), c.bottomRight()),
                                QLineF(c.topLeft(), c.topRight()), QLineF(c.bottomLeft(), c.bottomRight())}) {
      tintadas << QRect(borde.center().toPoint() - QPoint(3, 3), QSize(7, 7));
      permitidas << QRectF(borde.p1(), borde.p2()).toAlignedRect().adjusted(-12, -12, 12, 12);
    }
  // The rulers' ticks, every millimetre but the last along the top and left edges.
  for (int k = 1; (k + 1) * kTwipsPerMm < area.width(); ++k)
    tintadas << QRect(qRound(k * kTwipsPerMm) - 4, 20, 9, 9);
  for (int k = 1; (k + 1) * kTwipsPerMm < area.height(); ++k)
    tintadas << QRect(20, qRound(k * kTwipsPerMm) - 4, 9, 9);
  // Each mark inside its box's outline.
  for (const CajaEsperada& m : papel.marcas) {
    tintadas << m.caja.adjusted(30, 30, -30, -30);
    permitidas << m.caja;
  }
  compruebaTinta(pdf, {}, tintadas, permitidas, 0);
}

QString palabras(const QString& pdf, double arriba) {
  QMap<std::pair<int, double>, QString> texto;  // by line, then from the left
  for (const PdfWord& p : pdfWords(pdf))
    if (p.page == 1 && p.box.top() >= arriba && p.box.left() >= kBandaReglas)
      texto.insert({qRound(p.box.top() / 40), p.box.left()}, p.text);
  return QStringList(texto.values()).join(u' ');
}
