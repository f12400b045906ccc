#include "app/canvas/window_keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>

namespace {

// The caption without its access-key marker; "&&" stays a literal "&".
QString withoutAccessKey(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

QKeySequence accessKey(const QString& caption) {
  return QKeySequence::mnemonic(caption);
}

}  // namespace

void dropDefaultButtons(QWidget& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
}

void settleAccessKeyClashes(QWidget& window, const QMenuBar* menuBar) {
  if (!menuBar) return;
  QSet<QKeySequence> menuKeys;
  for (const QAction* entry : menuBar->actions())
    if (!accessKey(entry->text()).isEmpty()) menuKeys.insert(accessKey(entry->text()));
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (menuKeys.contains(accessKey(button->text()))) button->setText(withoutAccessKey(button->text()));
  for (QLabel* label : window.findChildren<QLabel*>())
    if (label->buddy() && menuKeys.contains(accessKey(label->text())))
      label->setText(withoutAccessKey(label->text()));
}

bool isEnterKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers others = event.modifiers() & ~Qt::KeypadModifier;
  return others == Qt::NoModifier && (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

bool pressFocusedButton(QWidget& window) {
  auto* button = qobject_cast<QAbstractButton*>(window.focusWidget());
  if (!button || !window.isAncestorOf(button) || !button->isEnabled() || !button->isVisible()) return false;
  button->click();
  return true;
}
