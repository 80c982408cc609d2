// The window's drawing as one image: pixel for pixel what QPainter paints from the record, with the
// fast row fill for plain horizontal lines.
#include "desktop/drawing_image.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <vector>

#include "desktop/form_window.h"
#include "desktop/painting.h"
#include "program/program.h"
#include "shell/frm_ag1.h"
#include "tests/desktop/qt_fixture.h"

namespace desktop {
namespace {

constexpr int kTwips = 1;  // the scale mode of every window's drawing

QImage PaintedOneByOne(const std::vector<ui::DrawOp>& ops, QColor back, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(back);
  QPainter painter(&image);
  PaintDrawOps(painter, ops, kTwips, ui::Font{});
  return image;
}

// The first pixel where the two differ, for the failure message.
std::string FirstDifference(const QImage& a, const QImage& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return "at " + std::to_string(x) + "," + std::to_string(y);
  return "none";
}

ui::DrawOp Line(double x1, double y1, double x2, double y2, ui::Color color, int width = 1,
                int style = ui::kDrawSolid) {
  ui::DrawOp op;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.color = color;
  op.width = width;
  op.style = style;
  return op;
}

TEST(DrawingImage, TheOpeningWindowsColourBandsAreThePaintersPixels) {
  testing::Application();
  program::Program app;
  app.Start();
  const ui::Form& opening = app.Form<shell::frmAg1>();
  const std::vector<ui::DrawOp>& ops = opening.Drawing().Ops();
  ASSERT_GT(ops.size(), 5000u);
  // The client area's size on screen, and one cut short of the bands' right ends.
  const NonClient nc = NonClientOf(opening);
  const QSize client(TwipsToPixels(opening.Width()) - 2 * nc.border,
                     TwipsToPixels(opening.Height()) - 2 * nc.border - nc.caption);
  for (QSize size : {client, QSize(700, 300)}) {
    const QImage fast = DrawingImage(ops, kTwips, opening.Font(), ToQColor(opening.BackColor()), size);
    const QImage plain = PaintedOneByOne(ops, ToQColor(opening.BackColor()), size);
    EXPECT_TRUE(fast == plain) << size.width() << "x" << size.height() << ": "
                               << FirstDifference(fast, plain);
  }
}

// Lines on the edges of the row fill: fractions of a pixel (15 twips), lines that reach over the image's
// edges, shorter than a pixel, drawn right to left, lines on one row that cover each other in part, and
// the lines the fill leaves to QPainter (dashed, thick, slanted) between them, whose order must hold
// where they cross.
TEST(DrawingImage, LinesAtTheEdgesOfTheRowFillAreThePaintersPixels) {
  testing::Application();
  const std::vector<ui::DrawOp> ops = {
      Line(0, 0, 1499, 0, ui::Rgb(200, 0, 0)),
      Line(7, 14, 29, 14, ui::Rgb(0, 200, 0)),
      Line(16, 29.9, 44.9, 29.9, ui::Rgb(0, 0, 200)),
      Line(1200, 45, 100, 45, ui::Rgb(9, 9, 9)),
      Line(-30, 60, 300, 60, ui::Rgb(1, 2, 3)),
      Line(300, -7, 600, -7, ui::Rgb(4, 5, 6)),
      Line(1400, 75, 1600, 75, ui::Rgb(7, 8, 9)),
      Line(300, 899, 600, 899, ui::Rgb(10, 11, 12)),
      Line(300, 900, 600, 900, ui::Rgb(13, 14, 15)),
      Line(400, 90, 410, 90, ui::Rgb(16, 17, 18)),
      Line(100, 120, 900, 120, ui::Rgb(19, 20, 21), 1, ui::kDrawDash),
      Line(100, 150, 900, 150, ui::Rgb(22, 23, 24), 3),
      Line(100, 165, 900, 400, ui::Rgb(25, 26, 27)),
      Line(0, 300, 1499, 300, ui::Rgb(28, 29, 30)),
      Line(200, 310, 1000, 310, ui::Rgb(31, 32, 33)),
      // One row under lines that cover each other in part, side by side, and bridging both.
      Line(0, 600, 1499, 600, ui::Rgb(34, 35, 36)),
      Line(300, 605, 450, 605, ui::Rgb(37, 38, 39)),
      Line(900, 610, 1050, 610, ui::Rgb(40, 41, 42)),
      Line(465, 611, 885, 611, ui::Rgb(43, 44, 45)),
      Line(400, 612, 1000, 612, ui::Rgb(46, 47, 48)),
      Line(1200, 613, 1300, 613, ui::Rgb(49, 50, 51)),
  };
  const QSize size(100, 60);
  const QImage fast = DrawingImage(ops, kTwips, ui::Font{}, Qt::white, size);
  const QImage plain = PaintedOneByOne(ops, Qt::white, size);
  EXPECT_TRUE(fast == plain) << FirstDifference(fast, plain);
  EXPECT_TRUE(DrawingImage(ops, kTwips, ui::Font{}, Qt::white, QSize(0, 0)).isNull() ||
              DrawingImage(ops, kTwips, ui::Font{}, Qt::white, QSize(0, 0)).size().isEmpty());
}

}  // namespace
}  // namespace desktop
