#include "desktop/grid_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <functional>

#include "desktop/painting.h"

namespace desktop {

namespace {

constexpr QRgb kFlatLineColor = qRgb(192, 192, 192);
constexpr int kCellPadding = 2;

// Rows (or columns) shown from position 0: the fixed ones, then the scrolled ones from first on, as
// long as they start inside the available length.
std::vector<Band> Bands(int fixed, int count, int first, int available,
                        const std::function<double(int)>& twips) {
  std::vector<Band> bands;
  int pos = 0;
  auto add = [&](int i) {
    int size = TwipsToPixels(twips(i));
    if (size <= 0) return;
    bands.push_back({i, pos, size});
    pos += size;
  };
  for (int i = 0; i < fixed && i < count; ++i) add(i);
  for (int i = std::max(first, fixed); i < count && pos < available; ++i) add(i);
  return bands;
}

// The smallest first scrolled index that still fills the available length up to the last one.
int LastFirst(int fixed, int count, int available, const std::function<double(int)>& twips) {
  int fixed_size = 0;
  for (int i = 0; i < fixed && i < count; ++i) fixed_size += TwipsToPixels(twips(i));
  int room = available - fixed_size;
  int first = count;
  int used = 0;
  while (first > fixed) {
    int size = TwipsToPixels(twips(first - 1));
    if (used + size > room) break;
    used += size;
    --first;
  }
  return std::min(std::max(first, fixed), std::max(fixed, count - 1));
}

Qt::Alignment CellAlignment(int alignment, const QString& text) {
  switch (alignment) {
    case ui::kFlexLeftTop:
      return Qt::AlignLeft | Qt::AlignTop;
    case ui::kFlexLeftCenter:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case ui::kFlexLeftBottom:
      return Qt::AlignLeft | Qt::AlignBottom;
    case ui::kFlexCenterTop:
      return Qt::AlignHCenter | Qt::AlignTop;
    case ui::kFlexCenterCenter:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case ui::kFlexCenterBottom:
      return Qt::AlignHCenter | Qt::AlignBottom;
    case ui::kFlexRightTop:
      return Qt::AlignRight | Qt::AlignTop;
    case ui::kFlexRightCenter:
      return Qt::AlignRight | Qt::AlignVCenter;
    case ui::kFlexRightBottom:
      return Qt::AlignRight | Qt::AlignBottom;
    default: {
      // General: numbers to the right, other texts to the left.
      bool number = false;
      text.trimmed().toDouble(&number);
      return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
  }
}

int MouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 1;
  }
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= 1;
  if (modifiers & Qt::ControlModifier) shift |= 2;
  if (modifiers & Qt::AltModifier) shift |= 4;
  return shift;
}

}  // namespace

bool MergesWithLeft(const ui::FlexGrid& grid, int r, int c) {
  int mode = grid.MergeCells();
  if (mode == ui::kMergeNever || c <= 0 || !grid.MergeRow(r)) return false;
  if (grid.IsFixedCell(r, c) != grid.IsFixedCell(r, c - 1)) return false;
  if (grid.TextMatrix(r, c) != grid.TextMatrix(r, c - 1)) return false;
  bool restricted = mode == ui::kMergeRestrictRows || mode == ui::kMergeRestrictAll;
  return !restricted || r == 0 || MergesWithLeft(grid, r - 1, c);
}

bool MergesWithAbove(const ui::FlexGrid& grid, int r, int c) {
  int mode = grid.MergeCells();
  if (mode == ui::kMergeNever || r <= 0 || !grid.MergeCol(c)) return false;
  if (grid.IsFixedCell(r, c) != grid.IsFixedCell(r - 1, c)) return false;
  if (grid.TextMatrix(r, c) != grid.TextMatrix(r - 1, c)) return false;
  bool restricted = mode == ui::kMergeRestrictColumns || mode == ui::kMergeRestrictAll;
  return !restricted || c == 0 || MergesWithAbove(grid, r, c - 1);
}

GridWidget::GridWidget(ui::FlexGrid& grid, Dispatcher& dispatcher, QWidget* parent)
    : QAbstractScrollArea(parent), grid_(grid), dispatcher_(dispatcher) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  viewport()->setAutoFillBackground(false);
}

