#pragma once
// What every control view shares: the platform's colours, fonts mapped to the CJK font we ship with,
// twips to pixels, text laid out with the platform's compact line metrics, 3D edges, and the painting
// of recorded drawing operations.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>
#include <vector>

#include "desktop/faces.h"
#include "ui/control.h"
#include "ui/picture.h"
#include "ui/services.h"

class QPainter;

namespace desktop {

// The frontend draws at the screen's resolution as the control model counts it.
constexpr double kTwipsPerPixel = ui::Screen::kTwipsPerPixel;

QString ToQString(const ui::Text& text);
ui::Text FromQString(const QString& text);

// &H00BBGGRR, with the system colours (&H800000nn) of the platform's standard scheme.
QColor ToQColor(ui::Color color);
// The standard scheme as a Qt palette, for the widgets Qt draws itself.
QPalette StandardPalette();

// Twips to whole pixels; places and sizes round at both edges so that touching controls still touch.
int TwipsToPixels(double twips);
QRect TwipsRect(double left, double top, double width, double height);
// Font points to pixels at the platform's 96 dots per inch.
int PointsToPixels(double points);

// A face of the system drawn with its installed counterpart (faces.h), in pixels so that layouts do
// not depend on the screen's resolution.
QFont MapFont(const ui::Font& font);
QFont MapFont(const ui::Font& font, double points, bool bold);

// One line of text is one em high with the baseline at this share of the em, as the system's fonts
// are; the CJK font's own ascent and descent are far larger and would push texts out of their boxes.
constexpr double kBaselineShare = 0.88;
// A line wider than its box is condensed down to this share of its width before it is cut.
constexpr double kMinCondense = 0.7;
// A line that fits when condensed to this share stays one line rather than wrapping: the CJK font's kana
// are full width where the system's proportional font's are a fifth narrower, and texts sized for that
// must not break apart.
constexpr double kKeepOneLine = 0.75;

struct TextLook {
  QFont font;
  QColor color;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
  bool wrap = false;
  bool disabled = false;  // drawn embossed in grey
};
// The lines a text takes in a box of that width: paragraphs at line breaks, wrapped when asked and
// needed, unless the wrapped lines would leave the box while the unwrapped ones fit it.
QStringList LayoutLines(const QString& text, const QFont& font, double width, double height, bool wrap);
double LineHeight(const QFont& font);
// What a line shows in its box: a left-aligned line's trailing blanks lie past its end, unseen, so they
// neither count towards its width nor condense it.
QString ShownLine(const QString& line, Qt::Alignment align);
void DrawText(QPainter& painter, const QRectF& box, const QString& text, const TextLook& look);
// A caption without its access-key marks ("&F" shows "F", "&&" shows "&").
QString StripAccessKeys(const QString& caption);

// 3D edges of the platform: a sunken client edge (two pixels), a raised button edge, and an etched
// frame line.
void DrawSunkenEdge(QPainter& painter, const QRect& rect);
void DrawRaisedEdge(QPainter& painter, const QRect& rect);
void DrawEtchedRect(QPainter& painter, const QRect& rect);

// Pixels per unit of a drawing's scale mode (twips, points, pixels, inches, millimetres, centimetres).
double PixelsPerUnit(int scale_mode);
// Paints recorded operations; coordinates are in units of the drawing's scale from the painter's origin.
void PaintDrawOps(QPainter& painter, const std::vector<ui::DrawOp>& ops, int scale_mode,
                  const ui::Font& font);
Qt::PenStyle PenStyleOf(int draw_style);
// A picture's pixels as an image, and an image's pixels as a picture's.
QImage ToQImage(const ui::Raster& raster);
ui::Raster FromQImage(const QImage& image);
// A saved picture as it shows: its loaded pixels, then its operations, from the painter's origin.
void PaintPictureImage(QPainter& painter, const ui::Raster& raster, const std::vector<ui::DrawOp>& ops,
                       int scale_mode, const ui::Font& font);

}  // namespace desktop
