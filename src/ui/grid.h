#pragma once
// The grid control, driven by property as the platform's flex grid: rows and columns counted from 0
// with the fixed ones included, per-cell text, colours, alignment and font, column widths and
// alignments, merge flags, and a current cell (Row, Col) that Text and the Cell... properties act on.
// Indices outside the grid throw std::out_of_range, as the platform raises an error.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/capabilities.h"
#include "ui/control.h"

namespace ui {

// Cell and column alignments as the platform numbers them.
enum GridAlignment {
  kFlexLeftTop = 0,
  kFlexLeftCenter = 1,
  kFlexLeftBottom = 2,
  kFlexCenterTop = 3,
  kFlexCenterCenter = 4,
  kFlexCenterBottom = 5,
  kFlexRightTop = 6,
  kFlexRightCenter = 7,
  kFlexRightBottom = 8,
  kFlexGeneral = 9,
};
// MergeCells: 0 never, 1 free, 2 restrict rows, 3 restrict columns, 4 restrict both.
enum GridMerge {
  kMergeNever = 0,
  kMergeFree = 1,
  kMergeRestrictRows = 2,
  kMergeRestrictColumns = 3,
  kMergeRestrictAll = 4
};

class FlexGrid : public Control, public MousePressable {
 public:
  static constexpr double kDefaultColWidth = 960;
  // Rows as the windows' click bands assume them (230 twips from the grid's top edge).
  static constexpr double kDefaultRowHeight = 230;

  FlexGrid(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kFlexGrid; }
  MousePressable* AsMousePressable() override { return this; }

  // Shape. Changing Rows or Cols keeps the cells that remain (fewer rows than fixed ones lower
  // FixedRows with them); FixedRows cannot exceed Rows, nor FixedCols Cols.
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  int FixedRows() const { return fixed_rows_; }
  int FixedCols() const { return fixed_cols_; }
  void SetRows(int n);
  void SetCols(int n);
  void SetFixedRows(int n);
  void SetFixedCols(int n);

  // Per column and row.
  double ColWidth(int c) const;
  void SetColWidth(int c, double twips);
  double RowHeight(int r) const;
  void SetRowHeight(int r, double twips);
  int ColAlignment(int c) const;
  void SetColAlignment(int c, int alignment);
  bool MergeRow(int r) const;
  void SetMergeRow(int r, bool on);
  bool MergeCol(int c) const;
  void SetMergeCol(int c, bool on);
  int MergeCells() const { return merge_cells_; }
  void SetMergeCells(int mode);

  // Cell text by row and column.
  const model::Text& TextMatrix(int r, int c) const { return CheckedAt(r, c).text; }
  void SetTextMatrix(int r, int c, const model::Text& t) {
    if (Assign(CheckedAt(r, c).text, t)) Changed();
  }
  // The same for a piece of a longer text, without a copy made first.
  void SetTextMatrix(int r, int c, std::u16string_view t);
  void SetTextMatrix(int r, int c, const char16_t* t) {  // a literal would otherwise fit both of the above
    SetTextMatrix(r, c, std::u16string_view(t));
  }

  // The current cell and the properties that act on it.
  int Row() const { return row_; }
  int Col() const { return col_; }
  void SetRow(int r) {
    CheckRow(r);
    if (Assign(row_, r)) Changed();
  }
  void SetCol(int c) {
    CheckCol(c);
    if (Assign(col_, c)) Changed();
  }
  const model::Text& Text() const { return TextMatrix(row_, col_); }
  void SetText(const model::Text& t) { SetTextMatrix(row_, col_, t); }
  // The effective colours: the cell's own, else the grid's (fixed or normal).
  Color CellBackColor() const { return CellBackColorAt(row_, col_); }
  void SetCellBackColor(Color c) {
    if (Assign(CheckedAt(row_, col_).back, std::optional<Color>(c))) Changed();
  }
  Color CellForeColor() const { return CellForeColorAt(row_, col_); }
  void SetCellForeColor(Color c);
  // The cell's own alignment, else its column's.
  int CellAlignment() const { return CellAlignmentAt(row_, col_); }
  void SetCellAlignment(int alignment);
  double CellFontSize() const { return CellFontSizeAt(row_, col_); }
  void SetCellFontSize(double points);
  bool CellFontBold() const { return CellFontBoldAt(row_, col_); }
  void SetCellFontBold(bool bold);

