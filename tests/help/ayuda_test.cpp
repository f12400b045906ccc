#include "help/ayuda.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/canvas/twip_geometry.h"
#include "app/platform/file_attributes.h"
#include "app/platform/runtime_error.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace {

// Records the printer calls in order; can fail at one of them.
class RecordingPrinter : public Printer {
 public:
  QStringList calls;
  QString failAt;  // the call that throws, as recorded

  void printPage(const std::function<void(QPainter&)>&) override { record("page"); }
  void setFontSize(double points) override { record("size " + QString::number(points)); }
  double fontSize() const override { return 0; }
  void printLine(const QString& text) override { record("line " + text); }
  void newPage() override { record("newPage"); }
  void endDoc() override { record("endDoc"); }
  void killDoc() override { record("killDoc"); }
  QString deviceName() const override { return {}; }
  QString driverName() const override { return {}; }
  QString fontName() const override { return {}; }
  QStringList fonts() const override { return {}; }
  int page() const override { return 1; }
  int orientation() const override { return 1; }

 private:
  void record(const QString& call) {
    if (call == failAt) throw RuntimeError(ErrorNumber::PrinterError);
    calls.append(call);
  }
};

const QByteArray kTextoCorto =
    "Bonoloto a\xf1o\r\n"
    "\r\n"
    "Impresi\xf3n parcial\n"
    "\x80 5 BONOLOTO\r\n";

