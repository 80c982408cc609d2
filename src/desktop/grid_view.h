#pragma once
// The grid, painted from the model: fixed rows and columns that stay while the rest scrolls by whole
// rows and columns, per-cell text, colours, alignment and font size, merged cells, grid lines, and
// scroll bars where the cells do not fit. A mouse press reaches the model as the grid's mouse-down
// with X and Y in twips from the top left corner of the cell area.

#include <QAbstractScrollArea>
#include <vector>

#include "desktop/control_views.h"
#include "ui/grid.h"

namespace desktop {

// Whether cell (r, c) joins the cell on its left, or the one above it, into one merged cell: the grid
// merges, the row (or column) allows it, the texts are equal and both cells are fixed or both are not;
// the restricting modes also ask that the row above (or the column on the left) merges there too.
bool MergesWithLeft(const ui::FlexGrid& grid, int r, int c);
bool MergesWithAbove(const ui::FlexGrid& grid, int r, int c);

// Where a cell's text is drawn in the cell (merged cells: the whole merged range): inside its grid
// lines and padding.
QRect CellTextBox(const QRect& cell);
// How a cell's text is aligned in that box: the cell's alignment, or the column's, or by its text.
Qt::Alignment CellTextAlignment(const ui::FlexGrid& grid, int r, int c);

// One row or column as shown: its index and its place and size in pixels along the axis.
struct Band {
  int index;
  int start;
  int size;
};

class GridWidget : public QAbstractScrollArea {
 public:
  GridWidget(ui::FlexGrid& grid, Dispatcher& dispatcher, QWidget* parent);

  // Scroll bars and their ranges from the model's shape; repaints.
  void SyncFromModel();
  // The first scrolled row and column shown (FixedRows and FixedCols when not scrolled).
  int TopRow() const;
  int LeftCol() const;
  // The rows and columns shown in the cell area, fixed ones first.
  std::vector<Band> VisibleRows() const;
  std::vector<Band> VisibleCols() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void PaintCells(QPainter& p, const std::vector<Band>& rows, const std::vector<Band>& cols);
  void PaintLines(QPainter& p, const std::vector<Band>& rows, const std::vector<Band>& cols);
  void PaintTexts(QPainter& p, const std::vector<Band>& rows, const std::vector<Band>& cols);
  void UpdateScrollBars();

  ui::FlexGrid& grid_;
  Dispatcher& dispatcher_;
};

}  // namespace desktop
