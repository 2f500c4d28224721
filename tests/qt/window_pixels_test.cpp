// What the window shows, read back from its pixels.
#include <QPainter>
#include <QTimer>

#include "ui/qt/label_font.h"
#include "window_fixture.h"

namespace zeri::qt::testing {
namespace {

TEST_F(WindowTest, BoardGridLinesAndStarPointsLieAtTheirPixels) {
  const QImage shot = Grab();
  ASSERT_EQ(shot.size(), QSize(600, 599));
  for (int x : {115, 116, 484, 485}) EXPECT_TRUE(PixelIs(shot, x, 140, Outline)) << "column " << x;
  for (int y : {116, 117, 485, 486}) EXPECT_TRUE(PixelIs(shot, 140, y, Outline)) << "row " << y;
  for (int x : {162, 208, 254, 300, 346, 392, 438}) {
    EXPECT_TRUE(PixelIs(shot, x, 140, InnerLine)) << "column " << x;
    EXPECT_TRUE(PixelIs(shot, x + 1, 140, Field)) << "beside column " << x;
  }
  for (int y : {163, 209, 255, 301, 347, 393, 439}) {
    EXPECT_TRUE(PixelIs(shot, 140, y, InnerLine)) << "row " << y;
    EXPECT_TRUE(PixelIs(shot, 140, y + 1, Field)) << "below row " << y;
  }
  // Off the grid and inside a cell the field is plain.
  EXPECT_TRUE(PixelIs(shot, 60, 450, Field));
  EXPECT_TRUE(PixelIs(shot, 140, 140, Field));
  for (QPoint star : {QPoint(208, 209), QPoint(392, 209), QPoint(208, 393), QPoint(392, 393)}) {
    const Ink dot = InkIn(shot, QRect(star - QPoint(6, 6), QSize(13, 13)), Field);
    EXPECT_TRUE(dot.Bounds.contains(star + QPoint(2, 2))) << "star point at " << star.x() << "," << star.y();
    EXPECT_TRUE(dot.Bounds.contains(star - QPoint(2, 2))) << "star point at " << star.x() << "," << star.y();
    // Small: the ink off the grid lines stays within a few pixels of the crossing.
    EXPECT_TRUE(PixelIs(shot, star.x() + 6, star.y() + 6, Field));
  }
}

TEST_F(WindowTest, ToolbarCoversTheTopRowsOfTheBoard) {
  const QImage shot = Grab();
  const Ink toolbar = InkIn(shot, QRect(200, 0, 400, 24), Field);
  EXPECT_EQ(toolbar.Count, 400 * 24) << "no board pixel may show through the toolbar";
  EXPECT_TRUE(PixelIs(shot, 300, 24, Field));
}

// Mean colour of a cell picture's pixels that are not the field.
Ink CellInk(const QImage& shot, const Form1& form, int index) {
  const ui::Image& cell = form.Koma[static_cast<std::size_t>(index)];
  return InkIn(shot, QRect(cell.Left, cell.Top, 32, 32), Field);
}

TEST_F(WindowTest, StartShowsTheFourStartPiecesInTheirColours) {
  for (int index : {27, 28, 35, 36}) EXPECT_EQ(CellInk(Grab(), form, index).Count, 0) << index;
  Run([this] { form.menust_Click(); });
  const QImage shot = Grab();
  for (int index : {28, 35}) {
    const Ink red = CellInk(shot, form, index);
    EXPECT_GT(red.Count, 300) << index;
    EXPECT_GT(red.R, red.B + 60) << "red piece expected in Koma(" << index << ")";
  }
  for (int index : {27, 36}) {
    const Ink blue = CellInk(shot, form, index);
    EXPECT_GT(blue.Count, 300) << index;
    EXPECT_GT(blue.B, blue.R + 60) << "blue piece expected in Koma(" << index << ")";
  }
  EXPECT_EQ(CellInk(shot, form, 26).Count, 0);
}

TEST_F(WindowTest, CursorFrameCoversCellZeroZeroBetweenTheGridLines) {
  form.Image2.Left = 117;
  form.Image2.Top = 118;
  form.Image2.Visible = true;
  window.Sync();
  const QImage shot = Grab();
  const QColor grey(128, 128, 128);
  // The outline on all four sides of the 45 x 45 square, the field inside, the grid outside.
  EXPECT_TRUE(PixelIs(shot, 118, 140, grey, 20));
  EXPECT_TRUE(PixelIs(shot, 160, 140, grey, 20));
  EXPECT_TRUE(PixelIs(shot, 140, 119, grey, 20));
  EXPECT_TRUE(PixelIs(shot, 140, 161, grey, 20));
  EXPECT_TRUE(PixelIs(shot, 140, 140, Field));
  EXPECT_TRUE(PixelIs(shot, 116, 140, Outline));
  EXPECT_TRUE(PixelIs(shot, 162, 140, InnerLine));
}

TEST_F(WindowTest, GrowingCellIsDrawnStretchedFromItsTopLeft) {
  Int16 index = 0;
  ui::Image& cell = form.Koma[0];
  cell.Picture = ui::Picture::RedGerm;
  cell.Visible = true;
  cell.Width = cell.Height = 0;
  form.AnimStep = 1;
  form.AnimOff = 0;
  // Grabs the window from inside the grow's pump, when the picture is at half its size.
  QImage halfway;
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (halfway.isNull() && cell.Width == 16) halfway = Grab();
  });
  probe.start(0);
  Run([&] { form.GrowKoma(index); });
  probe.stop();
  ASSERT_FALSE(halfway.isNull()) << "the grow never pumped at half size";
  EXPECT_EQ(cell.Width, 32);