class AyudaTest : public ::testing::Test {
 protected:
  void escribeAyuda(const QByteArray& bytes) { folder.write("lotoAy.txt", bytes); }
  void escribeAyudaDelPrograma() {
    QFile shipped(QStringLiteral(TIQUERON_DATA_DIR "lotoAy.txt"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    escribeAyuda(shipped.readAll());
  }

  static QVector<int> seleccionadas(const QListWidget* list) {
    QVector<int> result;
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->isSelected()) result.append(i);
    return result;
  }
  static void selecciona(QListWidget* list, std::initializer_list<int> rows) {
    for (int row : rows) list->item(row)->setSelected(true);
  }
  static bool aLaVista(const QListWidget* list, int row) {
    return list->viewport()->rect().contains(list->visualItemRect(list->item(row)));
  }
  static void pulsa(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  static QStringList lineasImpresas(const QString& pdf) {
    QStringList result;
    for (const QString& line : pdfText(pdf).split('\n')) {
      if (!line.trimmed().isEmpty()) result.append(line.trimmed());
    }
    return result;
  }

  TempFolder folder;
  TempFolder paper;
  ScriptedDialogs dialogs;
  PdfPrinter printer{paper.path()};
  SystemFileAttributes attributes;
  Platform platform{dialogs, printer, attributes};
};

TEST_F(AyudaTest, OpensWithTheNumberedLinesOfTheWindowsAnsiText) {
  escribeAyuda(kTextoCorto);
  Ayuda w(platform, folder.path());
  EXPECT_TRUE(dialogs.shown().isEmpty());
  ASSERT_EQ(w.List1->count(), 4);
  const QStringList esperadas = {"    1  Bonoloto año", "    2  ", "    3  Impresión parcial",
                                 "    4  € 5 BONOLOTO"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w.List1->item(i)->text(), esperadas[i]);
  EXPECT_EQ(w.windowTitle(),
            QStringLiteral("  Instrucciones para imprimir boletos de   QUINIELAS Y  LOTO: 49/6, 54/5, 50/5"));
  EXPECT_EQ(w.Text1->text(), QStringLiteral("Texto a Buscar?"));
  EXPECT_EQ(w.List1->selectionMode(), QAbstractItemView::MultiSelection);
}

TEST_F(AyudaTest, MissingHelpTextShowsOneMessageAndAnEmptyList) {
  Ayuda w(platform, folder.path());
  ASSERT_EQ(dialogs.shown().size(), 1);
  EXPECT_EQ(dialogs.last().text, QStringLiteral("No se ha encontrado el archivo"));
  EXPECT_EQ(dialogs.last().title, kDefaultTitle);
  EXPECT_EQ(dialogs.last().buttons, MessageButtons::Ok);
  EXPECT_EQ(dialogs.last().icon, MessageIcon::None);
  EXPECT_EQ(w.List1->count(), 0);
  w.Command3->click();
  EXPECT_EQ(dialogs.shown().size(), 1);
}

TEST_F(AyudaTest, IndiceHasTheFocusAndTabGoesThroughTheButtonsFirst) {
  escribeAyuda(kTextoCorto);
  Ayuda w(platform, folder.path());
  EXPECT_EQ(w.focusWidget(), w.Command3);
  QVector<QWidget*> orden;
  QWidget* next = w.Command3;
  do {
    if (next->focusPolicy() & Qt::TabFocus) orden.append(next);
    next = next->nextInFocusChain();
  } while (next != w.Command3 && orden.size() < 10);
  EXPECT_EQ(orden, (QVector<QWidget*>{w.Command3, w.Command2, w.Command1, w.Text1, w.List1}));
}

TEST_F(AyudaTest, EveryControlLiesInsideTheClientArea) {
  escribeAyuda(kTextoCorto);
  Ayuda w(platform, folder.path());
  const QRectF cliente(0, 0, w.clientWidthTwips(), w.clientHeightTwips());
  EXPECT_LT(cliente.width(), 12000);
  EXPECT_LT(cliente.height(), 9000);
  for (QWidget* c : std::initializer_list<QWidget*>{w.List1, w.Label1, w.Command1, w.Command2, w.Command3,
                                                    w.Text1, w.Label2})
    EXPECT_TRUE(cliente.contains(twipRect(c))) << c->metaObject()->className();
}

TEST_F(AyudaTest, CharacterKeysInTheTextBoxDeselectAndEnterSearches) {
  escribeAyuda(kTextoCorto);
  Ayuda w(platform, folder.path());
  w.show();
  selecciona(w.List1, {0, 2});

  QTest::keyClick(w.Text1, Qt::Key_Left);
  QTest::keyClick(w.Text1, Qt::Key_End);
  EXPECT_EQ(seleccionadas(w.List1), (QVector<int>{0, 2}));
  QTest::keyClick(w.Text1, Qt::Key_X);
  EXPECT_TRUE(seleccionadas(w.List1).isEmpty());
  EXPECT_EQ(w.Text1->text(), QStringLiteral("Texto a Buscar?x"));

  // One character: ENTER only deselects.
  selecciona(w.List1, {1});
  w.Text1->setText("B");
  QTest::keyClick(w.Text1, Qt::Key_Return);
  EXPECT_TRUE(seleccionadas(w.List1).isEmpty());
  EXPECT_EQ(w.Text1->text(), QStringLiteral("B"));

  w.Text1->setText("bonoloto");
  QTest::keyClick(w.Text1, Qt::Key_Enter);
  EXPECT_EQ(w.Text1->text(), QStringLiteral("bonoloto   Nº Similitudes=     1    4"));
  EXPECT_EQ(seleccionadas(w.List1), (QVector<int>{0, 3}));
  EXPECT_TRUE(w.isVisible());  // ENTER pressed no button of the window

  // Right after, ENTER searches the whole result and finds nothing.
  QTest::keyClick(w.Text1, Qt::Key_Return);
  EXPECT_EQ(w.Text1->text(), QStringLiteral("bonoloto   Nº Similitudes=     1    4   Nº Similitudes= "));
  EXPECT_TRUE(seleccionadas(w.List1).isEmpty());

  QTest::mouseClick(w.Text1, Qt::LeftButton);
  EXPECT_EQ(w.Text1->text(), QString());
}

TEST_F(AyudaTest, BuscarWithOneCharacterChangesNothing) {
  escribeAyuda(kTextoCorto);
  Ayuda w(platform, folder.path());
  selecciona(w.List1, {1, 3});
  w.Text1->setText("o");
  w.Command1->click();
  EXPECT_EQ(seleccionadas(w.List1), (QVector<int>{1, 3}));
  EXPECT_EQ(w.Text1->text(), QStringLiteral("o"));

  // A selection made with the mouse is what a later search replaces.
  w.Text1->setText("parcial");
  w.Command1->click();
  EXPECT_EQ(seleccionadas(w.List1), QVector<int>{2});
}

TEST_F(AyudaTest, ClickOnAnIndexEntryShowsItsSectionAndFocusesIndice) {
  escribeAyudaDelPrograma();
  Ayuda w(platform, folder.path());
  w.show();
  for (int p = ListaAyuda::kPrimeraEntradaIndice; p <= ListaAyuda::kUltimaEntradaIndice; ++p) {
    w.List1->clearSelection();
    w.List1->scrollToTop();
    w.List1->setFocus();
    const QString entrada = w.List1->item(p)->text().mid(7).trimmed();
    pulsa(w.List1, p);
    QVector<int> otras = seleccionadas(w.List1);
    otras.removeAll(p);
    ASSERT_EQ(otras.size(), 1) << entrada.toStdString();
    const int titulo = otras.first();
    EXPECT_EQ(w.List1->item(titulo)->text().mid(7), "=== " + entrada + " ===");
    EXPECT_TRUE(aLaVista(w.List1, titulo)) << entrada.toStdString();
    EXPECT_EQ(w.focusWidget(), w.Command3) << entrada.toStdString();
  }
}

TEST_F(AyudaTest, ClickOutsideTheIndexOnlySelects) {
  escribeAyudaDelPrograma();
  Ayuda w(platform, folder.path());
  w.show();
  for (int p : {ListaAyuda::kPrimeraEntradaIndice - 1, ListaAyuda::kUltimaEntradaIndice + 1}) {
    w.List1->clearSelection();
    w.List1->scrollToTop();
    w.List1->setFocus();
    pulsa(w.List1, p);
    EXPECT_EQ(seleccionadas(w.List1), QVector<int>{p});
    EXPECT_NE(w.focusWidget(), w.Command3);
  }
}

TEST_F(AyudaTest, IndiceSelectsTheIndexHeadingAndShowsIt) {
  escribeAyudaDelPrograma();
  Ayuda w(platform, folder.path());
  w.show();
  const int ultima = w.List1->count() - 1;
  w.List1->scrollToBottom();
  selecciona(w.List1, {ultima});
  ASSERT_FALSE(aLaVista(w.List1, 2));
  w.Command3->click();
  EXPECT_EQ(seleccionadas(w.List1), (QVector<int>{2, ultima}));
  EXPECT_TRUE(aLaVista(w.List1, 2));
  EXPECT_EQ(w.List1->item(2)->text(), QStringLiteral("    3  INDICE"));
}

TEST_F(AyudaTest, MouseOverAControlShowsItsTip) {
  escribeAyuda(kTextoCorto);
  Ayuda w(platform, folder.path());
  const struct {
    QWidget* control;
    QString tip;
  } cases[] = {
      {w.Command2, " Permite imprimir el texto seleccionado de la lista. Solo el seleccionado. "},
      {w.Command3,
       " Al Hacer -Click- aquí, se presenta en pantalla el INDICE de la Ayuda. Dando gran agilidad a la "
       "busqueda de datos.\n Después de elegir en el INDICE, con -SPACE-, vuelve nuevamente al INDICE"},
      {w.List1->viewport(),
       " Al pulsar sobre cualquier opción del INDICE, esta se presentará en pantalla\n Permite selccionar el "
       "texto deseado en la lista e imprimirlo."},
      {w.Text1,
       " Permite introducir un TEXTO. Con ENTER lo buscará en la lista.\n  Presentará las simulitudes "
       "encontradas, dando el nº de línea donde se encuentra."},
  };
  const auto mueveSobre = [](QWidget* control) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), control->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &move);
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(c.control->hasMouseTracking());
    mueveSobre(c.control);
    EXPECT_EQ(w.Label2->text(), c.tip);
  }
  // "Buscar" has no tip: the last one stays.
  mueveSobre(w.Command1);
  EXPECT_EQ(w.Label2->text(), cases[3].tip);
}

