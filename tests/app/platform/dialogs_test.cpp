#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "app/platform/qt_dialogs.h"

namespace {

void whenShown(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

TEST(QtDialogs, SpanishButtonsEnterPressesTheFirstEscapeCancelsOrTheOnlyOk) {
  const std::tuple<MessageButtons, const char*, Qt::Key, MessageResult> cases[] = {
      {MessageButtons::Ok, "Aceptar", Qt::Key_Escape, MessageResult::Ok},
      {MessageButtons::OkCancel, "Aceptar Cancelar", Qt::Key_Escape, MessageResult::Cancel},
      {MessageButtons::YesNoCancel, "&Sí &No Cancelar", Qt::Key_Return, MessageResult::Yes},
      {MessageButtons::YesNoCancel, "&Sí &No Cancelar", Qt::Key_N, MessageResult::No}};
  QtDialogs dialogs;
  for (const auto& [buttons, texts, key, answer] : cases) {
    whenShown([texts = texts, key = key](QWidget* box) {
      auto* message = static_cast<QMessageBox*>(box);
      QStringList shown = {message->text(), message->windowTitle()};
      for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel})
        if (QAbstractButton* button = message->button(b)) shown += button->text();
      EXPECT_EQ(shown.join(QLatin1Char(' ')), QStringLiteral("texto Tiqueron ") + QString::fromUtf8(texts));
      QTest::keyClick(box, key);
    });
    EXPECT_EQ(dialogs.message(QStringLiteral("texto"), kDefaultTitle, buttons, MessageIcon::None), answer);
  }
}

TEST(QtDialogs, InputGivesTheTypedTextOrNothingOnCancel) {
  QtDialogs dialogs;
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    whenShown([key](QWidget* box) {
      auto* input = static_cast<QInputDialog*>(box);
      EXPECT_EQ(input->labelText() + input->textValue(), QStringLiteral("Jornada:07"));
      input->setTextValue(QStringLiteral("12"));
      QTest::keyClick(box, key);
    });
    EXPECT_EQ(dialogs.input(QStringLiteral("Jornada:"), kDefaultTitle, QStringLiteral("07")),
              key == Qt::Key_Return ? QStringLiteral("12") : QString());
  }
}

}  // namespace