  QImage expected(16, 16, QImage::Format_RGB32);
  expected.fill(Field);
  QPainter painter(&expected);
  painter.drawPixmap(0, 0, Pictures().Sized(ui::Picture::RedGerm, 16, 16));
  painter.end();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_TRUE(PixelIs(halfway, 128 + x, 128 + y, expected.pixelColor(x, y), 8));
  EXPECT_EQ(InkIn(halfway, QRect(144, 128, 16, 32), Field).Count, 0);
  EXPECT_EQ(InkIn(halfway, QRect(128, 144, 32, 16), Field).Count, 0);
}

TEST_F(WindowTest, LabelTextIsDrawnInsideItsRectangleAtItsPixelSize) {
  Run([this] { form.menust_Click(); });
  const QImage shot = Grab();
  const ui::Label& counter = form.Label5;
  const QRect box(counter.Left, counter.Top, counter.Width, counter.Height);
  // The panel's outline crosses the label's right end; the digit lies in the middle.
  const QRect middle(box.left() + 12, box.top(), box.width() - 30, box.height());
  const QColor panel(255, 192, 128);
  const Ink digit = InkIn(shot, middle, panel);
  ASSERT_GT(digit.Count, 20);
  EXPECT_LT(digit.R + digit.G + digit.B, 250) << "the counter is drawn dark";
  EXPECT_EQ(InkIn(shot, middle.adjusted(0, -3, 0, 6), panel).Count, digit.Count) << "text above or below";
  // Centred, and as tall as a 21.75 pt digit is at 96 dpi.
  EXPECT_NEAR(digit.Bounds.center().x(), box.center().x(), 4);
  EXPECT_GE(digit.Bounds.height(), PixelSize(21.75) / 2);
  EXPECT_LE(digit.Bounds.height(), PixelSize(21.75));

  // The status line sizes itself to its text, from its designed top-left on the olive panel.
  const ui::Label& status = form.Label3;
  const QColor olive(128, 128, 0);
  const QRect line = LabelBounds(status);
  EXPECT_LE((line.topLeft() - QPoint(status.Left, status.Top)).manhattanLength(), 2);
  const Ink text = InkIn(shot, line, olive);
  EXPECT_GT(text.Count, 200);
  EXPECT_LT(text.Bounds.left(), status.Left + 8);
  EXPECT_EQ(InkIn(shot, line.adjusted(-10, -6, 40, 6), olive).Count, text.Count);

  // The pink title over its shadow.
  const Ink title = InkIn(shot, QRect(216, 40, 173, 48), Field);
  EXPECT_GT(title.Count, 200);
  const QImage titleArea = shot.copy(216, 40, 173, 48);
  bool pink = false;
  for (int y = 0; y < titleArea.height() && !pink; ++y)
    for (int x = 0; x < titleArea.width() && !pink; ++x)
      pink = Near(titleArea.pixelColor(x, y), QColor(255, 128, 255), 10);
  EXPECT_TRUE(pink);
}

TEST_F(WindowTest, HiddenControlsAndTheTitleScreenLeaveNoPieces) {
  const QImage shot = Grab();
  for (int index = 0; index < 64; ++index) ASSERT_EQ(CellInk(shot, form, index).Count, 0) << index;
  // The end-of-game signs are hidden: the status panel's olive shows where they lie.
  EXPECT_TRUE(PixelIs(shot, 512, 536, QColor(128, 128, 0)));
  EXPECT_TRUE(PixelIs(shot, 552, 536, QColor(128, 128, 0)));
  form.Image10.Visible = true;
  window.Sync();
  EXPECT_FALSE(PixelIs(Grab(), 552, 536, QColor(128, 128, 0)));
}

}  // namespace
}  // namespace zeri::qt::testing
