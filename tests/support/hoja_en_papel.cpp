#include "tests/support/hoja_en_papel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineF>
#include <QListWidget>
#include <QPushButton>
#include <QtMath>

#include "app/boletos.h"
#include "loto/boletolo.h"
#include "quiniela/boletoqp.h"
#include "tests/support/formulario_quiniela.h"
#include "tests/support/ink.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/scripted_dialogs.h"
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

// The whole page is looked at coarsely, ten twips a pixel, any grey being ink.
constexpr int kDpiPagina = 144, kBlanco = 250;
// How deep the test sheet's rulers reach into the page, and how far a line may lie from its place.
constexpr int kBandaReglas = 400;
const double kToleranciaLineas = 0.1 * kTwipsPerMm;
// How far from its place a line is looked for; how much of it is looked at either side of the
// point measured (little, so that a line crossing near it is not seen); how far inside its outline
// a mark is looked for, clear of that outline's ink.
constexpr int kBusqueda = 17, kTramo = 3, kDentro = 5;

// Each line through `lugares` (a point, and whether the line runs down) lies at its place: the
// middle of the nearest run of ink across it, near that point, is close enough.
void mideLineas(const PageInk& tinta, const QVector<std::pair<QPointF, bool>>& lugares, const char* que) {
  for (const auto& [lugar, vertical] : lugares) {
    const double centro = vertical ? lugar.x() : lugar.y();
    const int a = qRound(vertical ? lugar.y() : lugar.x()), desde = qFloor(centro) - kBusqueda;
    double desvio = kBusqueda;
    for (int p = desde, inicio = -1; p <= desde + 2 * kBusqueda + 1; ++p) {
      const QRect franja =
          vertical ? QRect(p, a - kTramo, 1, 2 * kTramo + 1) : QRect(a - kTramo, p, 2 * kTramo + 1, 1);
      const bool hayTinta = p <= desde + 2 * kBusqueda && !tinta.boundsIn(franja).isNull();
      if (hayTinta && inicio < 0) inicio = p;
      if (hayTinta || inicio < 0) continue;
      desvio = qMin(desvio, qAbs((inicio + p) / 2.0 - centro));  // the run covers pixels inicio .. p - 1
      inicio = -1;
    }
    EXPECT_LE(desvio, kToleranciaLineas) << que << " at " << lugar.x() << ", " << lugar.y();
  }
}

}  // namespace

double imprimeMuestra(const Platform& plataforma, ScriptedDialogs& dialogos, const QString& programa,
                      const Muestra& m) {
  Boletos principal(plataforma, programa);
  principal.show();
  double alto = 0;
  if (m.apuestas == 0) {
    dialogos.answer(MessageResult::Ok);   // introduction
    dialogos.answer(MessageResult::Yes);  // AD243
    conVentana<boletoqp>([&] { principal.Command1->click(); },
                         [&](boletoqp& w) {
                           w.Command1->click();
                           alto = w.clientHeightTwips();
                           w.mnuHoja->trigger();
                         });
    return alto;
  }
  conVentana<boletoLO>([&] { principal.Command2->click(); },
                       [&](boletoLO& w) {
                         const auto elegido = w.File2->findItems(m.archivo, Qt::MatchExactly);
                         ASSERT_EQ(elegido.size(), 1) << m.archivo << " is not listed";
                         w.File2->setCurrentItem(elegido.first());
                         dialogos.answer(MessageResult::Yes);  // Imprimir
                         w.File2_Click();
                         w.Command10->click();
                         alto = w.clientHeightTwips();
                         w.mnuHoja->trigger();
                       });
  return alto;
}

PapelEsperado papelEsperado(const Muestra& m, const QByteArray& datos, int t) {
  PapelEsperado p;
  if (m.apuestas == 0) {
    // A new configqp.cfg puts the grid frame 30 twips left of the margin.
    const FormularioQuiniela f{{m.margen - 30, m.tope}};
    p.marcas = f.marcas(QString::fromLatin1(datos.mid(124 * t + 10, 114)));
    p.cajas = f.cajas();
    // The file, its matchday, bets and tickets from its header, and how far the run has gone.
    const QStringList textos = {"AD243....",
                                "J07",
                                QString::number(datos.mid(21, 6).toInt()),
                                QString::number(8 * t),
                                QString::number(datos.mid(29, 6).toInt()),
                                QString::number(t)};
    p.textos = lugaresTextos(f, m.margen, textos);
    p.palabras = textos.join(u' ');
    return p;
  }
  const FormularioLoto f = formularioLoto(m.archivo[1], m.margen, m.tope);
  const QList<QByteArray> lineas = datos.trimmed().split('\n');
  QVector<QVector<int>> apuestas;
  for (const QByteArray& linea : lineas.mid((t - 1) * m.apuestas, m.apuestas))
    apuestas << camposDe(QString::fromLatin1(linea));
  p.marcas = f.marcas(apuestas);
  p.cajas = f.cajas();
  p.textos = {QRectF(m.info, 1740, 945, 1650)};  // the info label
  p.fijas = {f.fija};
  p.palabras = QStringLiteral("Tiqueron %1 .TXT %2 Apts %3 Ap %4 Btos %5 Bo")
                   .arg(QString(m.archivo).left(8))
                   .arg(lineas.size())
                   .arg(m.apuestas * t)
                   .arg((lineas.size() + m.apuestas - 1) / m.apuestas)
                   .arg(t);
  return p;
}

