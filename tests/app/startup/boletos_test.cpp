#include "app/boletos.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest/QTest>

#include "app/canvas/twip_geometry.h"
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
};

TEST_F(BoletosTest, ExitAsksAndOkClosesTheWindow) {
  Boletos w(platform, folder.path());
  w.show();
  dialogs.answer(MessageResult::Ok);
  w.Command3->click();
  ASSERT_EQ(dialogs.shown().size(), 1);
  const ShownBox& box = dialogs.last();
  EXPECT_EQ(box.text, QStringLiteral("Salir ?"));
  EXPECT_EQ(box.title, QStringLiteral("TIQUERON"));
  EXPECT_EQ(box.buttons, MessageButtons::OkCancel);
  EXPECT_EQ(box.icon, MessageIcon::None);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(BoletosTest, ExitCancelledLeavesTheWindowUsable) {
  Boletos w(platform, folder.path());
  w.show();
  dialogs.answer(MessageResult::Cancel);
  w.Command3->click();
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.Command1->isEnabled());
  dialogs.answer(MessageResult::Cancel);
  w.Command3->click();
  EXPECT_EQ(dialogs.shown().size(), 2);
  EXPECT_TRUE(w.isVisible());
}

TEST_F(BoletosTest, EscapeDoesNotCloseTheWindow) {
  Boletos w(platform, folder.path());
  w.show();
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(BoletosTest, ExisteFicheroTellsEntriesApart) {
  Boletos w(platform, folder.path());
  folder.write("AD243", "x");
  const struct {
    QString ruta;
    bool exists;
  } cases[] = {
      {folder.file("AD243"), true},
      {folder.path(), true},
      {QString(), false},
      {folder.file("nada.txt"), false},
      {folder.file("noexiste") + QDir::separator() + "AD243", false},
  };
  for (const auto& c : cases) EXPECT_EQ(w.existeFichero(c.ruta), c.exists) << c.ruta.toStdString();
}

TEST_F(BoletosTest, LayoutTextsAndTabOrder) {
  Boletos w(platform, folder.path());
  EXPECT_EQ(w.windowTitle(), QStringLiteral(" TIQUERON  Imprime Boletos de 1X2, LOTTOS ..."));
  EXPECT_EQ(w.clientWidthTwips(), 5310);
  EXPECT_EQ(w.clientHeightTwips(), 1995);
  EXPECT_EQ(w.Command1->text(), QStringLiteral("Boletos      QUINIELAS 1X2"));
  EXPECT_EQ(w.Command2->text(), QStringLiteral("EUROMILLOES GORDO DE LA PRIMITIVA,  BONOLOTO..."));
  EXPECT_EQ(w.Command3->text(), QStringLiteral("Salir"));
  EXPECT_EQ(twipRect(w.Command1), QRectF(15, 600, 2625, 480));
  EXPECT_EQ(twipRect(w.Command3), QRectF(2190, 1650, 900, 285));
  EXPECT_EQ(twipRect(w.Label6), QRectF(3900, 15, 1530, 240));
  // The tab order among the controls that take focus.
  QList<QWidget*> order;
  for (QWidget* x = w.Command1; order.size() < 3; x = x->nextInFocusChain())
    if (x->focusPolicy() & Qt::TabFocus) order << x;
  EXPECT_EQ(order, (QList<QWidget*>{w.Command1, w.Command2, w.Command3}));
  const QList<QAction*> menus = w.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), QStringLiteral("Créditos"));
  EXPECT_EQ(menus[1]->text(), QStringLiteral("Ayuda"));
  EXPECT_EQ(menus[0]->menu(), nullptr);
  EXPECT_TRUE(w.Label6->text().startsWith(QStringLiteral("Ver.: ")));
}

}  // namespace
