#pragma once
#include <memory>

#include "app/platform/dialogs.h"

class QCoreApplication;
class QMessageBox;
class QWidget;

// Loads Qt's Spanish translation so standard buttons read "Sí", "No",
// "Cancelar", "Aceptar".
void installSpanishTranslation(QCoreApplication& app);

// The box QtDialogs::message shows, built but not shown: the first button is
// the default and Escape answers Cancel (Ok when it is the only button).
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, const QString& title, MessageButtons buttons,
                                            MessageIcon icon, QWidget* parent = nullptr);

// Real boxes, modal over the active window.
class QtDialogs : public Dialogs {
 public:
  MessageResult message(const QString& text, const QString& title, MessageButtons buttons,
                        MessageIcon icon) override;
  QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
};
