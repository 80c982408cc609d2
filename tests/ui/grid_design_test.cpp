#include "ui/grid_design.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/test_windows.h"

namespace ui {
namespace {

class GridDesignTest : public ::testing::Test {
 protected:
  GridDesignTest() : form_(desktop_, "frmGrid") {}
  Desktop desktop_;
  Form form_;
  FlexGrid g_{form_, "MSFlexGrid1"};
};

const model::Text kRunHeads[] = {u"a", u"b", u"c"};
const model::Text kFactHeads[] = {u"x", u"y"};
constexpr int kAlignments[] = {kFlexCenterCenter, kFlexLeftCenter};
constexpr double kWidths[] = {900, 825, 825};
const GridHeadings kHeadings[] = {{.row = 1, .col = 1, .texts = kRunHeads},
                                  {.row = 2, .col = 0, .down = true, .texts = kFactHeads}};
constexpr int kMergedCols[] = {0};
constexpr int kMergedRows[] = {0};

// More fixed rows than the grid starts with only fit once the rows are set.
TEST_F(GridDesignTest, SetsShapeBeforeFixedRowsAndWritesHeadingsBothWays) {
  ApplyGridDesign(g_, {.rows = 4,
                       .cols = 4,
                       .fixed_rows = 2,
                       .fixed_cols = 1,
                       .font_size = 9,
                       .merge_cells = kMergeFree,
                       .alignments = kAlignments,
                       .widths = kWidths,
                       .headings = kHeadings,
                       .merged_cols = kMergedCols,
                       .merged_rows = kMergedRows});
  EXPECT_EQ(g_.Rows(), 4);
  EXPECT_EQ(g_.Cols(), 4);
  EXPECT_EQ(g_.FixedRows(), 2);
  EXPECT_EQ(g_.FixedCols(), 1);
  EXPECT_EQ(g_.Font().size, 9);
  EXPECT_EQ(g_.MergeCells(), kMergeFree);
  EXPECT_EQ(g_.ColAlignment(1), kFlexLeftCenter);
  EXPECT_EQ(g_.ColAlignment(2), kFlexGeneral) << "past the listed alignments the column keeps its own";
  EXPECT_EQ(g_.ColWidth(2), 825);
  EXPECT_EQ(g_.ColWidth(3), FlexGrid::kDefaultColWidth);
  EXPECT_EQ(g_.TextMatrix(1, 1), u"a");
  EXPECT_EQ(g_.TextMatrix(1, 3), u"c");
  EXPECT_EQ(g_.TextMatrix(2, 0), u"x");
  EXPECT_EQ(g_.TextMatrix(3, 0), u"y");
  EXPECT_TRUE(g_.MergeCol(0));
  EXPECT_FALSE(g_.MergeCol(1));
  EXPECT_TRUE(g_.MergeRow(0));
  EXPECT_FALSE(g_.MergeRow(1));
}

TEST_F(GridDesignTest, KeepsWhatTheRowLeavesUnsetAndSetsEveryRowHeight) {
  g_.SetFontSize(11);
  ApplyGridDesign(g_, {.rows = 3, .cols = 2, .row_height = 300});
  EXPECT_EQ(g_.Font().size, 11);
  EXPECT_EQ(g_.MergeCells(), kMergeNever);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(g_.RowHeight(r), 300) << "row " << r;
}

TEST_F(GridDesignTest, ListingMoreColumnsOrHeadingsThanTheGridHasThrows) {
  EXPECT_THROW(ApplyGridDesign(g_, {.rows = 4, .cols = 2, .widths = kWidths}), std::out_of_range);
  EXPECT_THROW(ApplyGridDesign(g_, {.rows = 4, .cols = 3, .headings = kHeadings}), std::out_of_range);
}

}  // namespace
}  // namespace ui