int GridWidget::TopRow() const {
  return grid_.FixedRows() + verticalScrollBar()->value();
}

int GridWidget::LeftCol() const {
  return grid_.FixedCols() + horizontalScrollBar()->value();
}

std::vector<Band> GridWidget::VisibleRows() const {
  return Bands(grid_.FixedRows(), grid_.Rows(), TopRow(), viewport()->height(),
               [this](int r) { return grid_.RowHeight(r); });
}

std::vector<Band> GridWidget::VisibleCols() const {
  return Bands(grid_.FixedCols(), grid_.Cols(), LeftCol(), viewport()->width(),
               [this](int c) { return grid_.ColWidth(c); });
}

void GridWidget::SyncFromModel() {
  QFont font = MapFont(grid_.Font());
  if (this->font() != font) setFont(font);
  UpdateScrollBars();
  viewport()->update();
}

void GridWidget::UpdateScrollBars() {
  auto row_twips = [this](int r) { return grid_.RowHeight(r); };
  auto col_twips = [this](int c) { return grid_.ColWidth(c); };
  int total_width = 0, total_height = 0;
  for (int c = 0; c < grid_.Cols(); ++c) total_width += TwipsToPixels(grid_.ColWidth(c));
  for (int r = 0; r < grid_.Rows(); ++r) total_height += TwipsToPixels(grid_.RowHeight(r));
  int frame = frameWidth();
  int width = this->width() - 2 * frame, height = this->height() - 2 * frame;
  int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  bool allow_h = grid_.ScrollBars() & 1, allow_v = grid_.ScrollBars() & 2;
  bool need_h = allow_h && total_width > width;
  bool need_v = allow_v && total_height > height - (need_h ? bar : 0);
  if (need_v && !need_h) need_h = allow_h && total_width > width - bar;
  setHorizontalScrollBarPolicy(need_h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(need_v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  int view_width = width - (need_v ? bar : 0), view_height = height - (need_h ? bar : 0);
  int max_v =
      need_v ? LastFirst(grid_.FixedRows(), grid_.Rows(), view_height, row_twips) - grid_.FixedRows() : 0;
  int max_h =
      need_h ? LastFirst(grid_.FixedCols(), grid_.Cols(), view_width, col_twips) - grid_.FixedCols() : 0;
  verticalScrollBar()->setRange(0, std::max(0, max_v));
  horizontalScrollBar()->setRange(0, std::max(0, max_h));
  verticalScrollBar()->setPageStep(
      std::max(1, view_height / std::max(1, TwipsToPixels(ui::FlexGrid::kDefaultRowHeight))));
  horizontalScrollBar()->setPageStep(1);
}

void GridWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void GridWidget::scrollContentsBy(int, int) {
  viewport()->update();
}

void GridWidget::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), ToQColor(grid_.BackColorBkg()));
  std::vector<Band> rows = VisibleRows(), cols = VisibleCols();
  PaintCells(p, rows, cols);
  PaintLines(p, rows, cols);
  PaintTexts(p, rows, cols);
  if (hasFocus()) {
    for (const Band& row : rows) {
      for (const Band& col : cols) {
        if (row.index != grid_.Row() || col.index != grid_.Col()) continue;
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(col.start, row.start, col.size - 1, row.size - 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
      }
    }
  }
}

void GridWidget::PaintCells(QPainter& p, const std::vector<Band>& rows, const std::vector<Band>& cols) {
  for (const Band& row : rows)
    for (const Band& col : cols)
      p.fillRect(QRect(col.start, row.start, col.size, row.size),
                 ToQColor(grid_.CellBackColorAt(row.index, col.index)));
}

