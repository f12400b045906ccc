// The window's controls wired to their handlers, and the help line's texts.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/canvas/eventos_raton.h"
#include "app/canvas/safe_handler.h"
#include "quiniela/boletoqp.h"
#include "quiniela/textos_boletoqp.h"

void boletoqp::conectaEventos() {
  const std::pair<QPushButton*, void (boletoqp::*)()> botones[] = {
      {Command1, &boletoqp::Command1_Click},  {Command2, &boletoqp::Command2_Click},
      {Command3, &boletoqp::Command3_Click},  {Command4, &boletoqp::Command4_Click},
      {Command5, &boletoqp::Command5_Click},  {Command6, &boletoqp::Command6_Click},
      {Command7, &boletoqp::Command7_Click},  {Command8, &boletoqp::Command8_Click},
      {Command9, &boletoqp::Command9_Click},  {Command10, &boletoqp::Command10_Click},
      {Command11, &boletoqp::Command11_Click}};
  for (const auto& [boton, accion] : botones)
    connectSafely(platform_.dialogs, boton, &QPushButton::clicked, this, accion);

  const std::pair<QAction*, void (boletoqp::*)()> menus[] = {{mnuAbrir, &boletoqp::mnuAbrir_Click},
                                                             {mnuConfigura, &boletoqp::mnuConfigura_Click},
                                                             {mnuTiqueron, &boletoqp::mnuTiqueron_Click},
                                                             {mnuIF, &boletoqp::mnuIF_Click},
                                                             {mnuP, &boletoqp::mnuP_Click},
                                                             {mnuAyuda, &boletoqp::mnuAyuda_Click},
                                                             {mnuHoja, &boletoqp::mnuHoja_Click},
                                                             {mnuComprobar, &boletoqp::mnuComprobar_Click}};
  for (const auto& [menu, accion] : menus) connectSafely(platform_.dialogs, menu, &QAction::triggered, this, accion);

  for (int i = 0; i < 9; ++i) {
    if (!Text3[i]) continue;
    connect(Text3[i], &QLineEdit::returnPressed, this,
            safeHandler(platform_.dialogs, [this, i] { Text3_KeyPress(i, 13); }));
    eventos_->alHacerClic(Text3[i], [this, i] { Text3_Click(i); });
  }
  for (int i = 0; i < 8; ++i) eventos_->alHacerClic(Text1[i], [this, i] { Text1_Click(i); });
  eventos_->alHacerClic(Text4, [this] { Text4_Click(); });
  eventos_->alHacerClic(Label16, [this] { Label16_Click(); });

  const auto ayuda = [this](QWidget* control, const QString& texto) {
    eventos_->alMover(control, [this, &texto] { Label13->setText(texto); });
  };
  namespace a = textosqp::ayuda;
  ayuda(Command1, a::impSiguiente);
  ayuda(Command8, a::repite);
  eventos_->alSoltar(Command3, [this] { Label13->setText(a::siguiente); });
  eventos_->alPulsar(Command4, [this] { Label13->setText(a::anterior); });
  ayuda(Command7, a::atrasRapido);
  ayuda(Command11, a::derecha);
  ayuda(Command9, a::izquierda);
  ayuda(Command2, a::abajo);
  ayuda(Command10, a::arriba);
  ayuda(Frame3, a::cruz);
  ayuda(Label16, a::restaurar);
  ayuda(Text5, a::paso);
  ayuda(Frame2, a::configuracion);
  ayuda(Command5, a::cerrar);
  for (int i = 1; i < 9; ++i)
    if (Text3[i]) ayuda(Text3[i], a::casillaConfiguracion);
  for (QLabel* columna : Text1) ayuda(columna, a::columnas);
  ayuda(Text4, a::jornada);
  ayuda(client(), a::ventana);
}
