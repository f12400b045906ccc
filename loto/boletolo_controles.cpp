// The controls of the lotto window, placed in twips: the four games' forms at
// their design places, the navigation and button frames, the calibration
// frame, the file list and the labels around the ticket.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include "app/boleto/cruz_flechas.h"
#include "app/boleto/navegador.h"
#include "app/canvas/controls.h"
#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/hoja/hoja_prueba.h"
#include "loto/boletolo.h"
#include "loto/textos_boletolo.h"

namespace {

constexpr double kAnchoVentana = 10740;
constexpr double kAltoVentana = 10305;
const QString kFuenteRejillas = QStringLiteral("Lucida Console");

QFont fuente(const QString& familia, double puntos, int peso) {
  QFont f(familia);
  f.setPointSizeF(puntos);
  f.setWeight(QFont::Weight(peso));
  return f;
}

// A fixed "X" of the form: printed, so it keeps the font of the form.
QLabel* equis(QWidget* padre, const QRectF& lugar, const QFont& letra) {
  QLabel* x = makeLabel(padre, QStringLiteral("X"), lugar);
  x->setFont(letra);
  x->setAlignment(Qt::AlignCenter);
  return x;
}

// The grids of one kind of a game's form, at their design places.
template <size_t N>
void rejillas(QWidget* marco, const RejillasLoto& tabla, Grid* (&destino)[N]) {
  for (size_t i = 0; i < N; ++i) {
    destino[i] = makeGrid(marco, tabla.lugares.at(int(i)), tabla.filas, tabla.columnas);
    destino[i]->setFontName(kFuenteRejillas);
    destino[i]->setFontSize(8.25);
    destino[i]->setFontBold(tabla.negritaDeDiseno);
    // The design widths: every column of a number block is one box wide.
    for (int col = 0; col < tabla.columnas; ++col) {
      destino[i]->setColWidth(col, 290);
      destino[i]->setColAlignment(col, 4);
    }
  }
}

QFrame* marcoBlanco(QWidget* padre, const QRectF& lugar) {
  QFrame* marco = makeFrame(padre, lugar, QFrame::NoFrame);
  setBackColor(marco, qbColor(15));
  return marco;
}

}  // namespace

void boletoLO::creaControles() {
  setClientSizeTwips(kAnchoVentana, kAltoVentana);
  QWidget* c = client();
  // Labels lie beneath the frames, as drawn on the window itself.
  Label3 = makeLabel(c, QString(), {1550, 560, 3100, 225});
  Label15 = makeLabel(c, QString(QStringLiteral("-\n")).repeated(40).chopped(1), {990, 0, 105, 8700});
  QString bloques;
  for (int b = 1; b <= 8; ++b) bloques += QString::number(b) + QStringLiteral("\n\n\n\n\n");
  Label13 = makeLabel(c, bloques, {1195, 380, 150, 8400});
  Label21 = makeLabel(c, QString(), {30, 8925, 10680, 1300}, true);
  Label4 = makeLabel(c, QString(), kLabel4);
  Label4->setFont(controlFont());
  Label18 = equis(c, kLabel18, fuente(QStringLiteral("Arial Black"), 9, 900));
  creaFormularios();
  creaNavegador();
  creaCruz();
  File2 = new QListWidget(c);
  placeTwips(File2, 10, 200, 2900, 7100);
  File2->hide();
  creaConfiguracion();
  creaMenus();
  conectaEventos();
}

void boletoLO::creaFormularios() {
  QWidget* c = client();
  const JuegoLoto& bonoloto = *juegoLoto(floto::bonoloto);
  const JuegoLoto& gordo = *juegoLoto(floto::gordo);
  const JuegoLoto& euro = *juegoLoto(floto::euromillones);
  Frame4 = marcoBlanco(c, bonoloto.marcoDiseno);
  rejillas(Frame4, bonoloto.numeros, tabla);
  Frame5 = marcoBlanco(c, gordo.marcoDiseno);
  rejillas(Frame5, gordo.extras, tbg);
  rejillas(Frame5, gordo.numeros, tablag);
  Label19 = equis(Frame5, kLabel19, fuente(kFuenteRejillas, 9, QFont::Bold));
  Frame6 = marcoBlanco(c, euro.marcoDiseno);
  rejillas(Frame6, euro.numeros, tablae);
  rejillas(Frame6, euro.extras, tbe);
  Frame7 = marcoBlanco(c, kFrame7);
  Grid* reintegro[1];
  rejillas(Frame7, bonoloto.extras, reintegro);
  tablar = reintegro[0];
  Label16 = equis(Frame7, kLabel16, fuente(QStringLiteral("Arial Black"), 9, 900));
  Label16->setFrameShape(QFrame::Box);
  for (QFrame* marco : {Frame5, Frame6, Frame7}) marco->hide();
}

