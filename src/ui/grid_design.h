#pragma once
// A grid's shape as data: rows, columns, fixed ones, font size, merge mode, column widths and
// alignments, headings and merged columns and rows. ApplyGridDesign sets them on a freshly made grid.

#include <optional>
#include <span>

#include "model/text.h"
#include "ui/grid.h"

namespace ui {

// Headings written from (row, col) on: across the row, or down the column.
struct GridHeadings {
  int row = 0;
  int col = 0;
  bool down = false;
  std::span<const model::Text> texts{};
};

// Every field has an initializer, so that a row names only the fields it sets (designated
// initializers, in this order). Widths and alignments run from column 0 on; columns past the end
// of either keep theirs.
struct GridDesign {
  int rows = 2;
  int cols = 2;
  int fixed_rows = 1;
  int fixed_cols = 1;
  double font_size = 0;  // 0: keep
  std::optional<int> merge_cells{};
  std::span<const int> alignments{};
  std::span<const double> widths{};
  std::span<const GridHeadings> headings{};
  std::span<const int> merged_cols{};
  std::span<const int> merged_rows{};
  std::optional<double> row_height{};  // every row
};

// Sets the shape first (rows, columns, then the fixed ones, which cannot exceed them), then the
// look, the columns, the headings and the merged rows. Throws std::out_of_range as the grid does
// for a column or cell the shape does not have.
void ApplyGridDesign(FlexGrid& grid, const GridDesign& design);

}  // namespace ui
