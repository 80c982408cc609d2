#include "ui/grid.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace ui {

namespace {

std::string CellName(int r, int c) {
  return "[" + std::to_string(r) + "," + std::to_string(c) + "]";
}

}  // namespace

FlexGrid::FlexGrid(Place place, std::string name) : Control(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
  SetForeColor(colors::kWindowText);
  Reshape(rows_, cols_);
}

void FlexGrid::Reshape(int rows, int cols) {
  const size_t count = static_cast<size_t>(rows) * static_cast<size_t>(cols);
  if (cols == cols_ || cells_.empty()) {
    // Rows alone change: the kept rows stay where they are, row-major.
    cells_.resize(count);
  } else {
    std::vector<Cell> cells;
    cells.reserve(count);
    const int kept_rows = std::min(rows, rows_);
    const int kept_cols = std::min(cols, cols_);
    for (int r = 0; r < kept_rows; ++r) {
      for (int c = 0; c < kept_cols; ++c) cells.push_back(std::move(At(r, c)));
      for (int c = kept_cols; c < cols; ++c) cells.emplace_back();
    }
    cells.resize(count);
    cells_ = std::move(cells);
  }
  rows_ = rows;
  cols_ = cols;
  col_width_.resize(static_cast<size_t>(cols), kDefaultColWidth);
  col_alignment_.resize(static_cast<size_t>(cols), kFlexGeneral);
  merge_col_.resize(static_cast<size_t>(cols), false);
  row_height_.resize(static_cast<size_t>(rows), kDefaultRowHeight);
  merge_row_.resize(static_cast<size_t>(rows), false);
}

void FlexGrid::SetTextMatrix(int r, int c, std::u16string_view t) {
  model::Text& text = CheckedAt(r, c).text;
  if (text == t) return;
  text.assign(t);
  Changed();
}

void FlexGrid::ThrowBadRow(int r) const {
  throw std::out_of_range(Name() + ": row " + std::to_string(r));
}
void FlexGrid::ThrowBadCol(int c) const {
  throw std::out_of_range(Name() + ": column " + std::to_string(c));
}

void FlexGrid::SetRows(int n) {
  if (n < 0) throw std::out_of_range(Name() + ": rows " + std::to_string(n));
  if (n == rows_) return;
  // Fewer rows than fixed ones take the fixed rows down with them.
  if (n < fixed_rows_) fixed_rows_ = n;
  Reshape(n, cols_);
  if (row_ >= n) row_ = n > 0 ? n - 1 : 0;
  Changed();
}

void FlexGrid::SetCols(int n) {
  if (n < 0) throw std::out_of_range(Name() + ": cols " + std::to_string(n));
  if (n == cols_) return;
  if (n < fixed_cols_) fixed_cols_ = n;
  Reshape(rows_, n);
  if (col_ >= n) col_ = n > 0 ? n - 1 : 0;
  Changed();
}

void FlexGrid::SetFixedRows(int n) {
  if (n < 0 || n > rows_) throw std::out_of_range(Name() + ": fixed rows " + std::to_string(n));
  if (Assign(fixed_rows_, n)) Changed();
}

void FlexGrid::SetFixedCols(int n) {
  if (n < 0 || n > cols_) throw std::out_of_range(Name() + ": fixed cols " + std::to_string(n));
  if (Assign(fixed_cols_, n)) Changed();
}

double FlexGrid::ColWidth(int c) const {
  CheckCol(c);
  return col_width_[static_cast<size_t>(c)];
}
void FlexGrid::SetColWidth(int c, double twips) {
  CheckCol(c);
  if (Assign(col_width_[static_cast<size_t>(c)], twips)) Changed();
}
double FlexGrid::RowHeight(int r) const {
  CheckRow(r);
  return row_height_[static_cast<size_t>(r)];
}
void FlexGrid::SetRowHeight(int r, double twips) {
  CheckRow(r);
  if (Assign(row_height_[static_cast<size_t>(r)], twips)) Changed();
}
int FlexGrid::ColAlignment(int c) const {
  CheckCol(c);
  return col_alignment_[static_cast<size_t>(c)];
}
void FlexGrid::SetColAlignment(int c, int alignment) {
  CheckCol(c);
  if (Assign(col_alignment_[static_cast<size_t>(c)], alignment)) Changed();
}
bool FlexGrid::MergeRow(int r) const {
  CheckRow(r);
  return merge_row_[static_cast<size_t>(r)];
}
void FlexGrid::SetMergeRow(int r, bool on) {
  CheckRow(r);
  if (merge_row_[static_cast<size_t>(r)] == on) return;
  merge_row_[static_cast<size_t>(r)] = on;
  Changed();
}
bool FlexGrid::MergeCol(int c) const {
  CheckCol(c);
  return merge_col_[static_cast<size_t>(c)];
}
void FlexGrid::SetMergeCol(int c, bool on) {
  CheckCol(c);
  if (merge_col_[static_cast<size_t>(c)] == on) return;
  merge_col_[static_cast<size_t>(c)] = on;
  Changed();
}
void FlexGrid::SetMergeCells(int mode) {
  if (mode < kMergeNever || mode > kMergeRestrictAll)
    throw std::out_of_range(Name() + ": merge cells " + std::to_string(mode));
  if (Assign(merge_cells_, mode)) Changed();
}

