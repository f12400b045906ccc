#include "help/ayuda.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/platform/file_attributes.h"
#include "app/platform/files.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace {

struct RecordingPrinter : PdfPrinter {  // each printed line after its font size
  using PdfPrinter::PdfPrinter;
  void printLine(const QString& text) override {
    lines.append(QString::number(fontSize()) + text);
    PdfPrinter::printLine(text);
  }
  QStringList lines;
};

class AyudaTest : public ::testing::Test {
 protected:
  Ayuda& abre(const QByteArray& texto) {
    folder.write("lotoAy.txt", texto);
    w = std::make_unique<Ayuda>(platform, folder.path());
    w->show();
    return *w;
  }
  QVector<int> seleccionadas() const {
    QVector<int> result;
    for (int i = 0; i < w->List1->count(); ++i)
      if (w->List1->item(i)->isSelected()) result.append(i);
    return result;
  }
  bool aLaVista(int row) const {
    return w->List1->viewport()->rect().contains(w->List1->visualItemRect(w->List1->item(row)));
  }
  QString busca(const char* texto) {
    w->Text1->setText(QString::fromUtf8(texto));
    w->Command1->click();
    return w->Text1->text();
  }

  TempFolder folder, paper;
  ScriptedDialogs dialogs;
  RecordingPrinter printer{paper.path()};
  SystemFileAttributes attributes;
  Platform platform{dialogs, printer, attributes};
  std::unique_ptr<Ayuda> w;
};

// Without its text, one message and an empty list. The Windows-ANSI text, its lines numbered; the
// selected ones printed in ten points, then the closing line; no printer, no box.
TEST_F(AyudaTest, ListsTheNumberedLinesAndPrintsTheSelectedOnesThenTheClosingLine) {
  Ayuda sinTexto(platform, folder.path());
  sinTexto.Command3->click();
  EXPECT_EQ(std::tuple(dialogs.shown().size(), dialogs.last().text + dialogs.last().title, sinTexto.List1->count()),
            std::tuple(1, "No se ha encontrado el archivo" + kDefaultTitle, 0));
  dialogs.forget();
  abre("Bonoloto a\xf1o\r\n\r\nImpresi\xf3n parcial\n\x80 5 BONOLOTO\r\n");
  QStringList entradas;
  for (int i = 0; i < w->List1->count(); ++i) entradas.append(w->List1->item(i)->text());
  EXPECT_EQ(entradas, (QStringList{"    1  Bonoloto año", "    2  ", "    3  Impresión parcial", "    4  € 5 BONOLOTO"}));
  EXPECT_EQ(w->focusWidget(), w->Command3);  // so that SPACE goes to the index
  for (int row : {3, 0}) w->List1->item(row)->setSelected(true);
  w->Command2->click();
  EXPECT_EQ(printer.lines, (QStringList{"10  Bonoloto año", "10  € 5 BONOLOTO", "10 Vadrilo , Ayuda ---------"}));
  EXPECT_EQ(printer.fontSize(), 8);
  EXPECT_EQ(pdfText(printer.documents().value(0)).simplified(),
            QStringLiteral("Bonoloto año € 5 BONOLOTO Vadrilo , Ayuda ---------"));
  printer.setUnavailable(true);
  w->Command2->click();
  EXPECT_EQ(printer.documents().size(), 1);
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(AyudaTest, KeysInTheTextBoxDeselectAndEnterOrBuscarSearch) {
  QByteArray texto;
  for (int n = 1; n <= 150; ++n) texto += n == 12 ? "Juegos: Bonoloto\r\n" : n == 140 ? "BONOLOTO y m\xe1s\r\n" : "texto\r\n";
  abre(texto);
  for (const Qt::Key key : {Qt::Key_X, Qt::Key_Tab}) {
    w->List1->item(1)->setSelected(true);
    QTest::keyClick(w->Text1, key);
    EXPECT_EQ(seleccionadas().isEmpty(), key == Qt::Key_X) << key;
  }
  // One character: "Buscar" changes nothing, ENTER only deselects.
  busca("o");
  EXPECT_EQ(seleccionadas(), QVector<int>{1});
  QTest::keyClick(w->Text1, Qt::Key_Return);
  EXPECT_TRUE(seleccionadas().isEmpty());
  EXPECT_EQ(w->Text1->text(), QStringLiteral("o"));

  w->Text1->setText("bonoloto");
  QTest::keyClick(w->Text1, Qt::Key_Enter);
  EXPECT_EQ(w->Text1->text(), QStringLiteral("bonoloto   Nº Similitudes=    12  140"));
  EXPECT_EQ(seleccionadas(), (QVector<int>{11, 139}));
  EXPECT_TRUE(w->isVisible());  // ENTER pressed no button of the window
  // Right after, ENTER searches the whole result and finds nothing.
  QTest::keyClick(w->Text1, Qt::Key_Return);
  EXPECT_EQ(w->Text1->text(), QStringLiteral("bonoloto   Nº Similitudes=    12  140   Nº Similitudes= "));
  EXPECT_TRUE(seleccionadas().isEmpty());
  QTest::mouseClick(w->Text1, Qt::LeftButton);
  EXPECT_EQ(w->Text1->text(), QString());

  // The line number is searched too; past a hundred matches all are selected but a hundred listed.
  EXPECT_EQ(busca("12"), "12   Nº Similitudes=    12  112  120  121  122  123  124  125  126  127  128  129");
  EXPECT_EQ(busca("MÁS"), QStringLiteral("MÁS   Nº Similitudes=   140"));
  EXPECT_TRUE(busca("texto").endsWith("  100  101"));
  EXPECT_EQ(seleccionadas().size(), 148);
}

TEST_F(AyudaTest, EachIndexEntryOfTheShippedTextShowsItsSectionAndIndiceComesBack) {
  abre(readFileBytes(QStringLiteral(TIQUERON_DATA_DIR "lotoAy.txt")));
  for (int p = 7; p <= 19; ++p) {
    w->List1->clearSelection();
    w->List1->scrollToTop();
    const QString entrada = w->List1->item(p)->text().mid(7).trimmed();
    QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, w->List1->visualItemRect(w->List1->item(p)).center());
    QVector<int> otras = seleccionadas();
    ASSERT_TRUE(otras.removeOne(p)) << p;
    const bool enIndice = p >= 8 && p <= 18;
    ASSERT_EQ(otras.size(), enIndice ? 1 : 0) << p;
    EXPECT_EQ(w->focusWidget() == w->Command3, enIndice) << p;
    if (!enIndice) continue;
    EXPECT_EQ(w->List1->item(otras.first())->text().mid(7), "=== " + entrada + " ===");
    EXPECT_TRUE(aLaVista(otras.first())) << entrada.toStdString();
  }
  w->List1->scrollToBottom();
  ASSERT_FALSE(aLaVista(2));
  w->Command3->click();
  EXPECT_EQ(seleccionadas(), (QVector<int>{2, 19}));
  EXPECT_TRUE(aLaVista(2));
  EXPECT_EQ(w->List1->item(2)->text(), QStringLiteral("    3  ÍNDICE"));
}

}  // namespace
