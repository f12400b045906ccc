// The controls of the football-pools window, placed in twips.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "app/boleto/cruz_flechas.h"
#include "app/boleto/navegador.h"
#include "app/canvas/controls.h"
#include "app/canvas/eventos_raton.h"
#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/hoja/hoja_prueba.h"
#include "quiniela/boletoqp.h"
#include "quiniela/geometria_boletoqp.h"
#include "quiniela/textos_boletoqp.h"

void boletoqp::creaControles() {
  setClientSizeTwips(geometriaqp::anchoVentana, geometriaqp::altoVentana);
  QWidget* c = client();
  Label14 = makeLabel(c, QString(), {315, 100, 4560, 1620});
  Frame4 = makeFrame(c, {0, 0, geometriaqp::anchoFrame4, geometriaqp::altoFrame4}, QFrame::NoFrame);
  setBackColor(Frame4, qbColor(15));
  Frame4->hide();
  creaTicket();
  Frame3 = makeFrame(c, {geometriaqp::izquierdaFrame3, 75, 1440, 1995});
  creaCruz();
  Frame1 = makeFrame(c, {geometriaqp::izquierdaFrame1, 2385, 1905, 4725});
  creaNavegador();
  Frame2 = makeTitledFrame(c, textosqp::tituloConfiguracion, {10, 75, 5205, 1905});
  creaConfiguracion();
  Label13 = makeLabel(c, QString(), {45, 7650, 8010, 1470}, true);
  creaMenus();
  conectaEventos();
}

void boletoqp::creaTicket() {
  // Column widths, alignment and the mark's font come with the first file.
  for (int b = 0; b < 8; ++b) {
    tabla[b] = makeGrid(Frame4, geometriaqp::tabla[b], 3, 14);
    tabla[b]->setFontName(QStringLiteral("Lucida Console"));
  }
  for (int q = 0; q < 2; ++q) {
    tablaq[q] = makeGrid(Frame4, geometriaqp::tablaq[q], 4, 1);
    tablaq[q]->setFontName(QStringLiteral("Lucida Console"));
    // Only its lines change for paper, so it has no border to print.
    tablaq[q]->setBorderStyle(0);
  }
  Tregla = makeGrid(Frame4, geometriaqp::tregla, 1, 14);
  for (int col = 0; col < 14; ++col) {
    Tregla->setColWidth(col, geometriaqp::anchoColumna);
    Tregla->setColAlignment(col, 4);
  }
  Tregla2 = makeGrid(Frame4, geometriaqp::tregla2, 28, 1);
  Tregla2->setColWidth(0, 200);
  Tregla2->setColAlignment(0, 4);
}

void boletoqp::creaNavegador() {
  Text2 = makeTextBox(Frame1, QString(), {120, -15, 1560, 285});
  Text2->setReadOnly(true);
  Text4 = makeTextBox(Frame1, QStringLiteral(" J:"), {1560, -30, 375, 285});
  Label1 = makeLabel(Frame1, textosqp::columnasBoleto, {135, 255, 1740, 195});
  Label11 = makeLabel(Frame1, textosqp::numerosPartido, {120, 495, 210, 2985});
  Label20 = makeLabel(Frame1, QString(QStringLiteral("-\n")).repeated(24).chopped(1), {0, -90, 105, 4755});
  static constexpr int izquierdas[8] = {300, 480, 675, 855, 1095, 1275, 1485, 1680};
  for (int i = 0; i < 8; ++i) Text1[i] = makeCajaApuesta(Frame1, {double(izquierdas[i]), 450, 200, 2820});
  Label15 = makeLabel(Frame1, QString(), {315, 3255, 1605, 195});
  Command7 = makeButton(Frame1, QStringLiteral("<<  <<"), {165, 3480, 870, 285});
  Command6 = makeButton(Frame1, QStringLiteral(">>  >>"), {1095, 3480, 780, 285});
  Command4 = makeButton(Frame1, QStringLiteral("A&nterior"), {150, 3765, 870, 285});
  Command3 = makeButton(Frame1, QStringLiteral("Sigu&iente"), {1065, 3750, 810, 300});
  Command1 = makeButton(Frame1, QStringLiteral("&Imp. Siguiente"), {150, 4065, 1725, 285});
  Command8 = makeButton(Frame1, QStringLiteral("Repite Tiqueron"), {120, 4350, 1755, 285});
}

void boletoqp::creaConfiguracion() {
  struct Fila {
    int caja;
    QLabel** rotulo;
    const QString& texto;
  };
  const Fila filas[] = {{0, &Label3, textosqp::rotuloApuestas},
                        {4, &Label4, textosqp::rotuloNegrita},
                        {5, &Label5, textosqp::rotuloSigno},
                        {6, &Label6, textosqp::rotuloTamano},
                        {1, &Label7, textosqp::rotuloMargen}};
  Text3[2] = Text3[3] = nullptr;
  double arriba = 270;
  for (const Fila& fila : filas) {
    *fila.rotulo = makeLabel(Frame2, fila.texto, {120, arriba + 30, 3240, 225});
    Text3[fila.caja] = makeTextBox(Frame2, QString(), {3420, arriba, 735, 255});
    arriba += 255;
  }
  Label8 = makeLabel(Frame2, textosqp::pistaInicio, {120, 1560, 4995, 180});
  Label9 = makeLabel(Frame2, textosqp::reglaCaracteres, {120, 1725, 4995, 165});
  Command5 = makeButton(Frame2, QStringLiteral("Cerrar"), {4260, 300, 855, 375});
}

void boletoqp::creaCruz() {
  Label16 = makeLabel(Frame3, textosqp::desplazarRejilla, {0, 45, 1440, 420}, true);
  Text3[7] = makeTextBox(Frame3, QString(), {495, 465, 480, 270});
  Text3[8] = makeTextBox(Frame3, QString(), {0, 765, 480, 270});
  const CruzFlechas cruz = makeCruzFlechas(Frame3,
                                           {{480, 735, 480, 450},
                                            {480, 1470, 480, 450},
                                            {-30, 1185, 510, 330},
                                            {945, 1185, 495, 330},
                                            {480, 1245, 465, 225}},
                                           textosqp::pasoInicial);
  Command10 = cruz.arriba;
  Command2 = cruz.abajo;
  Command9 = cruz.izquierda;
  Command11 = cruz.derecha;
  Text5 = cruz.paso;
}

void boletoqp::creaMenus() {
  QMenuBar* barra = menuBar();
  mnuAbrir = barra->addAction(QStringLiteral("&Abrir archivo"));
  mnuConfigura = barra->addAction(QStringLiteral("&Configurar"));
  mnuTiqueron = barra->addAction(QStringLiteral("&Imprime Boletos"));
  mnuIF = barra->addAction(QStringLiteral("&Repite Tiqueron "));
  mnuP = barra->addAction(QStringLiteral("&Problemas Impr"));
  mnuAyuda = barra->addAction(QStringLiteral("A&yuda"));
  mnuHoja = barra->addAction(kMenuHoja);
  mnuComprobar = barra->addAction(QStringLiteral("Co&mprobar apuestas"));
}