void boletoLO::creaNavegador() {
  Frame1 = makeFrame(client(), {4620, 3450, 2550, 4050});
  Text2 = makeTextBox(Frame1, QString(), {60, 60, 2430, 285});
  Text2->setReadOnly(true);
  Label1 = makeLabel(Frame1, textoslo::columnasApuestas, {60, 390, 2430, 195});
  for (int i = 0; i < 8; ++i) Text1[i] = makeCajaApuesta(Frame1, {75.0 + 300 * i, 600, 270, 1500});
  Label11 = makeLabel(Frame1, textoslo::pulseOpcion, {60, 2160, 2430, 195});
  Label12 = makeLabel(Frame1, QString(), {60, 2370, 2430, 195});
  Command14 = makeButton(Frame1, QStringLiteral("|<<"), {60, 2600, 590, 300});
  Command6 = makeButton(Frame1, QStringLiteral("<<5"), {660, 2600, 590, 300});
  Command7 = makeButton(Frame1, QStringLiteral("5 >>"), {1260, 2600, 590, 300});
  Command5 = makeButton(Frame1, QStringLiteral(">>|"), {1860, 2600, 590, 300});
  Command8 = makeButton(Frame1, QStringLiteral("Anterior <"), {60, 2930, 1190, 300});
  Command9 = makeButton(Frame1, QStringLiteral("Siguiente>"), {1260, 2930, 1190, 300});
  Command11 = makeButton(Frame1, QStringLiteral("Imprime Boleto Actual"), {60, 3260, 2390, 330});
  Command10 = makeButton(Frame1, QStringLiteral("Imprime Siguiente"), {60, 3620, 2390, 330});
}

void boletoLO::creaCruz() {
  Frame3 = makeFrame(client(), {5005, 30, 1440, 1680});
  Label10 = makeLabel(Frame3, textoslo::archivos, {30, 60, 450, 225});
  Text3[7] = makeTextBox(Frame3, QString(), {525, 60, 450, 255});
  Text3[8] = makeTextBox(Frame3, QString(), {30, 360, 450, 255});
  const CruzFlechas cruz = makeCruzFlechas(Frame3,
                                           {{525, 345, 450, 285},
                                            {525, 975, 450, 285},
                                            {30, 660, 450, 285},
                                            {1005, 660, 450, 285},
                                            {525, 675, 450, 255}},
                                           textoslo::pasoInicial);
  Command2 = cruz.arriba;
  Command4 = cruz.abajo;
  Command3 = cruz.izquierda;
  Command1 = cruz.derecha;
  Text4 = cruz.paso;
  Label9 = makeLabel(Frame3, QString(), {30, 960, 480, 330});
  Label5 = makeLabel(Frame3, QString(), {1005, 960, 465, 330});
  Command12 = makeButton(Frame3, QStringLiteral("Configurar"), {30, 1305, 700, 315});
  Command13 = makeButton(Frame3, QStringLiteral("Restaurar "), {760, 1305, 650, 315});
}

void boletoLO::creaConfiguracion() {
  Frame2 = makeTitledFrame(client(), QString(), {10, 250, 2900, 2300});
  Text3[0] = Text3[1] = Text3[2] = nullptr;
  const std::pair<int, const QString*> filas[] = {{3, &textoslo::rotuloPosicion},
                                                  {4, &textoslo::rotuloNegrita},
                                                  {5, &textoslo::rotuloSigno},
                                                  {6, &textoslo::rotuloTamano},
                                                  {9, &textoslo::rotuloApuestas}};
  double arriba = 300;
  for (const auto& [caja, rotulo] : filas) {
    makeLabel(Frame2, *rotulo, {90, arriba, 1950, 300}, true);
    Text3[caja] = makeTextBox(Frame2, QString(), {2070, arriba, 740, 255});
    arriba += 330;
  }
  Label66 = makeLabel(Frame2, QString(), {90, 1950, 2700, 225});
  Frame2->hide();
}

void boletoLO::creaMenus() {
  QMenuBar* barra = menuBar();
  mnuConfigura = barra->addAction(textoslo::mnuConfigura);
  mnuTiqueron = barra->addAction(textoslo::mnuTiqueron);
  mnuMuno = barra->addAction(textoslo::mnuMuno);
  mnufl = barra->addAction(textoslo::mnufl);
  mnuInfo = barra->addAction(textoslo::mnuInfo);
  mnuFI = barra->addAction(textoslo::mnuFI);
  mnuAyuda = barra->addAction(textoslo::mnuAyuda);
  mnuSalir = barra->addAction(textoslo::mnuSalir);
  mnuHoja = barra->addAction(kMenuHoja);
  mnuComprobar = barra->addAction(QStringLiteral("Co&mprobar apuestas"));
}