TEST_F(AyudaTest, PrintsTheSelectedLinesThenTheClosingLine) {
  escribeAyuda(kTextoCorto);
  Ayuda w(platform, folder.path());
  selecciona(w.List1, {3, 0});
  w.Command2->click();
  ASSERT_EQ(printer.documents().size(), 1);
  EXPECT_EQ(lineasImpresas(printer.documents().first()),
            (QStringList{"Bonoloto año", "€ 5 BONOLOTO", "Vadrilo , Ayuda ---------"}));
  EXPECT_EQ(printer.fontSize(), 8);

  w.List1->clearSelection();
  w.Command2->click();
  ASSERT_EQ(printer.documents().size(), 2);
  EXPECT_EQ(lineasImpresas(printer.documents().last()), QStringList{"Vadrilo , Ayuda ---------"});
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(AyudaTest, PrintGoesInTenPointsAndBackToEight) {
  escribeAyuda(kTextoCorto);
  RecordingPrinter recording;
  Ayuda w(Platform{dialogs, recording, attributes}, folder.path());
  selecciona(w.List1, {2});
  w.Command2->click();
  EXPECT_EQ(recording.calls, (QStringList{"size 10", "line   Impresión parcial",
                                          "line  Vadrilo , Ayuda ---------", "endDoc", "size 8"}));
}

TEST_F(AyudaTest, PrinterFailureEndsThePrintSilently) {
  escribeAyuda(kTextoCorto);
  RecordingPrinter recording;
  recording.failAt = "line   Impresión parcial";
  Ayuda w(Platform{dialogs, recording, attributes}, folder.path());
  selecciona(w.List1, {2, 3});
  w.Command2->click();
  EXPECT_EQ(recording.calls, QStringList{"size 10"});
  EXPECT_TRUE(dialogs.shown().isEmpty());

  printer.setUnavailable(true);
  Ayuda sinImpresora(platform, folder.path());
  sinImpresora.Command2->click();
  EXPECT_TRUE(printer.documents().isEmpty());
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(AyudaTest, AbreAyudaShowsTheWindowModallyAtTheScreensCorner) {
  escribeAyuda(kTextoCorto);
  bool modal = false;
  int lineas = -1;
  QPoint esquina(-1, -1);
  // Runs inside the window's own event loop, then closes it.
  QTimer::singleShot(0, [&] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* w = qobject_cast<Ayuda*>(top);
      if (!w || !w->isVisible()) continue;
      modal = w->isModal() && QApplication::activeModalWidget() == w;
      lineas = w->List1->count();
      esquina = w->pos();
      w->close();
    }
  });
  abreAyuda(platform, folder.path(), nullptr);
  EXPECT_TRUE(modal);
  EXPECT_EQ(lineas, 4);
  EXPECT_EQ(esquina, QPoint(0, 0));
}

}  // namespace