  // Any cell's effective formatting, for the frontend and the driver.
  Color CellBackColorAt(int r, int c) const;
  Color CellForeColorAt(int r, int c) const;
  int CellAlignmentAt(int r, int c) const;
  double CellFontSizeAt(int r, int c) const;
  bool CellFontBoldAt(int r, int c) const;
  bool IsFixedCell(int r, int c) const { return r < fixed_rows_ || c < fixed_cols_; }

  // Grid-wide look (BackColor and ForeColor are the control's own).
  Color BackColorFixed() const { return back_color_fixed_; }
  void SetBackColorFixed(Color c);
  Color ForeColorFixed() const { return fore_color_fixed_; }
  void SetForeColorFixed(Color c);
  Color BackColorBkg() const { return back_color_bkg_; }
  void SetBackColorBkg(Color c);
  // 0 none, 1 flat, 2 inset, 3 raised.
  int GridLines() const { return grid_lines_; }
  void SetGridLines(int style);
  // 0 none, 1 horizontal, 2 vertical, 3 both.
  int ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(int bars);
  // While false the frontend need not repaint the grid.
  bool Redraw() const { return redraw_; }
  void SetRedraw(bool on);

  // Empties every cell's text and formatting; shape, widths and merge flags stay.
  void Clear();

  // Mouse press: button (1 left, 2 right, 4 middle), shift state, X and Y in twips from the grid's
  // top left corner. The grid does not move its current cell by itself.
  std::function<void(int button, int shift, double x, double y)> OnMouseDown;
  void UserMouseDown(int button, int shift, double x, double y) override;

  void ListProperties(PropertyList& out) const override;

 private:
  struct Cell {
    model::Text text;
    std::optional<Color> back, fore;
    std::optional<int> alignment;
    std::optional<double> font_size;
    std::optional<bool> font_bold;
    bool operator==(const Cell&) const = default;
  };
  // The checks run on every cell written, so they stay inline and only the throwing is out of line.
  void CheckRow(int r) const {
    if (static_cast<unsigned>(r) >= static_cast<unsigned>(rows_)) ThrowBadRow(r);
  }
  void CheckCol(int c) const {
    if (static_cast<unsigned>(c) >= static_cast<unsigned>(cols_)) ThrowBadCol(c);
  }
  void CheckCell(int r, int c) const {
    CheckRow(r);
    CheckCol(c);
  }
  [[noreturn]] void ThrowBadRow(int r) const;
  [[noreturn]] void ThrowBadCol(int c) const;
  Cell& At(int r, int c) { return cells_[static_cast<size_t>(r * cols_ + c)]; }
  const Cell& At(int r, int c) const { return cells_[static_cast<size_t>(r * cols_ + c)]; }
  Cell& CheckedAt(int r, int c) {
    CheckCell(r, c);
    return At(r, c);
  }
  const Cell& CheckedAt(int r, int c) const {
    CheckCell(r, c);
    return At(r, c);
  }
  void Reshape(int rows, int cols);

  int rows_ = 2, cols_ = 2, fixed_rows_ = 1, fixed_cols_ = 1;
  int row_ = 1, col_ = 1;
  std::vector<Cell> cells_;  // row-major, rows_ x cols_
  std::vector<double> col_width_;
  std::vector<int> col_alignment_;
  std::vector<bool> merge_col_;
  std::vector<double> row_height_;
  std::vector<bool> merge_row_;
  int merge_cells_ = kMergeNever;
  Color back_color_fixed_ = colors::kButtonFace;
  Color fore_color_fixed_ = colors::kButtonText;
  Color back_color_bkg_ = colors::kAppWorkspace;
  int grid_lines_ = 1;
  int scroll_bars_ = 3;
  bool redraw_ = true;
};

}  // namespace ui
