#include "ui/grid_design.h"

namespace ui {

namespace {

void WriteHeadings(FlexGrid& grid, const GridHeadings& headings) {
  int row = headings.row;
  int col = headings.col;
  for (const model::Text& text : headings.texts) {
    grid.SetTextMatrix(row, col, text);
    (headings.down ? row : col) += 1;
  }
}

}  // namespace

void ApplyGridDesign(FlexGrid& grid, const GridDesign& design) {
  grid.SetRows(design.rows);
  grid.SetCols(design.cols);
  grid.SetFixedRows(design.fixed_rows);
  grid.SetFixedCols(design.fixed_cols);
  if (design.font_size != 0) grid.SetFontSize(design.font_size);
  if (design.merge_cells) grid.SetMergeCells(*design.merge_cells);
  for (size_t c = 0; c < design.alignments.size(); ++c) {
    grid.SetColAlignment(static_cast<int>(c), design.alignments[c]);
  }
  for (size_t c = 0; c < design.widths.size(); ++c) grid.SetColWidth(static_cast<int>(c), design.widths[c]);
  for (const GridHeadings& headings : design.headings) WriteHeadings(grid, headings);
  for (int col : design.merged_cols) grid.SetMergeCol(col, true);
  for (int row : design.merged_rows) grid.SetMergeRow(row, true);
  if (design.row_height) {
    for (int r = 0; r < grid.Rows(); ++r) grid.SetRowHeight(r, *design.row_height);
  }
}

}  // namespace ui
