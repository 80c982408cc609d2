#include "views/graph_frames.h"

#include <initializer_list>

namespace views {

namespace {

// The day scale's ends, and its solid lines (every 30 days) and dotted ones (every further 10).
constexpr double kScaleLeft = 1200;
constexpr double kScaleRight = 6600;
constexpr double kThirtyDays = 900;
constexpr double kDottedDays[] = {1500, 1800, 2400, 2700, 3300, 3600, 4200, 4500, 5100, 5400, 6000, 6300};

// A label with the top left of its first character at (x, y).
struct FrameText {
  double x, y;
  const char16_t* text;
};

void Texts(ui::PictureBox& picture, std::initializer_list<FrameText> texts) {
  for (const FrameText& t : texts) {
    picture.SetCurrentX(t.x);
    picture.SetCurrentY(t.y);
    picture.Print(t.text);
  }
}

void SolidDayLines(ui::PictureBox& picture, double top, double bottom) {
  for (double x = kScaleLeft; x <= kScaleRight; x += kThirtyDays) picture.Line(x, top, x, bottom);
}

void DottedDayLines(ui::PictureBox& picture, double top, double bottom) {
  for (double x : kDottedDays) picture.Line(x, top, x, bottom);
}

void DottedLevels(ui::PictureBox& picture, std::initializer_list<double> levels) {
  for (double y : levels) picture.Line(kScaleLeft, y, kScaleRight, y);
}

void Pen(ui::PictureBox& picture, int width, int style) {
  picture.SetDrawWidth(width);
  picture.SetDrawStyle(style);
}

}  // namespace

double DaysToX(double days) {
  return (180 - days) * 30 + 1100;
}

void DrawEvaluationFrame(ui::PictureBox& picture) {
  picture.SetAutoRedraw(true);
  Pen(picture, 2, ui::kDrawSolid);
  picture.Box(900, 200, 6900, 2600);
  Pen(picture, 1, ui::kDrawSolid);
  picture.Line(900, 1200, 6900, 1200);
  SolidDayLines(picture, 200, 2600);
  // The dotted line at 1200 lies over the solid one; both are kept, as drawn.
  Pen(picture, 1, ui::kDrawDot);
  DottedLevels(picture, {1400, 1600, 1800, 2000, 2200, 2400, 1200, 1000, 800, 600, 400});
  DottedDayLines(picture, 200, 2600);
  Texts(picture, {{450, 100, u"- 50"},
                  {450, 1100, u"± 0"},
                  {450, 2100, u"+ 50"},
                  {450, 2500, u"+ 70"},
                  {1100, 2700, u"180"},
                  {2000, 2700, u"150"},
                  {2900, 2700, u"120"},
                  {3800, 2700, u" 90"},
                  {4700, 2700, u" 60"},
                  {5600, 2700, u" 30"},
                  {6500, 2700, u"  0"},
                  {150, 500, u"評"},
                  {150, 1100, u"価"},
                  {150, 1750, u"値"}});
}

void DrawMarginPositionFrame(ui::PictureBox& picture) {
  picture.SetAutoRedraw(true);
  Pen(picture, 2, ui::kDrawSolid);
  picture.Box(900, 100, 6900, 1300);
  Pen(picture, 1, ui::kDrawSolid);
  SolidDayLines(picture, 100, 1300);
  Pen(picture, 1, ui::kDrawDot);
  DottedLevels(picture, {300, 500, 700, 900, 1100});
  DottedDayLines(picture, 100, 1300);
  Texts(picture, {{450, 50, u"  0"},
                  {450, 400, u"+1.0"},
                  {450, 800, u"+2.0"},
                  {450, 1200, u"+3.0"},
                  {150, 400, u"着"},
                  {150, 800, u"差"}});

  Pen(picture, 2, ui::kDrawSolid);
  picture.Box(900, 1500, 6900, 2700);
  Pen(picture, 1, ui::kDrawSolid);
  SolidDayLines(picture, 1500, 2700);
  Pen(picture, 1, ui::kDrawDot);
  DottedLevels(picture, {1800, 2100, 2400});
  DottedDayLines(picture, 1500, 2700);
  Texts(picture, {{450, 1450, u"   1"},
                  {450, 2000, u"  10"},
                  {450, 2600, u"  20"},
                  {150, 1800, u"順"},
                  {150, 2200, u"位"}});
}

}  // namespace views
