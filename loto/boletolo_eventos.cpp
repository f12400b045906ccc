// The lotto window's controls wired to their handlers, and the help line's texts.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/canvas/eventos_raton.h"
#include "app/canvas/safe_handler.h"
#include "app/grid/grid.h"
#include "loto/boletolo.h"
#include "loto/textos_boletolo.h"

void boletoLO::conectaEventos() {
  const std::pair<QPushButton*, void (boletoLO::*)()> botones[] = {
      {Command1, &boletoLO::Command1_Click},   {Command2, &boletoLO::Command2_Click},
      {Command3, &boletoLO::Command3_Click},   {Command4, &boletoLO::Command4_Click},
      {Command5, &boletoLO::Command5_Click},   {Command6, &boletoLO::Command6_Click},
      {Command7, &boletoLO::Command7_Click},   {Command8, &boletoLO::Command8_Click},
      {Command9, &boletoLO::Command9_Click},   {Command10, &boletoLO::Command10_Click},
      {Command11, &boletoLO::Command11_Click}, {Command12, &boletoLO::Command12_Click},
      {Command13, &boletoLO::Command13_Click}, {Command14, &boletoLO::Command14_Click}};
  for (const auto& [boton, accion] : botones)
    connectSafely(platform_.dialogs, boton, &QPushButton::clicked, this, accion);

  const std::pair<QAction*, void (boletoLO::*)()> menus[] = {
      {mnuConfigura, &boletoLO::mnuConfigura_Click}, {mnuTiqueron, &boletoLO::mnuTiqueron_Click},
      {mnuMuno, &boletoLO::mnuMuno_Click},           {mnufl, &boletoLO::mnufl_Click},
      {mnuInfo, &boletoLO::mnuInfo_Click},           {mnuFI, &boletoLO::mnuFI_Click},
      {mnuAyuda, &boletoLO::mnuAyuda_Click},         {mnuSalir, &boletoLO::mnuSalir_Click},
      {mnuHoja, &boletoLO::mnuHoja_Click},
      {mnuComprobar, &boletoLO::mnuComprobar_Click}};
  for (const auto& [menu, accion] : menus) connectSafely(platform_.dialogs, menu, &QAction::triggered, this, accion);

  connectSafely(platform_.dialogs, File2, &QListWidget::itemClicked, this, &boletoLO::File2_Click);
  eventos_->alElegir(File2, [this] { File2_Click(); });
  for (int i = 0; i < 8; ++i) eventos_->alHacerClic(Text1[i], [this, i] { Text1_Click(i); });
  for (int i = 3; i < 10; ++i) eventos_->alHacerClic(Text3[i], [this, i] { Text3_Click(i); });

  const auto ayuda = [this](QWidget* control, const QString& texto) {
    eventos_->alMover(control, [this, &texto] { Label21->setText(texto); });
  };
  namespace a = textoslo::ayuda;
  ayuda(Frame2, a::configuracion);
  ayuda(Frame3, a::cruz);
  ayuda(Command1, a::derecha);
  ayuda(Command3, a::izquierda);
  ayuda(Command2, a::arriba);
  ayuda(Command4, a::abajo);
  ayuda(Command12, a::configurar);
  ayuda(Command13, a::restaurar);
  ayuda(Command11, a::imprimeActual);
  ayuda(Command10, a::imprimeSiguiente);
  ayuda(Command8, a::anterior);
  ayuda(Command9, a::siguiente);
  for (QLabel* caja : Text1) ayuda(caja, a::apuestas);
  ayuda(Text3[3], a::posicion);
  ayuda(Text3[4], a::negrita);
  static const QString sinTexto;
  for (int i : {5, 6, 7, 8, 9}) ayuda(Text3[i], sinTexto);
  ayuda(tablar, a::reintegro);
  for (Grid* estrellas : tbe) ayuda(estrellas, a::estrellas);
  for (Grid* clave : tbg) ayuda(clave, a::clave);
}