void FlexGrid::SetCellForeColor(Color c) {
  CheckCell(row_, col_);
  if (Assign(At(row_, col_).fore, std::optional<Color>(c))) Changed();
}
void FlexGrid::SetCellAlignment(int alignment) {
  CheckCell(row_, col_);
  if (Assign(At(row_, col_).alignment, std::optional<int>(alignment))) Changed();
}
void FlexGrid::SetCellFontSize(double points) {
  CheckCell(row_, col_);
  if (Assign(At(row_, col_).font_size, std::optional<double>(points))) Changed();
}
void FlexGrid::SetCellFontBold(bool bold) {
  CheckCell(row_, col_);
  if (Assign(At(row_, col_).font_bold, std::optional<bool>(bold))) Changed();
}

Color FlexGrid::CellBackColorAt(int r, int c) const {
  CheckCell(r, c);
  const Cell& cell = At(r, c);
  if (cell.back) return *cell.back;
  return IsFixedCell(r, c) ? back_color_fixed_ : BackColor();
}
Color FlexGrid::CellForeColorAt(int r, int c) const {
  CheckCell(r, c);
  const Cell& cell = At(r, c);
  if (cell.fore) return *cell.fore;
  return IsFixedCell(r, c) ? fore_color_fixed_ : ForeColor();
}
int FlexGrid::CellAlignmentAt(int r, int c) const {
  CheckCell(r, c);
  const Cell& cell = At(r, c);
  return cell.alignment ? *cell.alignment : col_alignment_[static_cast<size_t>(c)];
}
double FlexGrid::CellFontSizeAt(int r, int c) const {
  CheckCell(r, c);
  const Cell& cell = At(r, c);
  return cell.font_size ? *cell.font_size : Font().size;
}
bool FlexGrid::CellFontBoldAt(int r, int c) const {
  CheckCell(r, c);
  const Cell& cell = At(r, c);
  return cell.font_bold ? *cell.font_bold : Font().bold;
}

void FlexGrid::SetBackColorFixed(Color c) {
  if (Assign(back_color_fixed_, c)) Changed();
}
void FlexGrid::SetForeColorFixed(Color c) {
  if (Assign(fore_color_fixed_, c)) Changed();
}
void FlexGrid::SetBackColorBkg(Color c) {
  if (Assign(back_color_bkg_, c)) Changed();
}
void FlexGrid::SetGridLines(int style) {
  if (Assign(grid_lines_, style)) Changed();
}
void FlexGrid::SetScrollBars(int bars) {
  if (Assign(scroll_bars_, bars)) Changed();
}
void FlexGrid::SetRedraw(bool on) {
  if (Assign(redraw_, on)) Changed();
}

void FlexGrid::Clear() {
  bool changed = false;
  for (Cell& cell : cells_) changed |= Assign(cell, Cell{});
  if (changed) Changed();
}

void FlexGrid::UserMouseDown(int button, int shift, double x, double y) {
  if (!AcceptsUserInput() || !OnMouseDown) return;
  Raise([&] { OnMouseDown(button, shift, x, y); });
}

void FlexGrid::ListProperties(PropertyList& out) const {
  Control::ListProperties(out);
  out.push_back({"Rows", static_cast<double>(rows_)});
  out.push_back({"Cols", static_cast<double>(cols_)});
  out.push_back({"FixedRows", static_cast<double>(fixed_rows_)});
  out.push_back({"FixedCols", static_cast<double>(fixed_cols_)});
  out.push_back({"Row", static_cast<double>(row_)});
  out.push_back({"Col", static_cast<double>(col_)});
  out.push_back({"MergeCells", static_cast<double>(merge_cells_)});
  out.push_back({"BackColorFixed", ColorValue{back_color_fixed_}});
  out.push_back({"ForeColorFixed", ColorValue{fore_color_fixed_}});
  out.push_back({"GridLines", static_cast<double>(grid_lines_)});
  out.push_back({"ScrollBars", static_cast<double>(scroll_bars_)});
  out.push_back({"Redraw", redraw_});
  for (int c = 0; c < cols_; ++c) {
    std::string i = std::to_string(c);
    out.push_back({"ColWidth(" + i + ")", col_width_[static_cast<size_t>(c)]});
    out.push_back({"ColAlignment(" + i + ")", static_cast<double>(col_alignment_[static_cast<size_t>(c)])});
    out.push_back({"MergeCol(" + i + ")", static_cast<bool>(merge_col_[static_cast<size_t>(c)])});
  }
  for (int r = 0; r < rows_; ++r) {
    std::string i = std::to_string(r);
    out.push_back({"RowHeight(" + i + ")", row_height_[static_cast<size_t>(r)]});
    out.push_back({"MergeRow(" + i + ")", static_cast<bool>(merge_row_[static_cast<size_t>(r)])});
  }
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      std::string cell = CellName(r, c);
      out.push_back({cell + ".Text", At(r, c).text});
      out.push_back({cell + ".BackColor", ColorValue{CellBackColorAt(r, c)}});
      out.push_back({cell + ".ForeColor", ColorValue{CellForeColorAt(r, c)}});
      out.push_back({cell + ".Alignment", static_cast<double>(CellAlignmentAt(r, c))});
      out.push_back({cell + ".FontSize", CellFontSizeAt(r, c)});
    }
  }
}

}  // namespace ui
