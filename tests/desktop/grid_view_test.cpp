// The grid view's merge rule: which cells the grid draws as one merged cell.
#include "desktop/grid_view.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "ui/desktop.h"
#include "ui/form.h"

namespace desktop {
namespace {

// The merged cells of the grid as a picture: one string a row, one letter a cell, cells of one
// merged cell sharing a letter (lettered in reading order). A cell joins its left or upper
// neighbour exactly where the rule says so, so that a merge too many or too few shows in the picture.
std::vector<std::string> MergedCells(const ui::FlexGrid& grid) {
  const int rows = grid.Rows(), cols = grid.Cols();
  std::vector<int> root(static_cast<size_t>(rows * cols));
  std::iota(root.begin(), root.end(), 0);
  auto find = [&](int i) {
    while (root[static_cast<size_t>(i)] != i) i = root[static_cast<size_t>(i)];
    return i;
  };
  auto join = [&](int a, int b) { root[static_cast<size_t>(find(a))] = find(b); };
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      if (MergesWithLeft(grid, r, c)) join(r * cols + c, r * cols + c - 1);
      if (MergesWithAbove(grid, r, c)) join(r * cols + c, (r - 1) * cols + c);
    }
  }
  std::map<int, char> letters;
  std::vector<std::string> picture;
  for (int r = 0; r < rows; ++r) {
    std::string line;
    for (int c = 0; c < cols; ++c) {
      const int span = find(r * cols + c);
      if (!letters.contains(span)) letters[span] = static_cast<char>('A' + letters.size());
      line += letters[span];
    }
    picture.push_back(line);
  }
  return picture;
}

TEST(GridMergeRule, EqualTextsMergeByModeAndFlagsButNeverAcrossTheFixedBorder) {
  // One fixed row and column. The fixed a's and the movable a at (1, 1) never merge with each other;
  // the b's and the lone c show what each mode lets merge across and down.
  const std::vector<std::string> texts = {"aaaa", "aabb", "abbb", "cbbb"};
  struct Case {
    const char* what;
    int mode;
    std::vector<int> rows_not_merging, cols_not_merging;
    std::vector<std::string> merged;
  };
  const Case cases[] = {
      {"never", ui::kMergeNever, {}, {}, {"ABCD", "EFGH", "IJKL", "MNOP"}},
      {"free", ui::kMergeFree, {}, {}, {"AAAA", "ABCC", "ACCC", "DCCC"}},
      {"free, row 2 and column 3 not merging", ui::kMergeFree, {2}, {3}, {"AAAA", "ABCC", "ACCD", "ECCC"}},
      // Across only where the row above merges there too.
      {"restrict rows", ui::kMergeRestrictRows, {}, {}, {"AAAA", "ABCC", "ADCC", "EDCC"}},
      // Down only where the column on the left merges there too.
      {"restrict columns", ui::kMergeRestrictColumns, {}, {}, {"AAAA", "ABCC", "ADDD", "EFFF"}},
      {"restrict all", ui::kMergeRestrictAll, {}, {}, {"AAAA", "ABCC", "ADEE", "FGHH"}},
  };
  for (const Case& c : cases) {
    ui::Desktop desktop;
    ui::Form form(desktop, "frmGrid");
    ui::FlexGrid grid(form, "MSFlexGrid1");
    grid.SetRows(4);
    grid.SetCols(4);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    for (int r = 0; r < 4; ++r) {
      for (int k = 0; k < 4; ++k)
        grid.SetTextMatrix(r, k, std::u16string(1, static_cast<char16_t>(texts[r][k])));
    }
    grid.SetMergeCells(c.mode);
    for (int i = 0; i < 4; ++i) {
      grid.SetMergeRow(i, true);
      grid.SetMergeCol(i, true);
    }
    for (int r : c.rows_not_merging) grid.SetMergeRow(r, false);
    for (int k : c.cols_not_merging) grid.SetMergeCol(k, false);
    EXPECT_EQ(MergedCells(grid), c.merged) << c.what;
  }
}

}  // namespace
}  // namespace desktop