void compruebaTinta(const QString& pdf, const QVector<CajaEsperada>& marcas, const QVector<QRect>& tintadas,
                    QVector<QRect> permitidas, double tolerancia) {
  SCOPED_TRACE(pdf.toStdString());
  EXPECT_EQ(pdfPageCount(pdf), 1);
  QRect zona;
  for (const CajaEsperada& m : marcas) zona |= m.caja;
  const PageInk tinta(pdf, 1, zona.adjusted(-20, -20, 20, 20));
  for (const CajaEsperada& m : marcas) {
    const std::optional<QPointF> centro = tinta.centreIn(m.caja);
    const double desvio = centro ? QLineF(*centro, m.centro).length() : -1;
    EXPECT_TRUE(centro && desvio <= tolerancia)
        << "the mark of the box centred at " << m.centro.x() << ", " << m.centro.y()
        << (centro ? " lies " + std::to_string(desvio) + " twips off" : std::string(" has no ink"));
    permitidas << m.caja;
  }
  const PageInk pagina(pdf, 1, QRect(), kDpiPagina, kBlanco);
  ASSERT_TRUE(pagina.read());
  for (const QRect& r : tintadas)
    EXPECT_FALSE(pagina.boundsIn(r).isNull()) << "no ink at " << r.x() << ", " << r.y();
  const QVector<QRect> fuera = pagina.outside(permitidas + tintadas);
  for (const QRect& r : fuera.mid(0, 5)) ADD_FAILURE() << "ink at " << r.x() << ", " << r.y() << " twips";
  EXPECT_TRUE(fuera.isEmpty()) << fuera.size() << " pixels of ink where nothing is printed";
}

void compruebaBoleto(const QString& pdf, const PapelEsperado& papel, double tolerancia) {
  QVector<QRect> tintadas = papel.fijas;
  for (const QRectF& texto : papel.textos) tintadas << texto.toAlignedRect().adjusted(-20, -20, 20, 20);
  compruebaTinta(pdf, papel.marcas, tintadas, {}, tolerancia);
}

void compruebaHoja(const QString& pdf, const PapelEsperado& papel, double altoVentana, double tolerancia) {
  const QRect area = PageInk(pdf, 1, QRect(), kDpiPagina).area();
  // Every box outline, measured on each edge near its top-left corner, clear of the mark in it.
  const QVector<QRectF> contornos = papel.cajas + papel.textos;
  QVector<std::pair<QPointF, bool>> bordes;
  QVector<QRect> permitidas = {QRect(0, 0, area.width(), kBandaReglas),
                               QRect(0, 0, kBandaReglas, area.height()),
                               QRect(0, int(altoVentana), area.width(), area.height())};
  QRect zona;
  for (const QRectF& c : contornos) {
    const double dx = qMin(25.0, c.width() / 2), dy = qMin(25.0, c.height() / 2);
    bordes += {{{c.left(), c.top() + dy}, true},
               {{c.right(), c.top() + dy}, true},
               {{c.left() + dx, c.top()}, false},
               {{c.left() + dx, c.bottom()}, false}};
    for (const QRectF& borde : {QRectF(c.topLeft(), c.bottomLeft()), QRectF(c.topRight(), c.bottomRight()),
                                QRectF(c.topLeft(), c.topRight()), QRectF(c.bottomLeft(), c.bottomRight())})
      permitidas << borde.toAlignedRect().adjusted(-12, -12, 12, 12);
    zona |= c.toAlignedRect().adjusted(-30, -30, 30, 30);
  }
  mideLineas(PageInk(pdf, 1, zona), bordes, "box edge");
  // The rulers' ticks, every millimetre but the last along the top and left edges, near the edge.
  QVector<std::pair<QPointF, bool>> arriba, izquierda;
  for (int k = 1; (k + 1) * kTwipsPerMm < area.width(); ++k) arriba.append({{k * kTwipsPerMm, 25}, true});
  for (int k = 1; (k + 1) * kTwipsPerMm < area.height(); ++k)
    izquierda.append({{25, k * kTwipsPerMm}, false});
  mideLineas(PageInk(pdf, 1, QRect(0, 0, area.width(), 60)), arriba, "top ruler tick");
  mideLineas(PageInk(pdf, 1, QRect(0, 0, 60, area.height())), izquierda, "left ruler tick");
  // Each mark looked for inside its box's outline and short of the other boxes laid over it.
  QVector<CajaEsperada> marcas;
  for (CajaEsperada m : papel.marcas) {
    QRectF zona = QRectF(m.caja).adjusted(kDentro, kDentro, -kDentro, -kDentro);
    for (const QRectF& c : contornos) {
      const QRectF otra = c.adjusted(-6, -6, 6, 6);
      if (c.contains(m.centro))
        zona &= c.adjusted(kDentro, kDentro, -kDentro, -kDentro);
      else if (!otra.intersects(zona))
        continue;
      else if (otra.left() > m.centro.x())
        zona.setRight(otra.left());
      else if (otra.right() < m.centro.x())
        zona.setLeft(otra.right());
      else if (otra.top() > m.centro.y())
        zona.setBottom(otra.top());
      else
        zona.setTop(otra.bottom());
    }
    m.caja = zona.toAlignedRect();
    marcas << m;
  }
  compruebaTinta(pdf, marcas, papel.fijas, permitidas, tolerancia);
}

QString palabras(const QString& pdf, double arriba) {
  QVector<PdfWord> todas = pdfWords(pdf);
  todas.removeIf([&](const PdfWord& p) {
    return p.page > 1 || p.box.top() < arriba || p.box.left() < kBandaReglas ||
           (arriba == 0 && QStringList{"x", "o", "X"}.contains(p.text));
  });
  std::sort(todas.begin(), todas.end(), [](const PdfWord& a, const PdfWord& b) {
    return std::pair(qRound(a.box.top() / 40), a.box.left()) <
           std::pair(qRound(b.box.top() / 40), b.box.left());
  });
  QStringList texto;
  for (const PdfWord& p : todas) texto << p.text;
  return texto.join(u' ');
}
