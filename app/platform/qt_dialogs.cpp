#include "app/platform/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "app/platform/translations.h"

void installSpanishTranslation(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                       QStringLiteral("_"), qtTranslationsFolder()))
    app.installTranslator(translator);
}

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, const QString& title, MessageButtons buttons,
                                            MessageIcon icon, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(boxIcon(icon), title, text, QMessageBox::NoButton, parent);
  QPushButton* first = nullptr;
  switch (buttons) {
    case MessageButtons::Ok:
      first = box->addButton(QMessageBox::Ok);
      box->setEscapeButton(first);
      break;
    case MessageButtons::OkCancel:
      first = box->addButton(QMessageBox::Ok);
      box->setEscapeButton(box->addButton(QMessageBox::Cancel));
      break;
    case MessageButtons::YesNoCancel:
      first = box->addButton(QMessageBox::Yes);
      box->addButton(QMessageBox::No);
      box->setEscapeButton(box->addButton(QMessageBox::Cancel));
      break;
  }
  box->setDefaultButton(first);
  return box;
}

MessageResult QtDialogs::message(const QString& text, const QString& title, MessageButtons buttons,
                                 MessageIcon icon) {
  const std::unique_ptr<QMessageBox> box =
      makeMessageBox(text, title, buttons, icon, QApplication::activeWindow());
  box->exec();
  switch (box->standardButton(box->clickedButton())) {
    case QMessageBox::Ok: return MessageResult::Ok;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
  }
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
  bool accepted = false;
  const QString typed = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                              defaultText, &accepted);
  return accepted ? typed : QString();
}
