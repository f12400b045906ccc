#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/platform/qt_dialogs.h"
#include "tests/support/scripted_dialogs.h"

namespace {

struct BoxCase {
  const char* name;
  MessageButtons buttons;
  QList<QMessageBox::StandardButton> standard;  // in order, the first is the default
  QStringList texts;
  QMessageBox::StandardButton escape;
};

class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTest, HasSpanishButtonsTheFirstAsDefaultAndAnEscapeButton) {
  const BoxCase c = GetParam();
  const auto box =
      makeMessageBox(QStringLiteral("texto"), QStringLiteral("TIQUERON"), c.buttons, MessageIcon::None);
  EXPECT_EQ(box->text(), QStringLiteral("texto"));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("TIQUERON"));
  ASSERT_EQ(box->buttons().size(), c.standard.size());
  for (qsizetype i = 0; i < c.standard.size(); ++i) {
    QAbstractButton* button = box->button(c.standard[i]);
    ASSERT_NE(button, nullptr) << i;
    EXPECT_EQ(button->text(), c.texts[i]);
  }
  EXPECT_EQ(box->defaultButton(), box->button(c.standard.front()));
  EXPECT_EQ(box->escapeButton(), box->button(c.escape));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MessageBoxTest,
    ::testing::Values(BoxCase{"Ok", MessageButtons::Ok, {QMessageBox::Ok}, {"Aceptar"}, QMessageBox::Ok},
                      BoxCase{"OkCancel",
                              MessageButtons::OkCancel,
                              {QMessageBox::Ok, QMessageBox::Cancel},
                              {"Aceptar", "Cancelar"},
                              QMessageBox::Cancel},
                      BoxCase{"YesNoCancel",
                              MessageButtons::YesNoCancel,
                              {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
                              {QString::fromUtf8("&Sí"), "&No", "Cancelar"},
                              QMessageBox::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBox, IconsFollowTheStyle) {
  const struct {
    MessageIcon icon;
    QMessageBox::Icon expected;
  } cases[] = {{MessageIcon::None, QMessageBox::NoIcon},
               {MessageIcon::Stop, QMessageBox::Critical},
               {MessageIcon::Exclamation, QMessageBox::Warning},
               {MessageIcon::Information, QMessageBox::Information}};
  for (const auto& c : cases)
    EXPECT_EQ(makeMessageBox(QString(), QString(), MessageButtons::Ok, c.icon)->icon(), c.expected);
}

// Acts on the modal box once QtDialogs has shown it.
void whenShown(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    act(box);
  });
}

void press(QWidget* box, Qt::Key key) {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(box, &event);
}

TEST(QtDialogs, EscapeAnswersCancelOrOkWhenItIsTheOnlyButton) {
  const struct {
    MessageButtons buttons;
    MessageResult answer;
  } cases[] = {{MessageButtons::Ok, MessageResult::Ok},
               {MessageButtons::OkCancel, MessageResult::Cancel},
               {MessageButtons::YesNoCancel, MessageResult::Cancel}};
  QtDialogs dialogs;
  for (const auto& c : cases) {
    whenShown([](QWidget* box) { press(box, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.message(QStringLiteral("¿Seguro?"), kDefaultTitle, c.buttons, MessageIcon::None),
              c.answer);
  }
}

TEST(QtDialogs, EnterAnswersTheFirstButtonAndAClickItsOwn) {
  QtDialogs dialogs;
  whenShown([](QWidget* box) { press(box, Qt::Key_Return); });
  EXPECT_EQ(
      dialogs.message(QStringLiteral("a"), kDefaultTitle, MessageButtons::YesNoCancel, MessageIcon::None),
      MessageResult::Yes);
  whenShown([](QWidget* box) { press(box, Qt::Key_Return); });
  EXPECT_EQ(dialogs.message(QStringLiteral("a"), kDefaultTitle, MessageButtons::OkCancel, MessageIcon::Stop),
            MessageResult::Ok);
  whenShown([](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::No)->click(); });
  EXPECT_EQ(
      dialogs.message(QStringLiteral("a"), kDefaultTitle, MessageButtons::YesNoCancel, MessageIcon::None),
      MessageResult::No);
}

TEST(QtDialogs, InputGivesTheTypedTextOrNothingOnCancel) {
  QtDialogs dialogs;
  whenShown([](QWidget* box) {
    auto* input = static_cast<QInputDialog*>(box);
    EXPECT_EQ(input->labelText(), QStringLiteral("Jornada:"));
    EXPECT_EQ(input->textValue(), QStringLiteral("07"));
    input->setTextValue(QStringLiteral("12"));
    input->accept();
  });
  EXPECT_EQ(dialogs.input(QStringLiteral("Jornada:"), kDefaultTitle, QStringLiteral("07")),
            QStringLiteral("12"));
  whenShown([](QWidget* box) {
    static_cast<QInputDialog*>(box)->setTextValue(QStringLiteral("12"));
    press(box, Qt::Key_Escape);
  });
  EXPECT_EQ(dialogs.input(QStringLiteral("Jornada:"), kDefaultTitle, QString()), QString());
}

TEST(ScriptedDialogs, AnswersFromTheScriptThenWithTheFirstButton) {
  ScriptedDialogs dialogs;
  dialogs.answer(MessageResult::No);
  dialogs.answer(QStringLiteral("07"));
  EXPECT_EQ(
      dialogs.message(QStringLiteral("uno"), kDefaultTitle, MessageButtons::YesNoCancel, MessageIcon::None),
      MessageResult::No);
  EXPECT_EQ(dialogs.input(QStringLiteral("Jornada:"), kDefaultTitle, QString()), QStringLiteral("07"));
  EXPECT_TRUE(dialogs.scriptUsedUp());
  EXPECT_EQ(dialogs.message(QStringLiteral("dos"), QStringLiteral("T"), MessageButtons::YesNoCancel,
                            MessageIcon::Stop),
            MessageResult::Yes);
  EXPECT_EQ(dialogs.message(QStringLiteral("tres"), QStringLiteral("T"), MessageButtons::OkCancel,
                            MessageIcon::None),
            MessageResult::Ok);
  EXPECT_EQ(dialogs.input(QStringLiteral("otra"), kDefaultTitle, QString()), QString());
  ASSERT_EQ(dialogs.shown().size(), 5);
  EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("Jornada:"));
  EXPECT_TRUE(dialogs.shown()[1].isInput);
  EXPECT_EQ(dialogs.last().text, QStringLiteral("otra"));
  EXPECT_EQ(dialogs.shown()[2].icon, MessageIcon::Stop);
}

}  // namespace
