#include "app/boletos.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest/QTest>

#include "app/platform/file_attributes.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace {

class BoletosTest : public ::testing::Test {
 protected:
  TempFolder folder;
  ScriptedDialogs dialogs;
  PdfPrinter printer{folder.path()};
  SystemFileAttributes attributes;
  Platform platform{dialogs, printer, attributes};
  Boletos w{platform, folder.path()};
};

TEST_F(BoletosTest, SalirAsksAndClosesOnlyOnOkAndEscapeDoesNotClose) {
  w.show();
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(dialogs.shown().isEmpty());
  for (const MessageResult answer : {MessageResult::Cancel, MessageResult::Ok}) {
    dialogs.answer(answer);
    w.Command3->click();
    EXPECT_EQ(w.isVisible(), answer == MessageResult::Cancel);
  }
  ASSERT_EQ(dialogs.shown().size(), 2);
  const ShownBox& box = dialogs.last();
  EXPECT_EQ(box.text + box.title, QStringLiteral("Salir ?TIQUERON"));
  EXPECT_EQ(std::pair(box.buttons, box.icon), std::pair(MessageButtons::OkCancel, MessageIcon::None));
}

TEST_F(BoletosTest, ExisteFicheroTabOrderMenusAndVersionLabel) {
  folder.write("AD243", "x");
  for (const auto& [ruta, exists] : {std::pair{folder.file("AD243"), true},
                                     {folder.path(), true},
                                     {QString(), false},
                                     {folder.file("nada.txt"), false},
                                     {folder.file("noexiste") + QDir::separator() + "AD243", false}})
    EXPECT_EQ(w.existeFichero(ruta), exists) << ruta.toStdString();
  QList<QWidget*> order;
  for (QWidget* x = w.Command1; order.size() < 3; x = x->nextInFocusChain())
    if (x->focusPolicy() & Qt::TabFocus) order << x;
  EXPECT_EQ(order, (QList<QWidget*>{w.Command1, w.Command2, w.Command3}));
  const QList<QAction*> menus = w.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text() + menus[1]->text(), QStringLiteral("CréditosAyuda"));
  EXPECT_EQ(menus[0]->menu(), nullptr);
  EXPECT_TRUE(w.Label6->text().startsWith(QStringLiteral("Ver.: ")));
}

}  // namespace
