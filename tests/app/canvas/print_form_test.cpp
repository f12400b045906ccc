// The window on paper: what stands in it at 1:1, nothing else; every mark centred in its cell.
#include <QFrame>
#include <QLabel>
#include <QLineF>
#include <QPainter>

#include "app/canvas/twip_geometry.h"
#include "app/canvas/twip_window.h"
#include "app/grid/grid.h"
#include "tests/app/canvas/paper.h"
#include "tests/support/ink.h"

namespace {

using PrintForm = PaperTest;

// Paper gets the window as it stands: moved controls at their new place, no hidden ones (nor what
// lies in a hidden frame), only the text drawn with AutoRedraw on since the last Cls, though the
// screen shows all of it, and nothing outside the client area.
TEST_F(PrintForm, PaperGetsTheWindowAsItStands) {
  TwipWindow window;
  window.setBackColor(qbColor(15));
  window.setAutoRedraw(true);
  window.setClientSizeTwips(3000, 2000);
  auto* moved = new QLabel("MOVIDO", window.client());
  moved->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  placeTwips(moved, 1000, 1000, 1200, 400);
  setLeftTwips(moved, 1500);
  setTopTwips(moved, 800);
  auto* panel = new QFrame(window.client());
  placeTwips(panel, 100, 1000, 1000, 500);
  new QLabel("DENTRO", panel);
  panel->hide();
  (new QLabel("OCULTO", window.client()))->hide();
  auto* label = new QLabel(window.client());
  placeTwips(label, 2700, 1700, 1000, 600);
  setBackColor(label, qbColor(0));
  const QImage blank = window.client()->grab().toImage();
  window.setFontSize(12);
  window.print("BORRADO");
  window.cls();
  EXPECT_EQ(QPointF(window.currentX(), window.currentY()), QPointF(0, 0));
  EXPECT_EQ(window.client()->grab().toImage(), blank) << "Cls left the text on screen";
  window.setAutoRedraw(false);
  window.print("PANTALLA");
  EXPECT_NE(window.client()->grab().toImage(), blank) << "the text is not shown on screen";
  window.setAutoRedraw(true);
  window.print("PAPEL");
  window.setCurrentX(2800);
  window.print("FUERA DEL ÁREA");
  window.printForm(printer);

  QStringList words;
  QPointF movedAt;
  for (const PdfWord& word : pdfWords(document())) {
    words << word.text;
    if (word.text == "MOVIDO") movedAt = word.box.topLeft();
  }
  for (const char* gone : {"OCULTO", "DENTRO", "BORRADO", "PANTALLA"})
    EXPECT_FALSE(words.contains(gone)) << gone;
  EXPECT_TRUE(words.contains("PAPEL"));
  EXPECT_LE(QLineF(movedAt, QPointF(1500, 800)).length(), 0.1 * kTwipsPerMm);
  // The label's visible corner, and one twip of smoothing along the clip edge.
  const PageInk ink(document(), 1, QRect(0, 0, 4500, 2700), 1440, 255);
  EXPECT_TRUE(ink.outside({QRect(0, 0, 3001, 2001)}).isEmpty()) << "ink outside the client area";
  EXPECT_EQ(ink.boundsIn(QRect(2700, 1700, 300, 300)), QRect(2700, 1700, 300, 300));
}

// Every mark the windows offer, at every size they allow, bold or not, in the pools' font (8
// points wide) and the lottos' (its own width): its ink centred in its cell.
TEST(GridOnPaper, EveryMarkHasItsInkCentredInItsCell) {
  QTemporaryDir folder;
  PdfPrinter printer{folder.path()};
  const QString marks[] = {"x", "o", "*", "»", "«", "X"};
  QVector<GridModel> grids;
  for (double width : {8.0, 0.0})
    for (bool bold : {false, true})
      for (int points = 7; points <= 12; ++points) {
        GridModel grid(1, 6);
        grid.setSize(6 * 290, 210);
        grid.font() = FontSpec{"Lucida Console", double(points), bold, width};
        grid.setGridColor(Qt::white);
        grid.setBorderStyle(0);
        for (int col = 0; col < 6; ++col) {
          grid.setColWidth(col, 290);
          grid.setColAlignment(col, 4);
          grid.setText(0, col, marks[col]);
        }
        grids << grid;
      }
  printer.printPage([&grids](QPainter& painter) {
    for (const GridModel& grid : grids) {
      painter.translate(0, 300);
      paintGrid(painter, grid);
    }
  });

  const PageInk ink(printer.documents().value(0), 1, QRect(0, 0, 2000, 300 * int(grids.size() + 1)));
  for (int g = 0; g < grids.size(); ++g)
    for (int col = 0; col < 6; ++col) {
      const FontSpec& font = grids[g].font();
      const QRectF cell = grids[g].cellRect(0, col).translated(0, 300 * (g + 1));
      const std::optional<QPointF> centre = ink.centreIn(cell.toAlignedRect());
      EXPECT_TRUE(centre && QLineF(*centre, cell.center()).length() <= 0.1 * kTwipsPerMm)
          << marks[col].toStdString() << " at " << font.points << " points" << (font.bold ? " bold" : "")
          << ", width " << font.widthPoints;
    }
}

}  // namespace
