#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>

#include "app/platform/qt_dialogs.h"

namespace {

// Spanish buttons; Enter presses the first, Escape cancels (or presses the only Ok).
TEST(QtDialogs, ShowTheirTextsAndGiveTheAnswerOfTheKeyPressed) {
  const std::tuple<MessageButtons, const char*, Qt::Key, MessageResult> cases[] = {
      {MessageButtons::Ok, "Aceptar", Qt::Key_Escape, MessageResult::Ok},
      {MessageButtons::OkCancel, "Aceptar Cancelar", Qt::Key_Escape, MessageResult::Cancel},
      {MessageButtons::YesNoCancel, "&Sí &No Cancelar", Qt::Key_Return, MessageResult::Yes}};
  QtDialogs dialogs;
  for (const auto& [buttons, texts, key, answer] : cases) {
    QTimer::singleShot(0, [texts = texts, key = key] {
      auto* box = static_cast<QMessageBox*>(QApplication::activeModalWidget());
      QStringList shown = {box->text(), box->windowTitle()};
      for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel})
        if (QAbstractButton* button = box->button(b)) shown += button->text();
      EXPECT_EQ(shown.join(QLatin1Char(' ')), QStringLiteral("texto Tiqueron ") + QString::fromUtf8(texts));
      QTest::keyClick(box, key);
    });
    EXPECT_EQ(dialogs.message(QStringLiteral("texto"), kDefaultTitle, buttons, MessageIcon::None), answer);
  }
  QTimer::singleShot(0, [] {
    auto* input = static_cast<QInputDialog*>(QApplication::activeModalWidget());
    EXPECT_EQ(input->labelText() + input->textValue(), QStringLiteral("Jornada:07"));
    input->setTextValue(QStringLiteral("12"));
    QTest::keyClick(input, Qt::Key_Return);
  });
  EXPECT_EQ(dialogs.input(QStringLiteral("Jornada:"), kDefaultTitle, QStringLiteral("07")),
            QStringLiteral("12"));
}

}  // namespace