void GridWidget::PaintLines(QPainter& p, const std::vector<Band>& rows, const std::vector<Band>& cols) {
  QColor light = ToQColor(0x80000014), shadow = ToQColor(0x80000010), flat(kFlatLineColor);
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < cols.size(); ++j) {
      int r = rows[i].index, c = cols[j].index;
      QRect cell(cols[j].start, rows[i].start, cols[j].size, rows[i].size);
      // An edge is drawn unless the neighbour across it is merged with this cell.
      bool right_open = j + 1 < cols.size() && cols[j + 1].index == c + 1 && MergesWithLeft(grid_, r, c + 1);
      bool bottom_open =
          i + 1 < rows.size() && rows[i + 1].index == r + 1 && MergesWithAbove(grid_, r + 1, c);
      bool left_open = j > 0 && cols[j - 1].index == c - 1 && MergesWithLeft(grid_, r, c);
      bool top_open = i > 0 && rows[i - 1].index == r - 1 && MergesWithAbove(grid_, r, c);
      if (grid_.IsFixedCell(r, c)) {
        p.setPen(light);
        if (!top_open) p.drawLine(cell.left(), cell.top(), cell.right() - 1, cell.top());
        if (!left_open) p.drawLine(cell.left(), cell.top(), cell.left(), cell.bottom() - 1);
        p.setPen(shadow);
        if (!bottom_open) p.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
        if (!right_open) p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
      } else if (grid_.GridLines() != 0) {
        p.setPen(grid_.GridLines() == 1 ? flat : shadow);
        if (!bottom_open) p.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
        if (!right_open) p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
        if (grid_.GridLines() >= 2) {
          p.setPen(light);
          if (!top_open) p.drawLine(cell.left(), cell.top(), cell.right() - 1, cell.top());
          if (!left_open) p.drawLine(cell.left(), cell.top(), cell.left(), cell.bottom() - 1);
        }
      }
    }
  }
}

void GridWidget::PaintTexts(QPainter& p, const std::vector<Band>& rows, const std::vector<Band>& cols) {
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < cols.size(); ++j) {
      int r = rows[i].index, c = cols[j].index;
      // A merged cell shows the text of its first shown cell across the whole merged range.
      if (j > 0 && cols[j - 1].index == c - 1 && MergesWithLeft(grid_, r, c)) continue;
      if (i > 0 && rows[i - 1].index == r - 1 && MergesWithAbove(grid_, r, c)) continue;
      QString text = ToQString(grid_.TextMatrix(r, c));
      if (text.isEmpty()) continue;
      size_t j_end = j, i_end = i;
      while (j_end + 1 < cols.size() && cols[j_end + 1].index == cols[j_end].index + 1 &&
             MergesWithLeft(grid_, r, cols[j_end + 1].index))
        ++j_end;
      while (i_end + 1 < rows.size() && rows[i_end + 1].index == rows[i_end].index + 1 &&
             MergesWithAbove(grid_, rows[i_end + 1].index, c))
        ++i_end;
      QRect cell(QPoint(cols[j].start, rows[i].start),
                 QPoint(cols[j_end].start + cols[j_end].size - 1, rows[i_end].start + rows[i_end].size - 1));
      QRect area = cell.adjusted(0, 0, -1, -1);
      p.save();
      p.setClipRect(area);
      ui::Font font = grid_.Font();
      TextLook look{MapFont(font, grid_.CellFontSizeAt(r, c), grid_.CellFontBoldAt(r, c)),
                    ToQColor(grid_.CellForeColorAt(r, c)), CellAlignment(grid_.CellAlignmentAt(r, c), text),
                    false, false};
      DrawText(p, CellTextBox(cell), text, look);
      p.restore();
    }
  }
}

Qt::Alignment CellTextAlignment(const ui::FlexGrid& grid, int r, int c) {
  return CellAlignment(grid.CellAlignmentAt(r, c), ToQString(grid.TextMatrix(r, c)));
}

QRect CellTextBox(const QRect& cell) {
  return cell.adjusted(kCellPadding, 0, -1 - kCellPadding, -1);
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  QPoint pos = event->position().toPoint();
  int button = MouseButton(event->button());
  int shift = ShiftState(event->modifiers());
  double x = pos.x() * kTwipsPerPixel, y = pos.y() * kTwipsPerPixel;
  dispatcher_.Dispatch([this, button, shift, x, y] { grid_.UserMouseDown(button, shift, x, y); });
}

}  // namespace desktop
