#include "desktop/drawing_image.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

// The pixels of a row that a later span has already painted, as sorted, disjoint runs.
using Covered = std::vector<std::pair<int, int>>;

// Paints the part of span that no later span covers, and adds span to what is covered.
void PaintUncovered(QImage& image, const Span& span, Covered& covered) {
  QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(span.y));
  int from = span.left;
  auto it = covered.begin();
  while (it != covered.end() && it->second < from) ++it;
  for (auto run = it; run != covered.end() && run->first <= span.right; ++run) {
    if (run->first > from) std::fill(row + from, row + run->first, span.color);
    from = std::max(from, run->second + 1);
  }
  if (from <= span.right) std::fill(row + from, row + span.right + 1, span.color);
  // Merge the span with the runs it touches.
  int left = span.left, right = span.right;
  auto last = it;
  while (last != covered.end() && last->first <= right + 1) {
    left = std::min(left, last->first);
    right = std::max(right, last->second);
    ++last;
  }
  it = covered.erase(it, last);
  covered.insert(it, {left, right});
}

// Spans drawn one after another: the last one on a pixel wins, so they are painted from the last
// back, each only where none after it has painted, and every pixel is written once.
void PaintSpans(QImage& image, const std::vector<Span>& spans) {
  std::vector<Covered> covered(static_cast<size_t>(image.height()));
  for (auto span = spans.rbegin(); span != spans.rend(); ++span)
    PaintUncovered(image, *span, covered[static_cast<size_t>(span->y)]);
}

}  // namespace

QImage DrawingImage(const std::vector<ui::DrawOp>& ops, int scale_mode, const ui::Font& font, QColor back,
                    QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(back);
  if (size.isEmpty()) return image;
  const double k = PixelsPerUnit(scale_mode);
  // Runs of spans and runs of other operations (those go to QPainter) are painted in their turn, so
  // the order of the record holds.
  std::vector<ui::DrawOp> others;
  std::vector<Span> spans;
  auto paint_others = [&] {
    if (others.empty()) return;
    QPainter painter(&image);
    PaintDrawOps(painter, others, scale_mode, font);
    others.clear();
  };
  auto paint_spans = [&] {
    PaintSpans(image, spans);
    spans.clear();
  };
  Span span{};
  for (const ui::DrawOp& op : ops) {
    if (AsSpan(op, k, size, span)) {
      paint_others();
      spans.push_back(span);
    } else {
      paint_spans();
      others.push_back(op);
    }
  }
  paint_spans();
  paint_others();
  return image;
}

}  // namespace desktop
