#include "desktop/drawing_image.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "desktop/painting.h"

namespace desktop {

namespace {

// A solid line one pixel wide from x = left to right (pixels) on row y.
struct Span {
  int y;
  int left;
  int right;
  QRgb color;
};

// A line QPainter draws as the pixels floor(left)..floor(right) of row floor(y), when it is solid, one
// pixel wide, horizontal, at least a pixel long and inside the image; shorter lines and those that
// reach over an edge are left to QPainter, whose rounding differs there.
bool AsSpan(const ui::DrawOp& op, double k, QSize size, Span& span) {
  if (op.kind != ui::DrawOpKind::kLine || op.width > 1 || PenStyleOf(op.style) != Qt::SolidLine) return false;
  if (op.y1 != op.y2) return false;
  const double y = op.y1 * k;
  const double left = std::min(op.x1, op.x2) * k, right = std::max(op.x1, op.x2) * k;
  if (right - left < 1 || y < 0 || left < 0 || y >= size.height() || right >= size.width()) return false;
  span = {static_cast<int>(std::floor(y)), static_cast<int>(std::floor(left)),
          static_cast<int>(std::floor(right)), ToQColor(op.color).rgb()};
  return true;
}

}  // namespace

QImage DrawingImage(const std::vector<ui::DrawOp>& ops, int scale_mode, const ui::Font& font, QColor back,
                    QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(back);
  if (size.isEmpty()) return image;
  const double k = PixelsPerUnit(scale_mode);
  // Runs of other operations go to QPainter in their turn, so the order of the record holds.
  std::vector<ui::DrawOp> others;
  auto paint_others = [&] {
    if (others.empty()) return;
    QPainter painter(&image);
    PaintDrawOps(painter, others, scale_mode, font);
    others.clear();
  };
  Span span{};
  for (const ui::DrawOp& op : ops) {
    if (!AsSpan(op, k, size, span)) {
      others.push_back(op);
      continue;
    }
    paint_others();
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(span.y));
    std::fill(row + span.left, row + span.right + 1, span.color);
  }
  paint_others();
  return image;
}

}  // namespace desktop
