// The grid view: which cells it draws as one merged cell, where a cell's alignment puts its text, and
// when it shows scroll bars.
#include "desktop/grid_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "desktop/painting.h"
#include "tests/desktop/qt_fixture.h"
#include "ui/desktop.h"
#include "ui/form.h"

namespace desktop {
namespace {

using testing::NoInput;

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

// A grid model of no fixed cells and its view, shown on the offscreen platform without focus, so that
// no focus frame is drawn over the cells.
class ShownGrid {
 public:
  ShownGrid() {
    grid_.SetFixedRows(0);
    grid_.SetFixedCols(0);
  }
  void Show(int inner_width, int inner_height) {
    widget_.SyncFromModel();
    const int frame = widget_.frameWidth();
    widget_.resize(inner_width + 2 * frame, inner_height + 2 * frame);
    widget_.show();
    widget_.clearFocus();
    widget_.SyncFromModel();
  }
  ui::FlexGrid& Model() { return grid_; }
  GridWidget& View() { return widget_; }

 private:
  QApplication& application_ = testing::Application();  // before any widget
  ui::Desktop desktop_;
  ui::Form form_{desktop_, "frmGrid"};
  ui::FlexGrid grid_{form_, "MSFlexGrid1"};
  NoInput no_input_;
  GridWidget widget_{grid_, no_input_, nullptr};
};

enum class Place { kStart, kMiddle, kEnd };

void PrintTo(Place place, std::ostream* out) {
  *out << (place == Place::kStart ? "start" : place == Place::kMiddle ? "middle" : "end");
}

// Where ink lies between two edges: within a few pixels of the middle, or nearer one edge.
Place PlaceOf(int gap_before, int gap_after) {
  if (std::abs(gap_before - gap_after) <= 3) return Place::kMiddle;
  return gap_before < gap_after ? Place::kStart : Place::kEnd;
}

// The bounding box of the dark pixels inside a rectangle (lines and fills are light), empty if none.
QRect InkIn(const QImage& image, const QRect& area) {
  QRect ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() < 128 && c.green() < 128 && c.blue() < 128) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

TEST(GridAlignment, EachAlignmentPlacesTheTextInItsCellAsDrawn) {
  struct Case {
    int alignment;
    const char16_t* text;
    Place across, down;
  };
  const Case cases[] = {
      {ui::kFlexLeftTop, u"88", Place::kStart, Place::kStart},
      {ui::kFlexLeftCenter, u"88", Place::kStart, Place::kMiddle},
      {ui::kFlexLeftBottom, u"88", Place::kStart, Place::kEnd},
      {ui::kFlexCenterTop, u"88", Place::kMiddle, Place::kStart},
      {ui::kFlexCenterCenter, u"88", Place::kMiddle, Place::kMiddle},
      {ui::kFlexCenterBottom, u"88", Place::kMiddle, Place::kEnd},
      {ui::kFlexRightTop, u"88", Place::kEnd, Place::kStart},
      {ui::kFlexRightCenter, u"88", Place::kEnd, Place::kMiddle},
      {ui::kFlexRightBottom, u"88", Place::kEnd, Place::kEnd},
      // General: numbers to the right, other texts to the left, both in the middle from top to bottom.
      {ui::kFlexGeneral, u" 88 ", Place::kEnd, Place::kMiddle},
      {ui::kFlexGeneral, u"-1.5", Place::kEnd, Place::kMiddle},
      {ui::kFlexGeneral, u"ab", Place::kStart, Place::kMiddle},
  };
  constexpr int kCellWidth = 120, kCellHeight = 40;  // pixels
  const int rows = static_cast<int>(std::size(cases));
  ShownGrid shown;
  ui::FlexGrid& grid = shown.Model();
  grid.SetRows(rows);
  grid.SetCols(1);
  grid.SetScrollBars(0);
  grid.SetColWidth(0, kCellWidth * kTwipsPerPixel);
  for (int r = 0; r < rows; ++r) {
    grid.SetRowHeight(r, kCellHeight * kTwipsPerPixel);
    grid.SetTextMatrix(r, 0, cases[r].text);
    grid.SetRow(r);
    grid.SetCol(0);
    grid.SetCellAlignment(cases[r].alignment);
  }
  shown.Show(kCellWidth + 20, kCellHeight * rows + 20);
  ASSERT_FALSE(shown.View().hasFocus());
  const QImage image = shown.View().viewport()->grab().toImage();
  for (int r = 0; r < rows; ++r) {
    SCOPED_TRACE(std::to_string(cases[r].alignment) + " " + model::ToUtf8(cases[r].text));
    const QRect cell(0, r * kCellHeight, kCellWidth, kCellHeight);
    const QRect ink = InkIn(image, cell);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.width(), kCellWidth / 3);
    EXPECT_EQ(PlaceOf(ink.left() - cell.left(), cell.right() - ink.right()), cases[r].across);
    EXPECT_EQ(PlaceOf(ink.top() - cell.top(), cell.bottom() - ink.bottom()), cases[r].down);
  }
}

// Two columns and two rows; the last column (or row) takes the difference from an exact fit.
TEST(GridScrollBars, ShownOnlyWhenTheCellsDoNotFitTheArea) {
  struct Case {
    const char* what;
    int width_over, height_over;  // pixels beyond the area's width and height
    bool horizontal, vertical;
  };
  constexpr int kSmall = -50;  // well inside the area
  const Case cases[] = {
      {"columns fit exactly", 0, kSmall, false, false},
      {"columns one pixel short", -1, kSmall, false, false},
      {"columns one pixel over", 1, kSmall, true, false},
      {"rows fit exactly", kSmall, 0, false, false},
      {"rows one pixel short", kSmall, -1, false, false},
      {"rows one pixel over", kSmall, 1, false, true},
      {"both fit exactly", 0, 0, false, false},
      // The vertical bar takes width from the columns that fitted exactly.
      {"columns exact, rows one pixel over", 0, 1, true, true},
  };
  constexpr int kWidth = 200, kHeight = 120;  // the area inside the frame
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShownGrid shown;
    ui::FlexGrid& grid = shown.Model();
    grid.SetColWidth(0, kWidth / 2 * kTwipsPerPixel);
    grid.SetColWidth(1, (kWidth / 2 + c.width_over) * kTwipsPerPixel);
    grid.SetRowHeight(0, kHeight / 2 * kTwipsPerPixel);
    grid.SetRowHeight(1, (kHeight / 2 + c.height_over) * kTwipsPerPixel);
    shown.Show(kWidth, kHeight);
    EXPECT_EQ(shown.View().horizontalScrollBar()->isVisible(), c.horizontal);
    EXPECT_EQ(shown.View().verticalScrollBar()->isVisible(), c.vertical);
  }
}

}  // namespace
}  // namespace desktop
