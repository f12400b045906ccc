#include "app/boletos.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest/QTest>

#include "app/program_folder.h"
#include "tests/support/entorno_prueba.h"

namespace {

TEST(Boletos, SalirAsksAndClosesOnlyOnOkEscapeDoesNotCloseAndTheMenusAreCreditsAndHelp) {
  EntornoPrueba entorno;
  Boletos w{entorno.plataforma, entorno.rutaPrograma};
  w.show();
  QTest::keyClick(&w, Qt::Key_Escape);
  for (const MessageResult answer : {MessageResult::Cancel, MessageResult::Ok}) {
    entorno.dialogos.answer(answer);
    w.Command3->click();
    EXPECT_EQ(w.isVisible(), answer == MessageResult::Cancel);
  }
  ASSERT_EQ(entorno.dialogos.shown().size(), 2);
  const ShownBox& box = entorno.dialogos.last();
  EXPECT_EQ(box.text + box.title, QStringLiteral("Salir ?TIQUERON"));
  EXPECT_EQ(std::pair(box.buttons, box.icon), std::pair(MessageButtons::OkCancel, MessageIcon::None));
  const QList<QAction*> menus = w.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text() + menus[1]->text(), QStringLiteral("CréditosAyuda"));
}

// The folder keeps its spelling unless case is ignored, and ends in one separator.
TEST(ProgramFolder, IsUpperCasedOnlyWhereCaseIsIgnoredAndEndsInOneSeparator) {
  EXPECT_EQ(programFolder(QString::fromUtf8("/home/Año//"), true) + programFolder("/home/ana", false) +
                programFolder("/", false),
            QDir::toNativeSeparators(QString::fromUtf8("/HOME/AÑO//home/ana//")));
}

}  // namespace
