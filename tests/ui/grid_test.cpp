#include <gtest/gtest.h>

#include "tests/support/test_windows.h"

namespace ui {
namespace {

class GridTest : public ::testing::Test {
 protected:
  GridTest() : form_(desktop_, "frmGrid") {}
  Desktop desktop_;
  Form form_;
  FlexGrid g_{form_, "MSFlexGrid1"};
};

TEST_F(GridTest, StartsAsThePlatformGridAndKeepsCellsWhenReshaped) {
  EXPECT_EQ(g_.Rows(), 2);
  EXPECT_EQ(g_.Cols(), 2);
  EXPECT_EQ(g_.FixedRows(), 1);
  EXPECT_EQ(g_.FixedCols(), 1);
  EXPECT_EQ(g_.Row(), 1);
  EXPECT_EQ(g_.Col(), 1);
  g_.SetTextMatrix(1, 1, u"x");
  g_.SetRows(20);
  g_.SetCols(7);
  EXPECT_EQ(g_.TextMatrix(1, 1), u"x");
  EXPECT_EQ(g_.TextMatrix(19, 6), u"");
  g_.SetRows(1);
  EXPECT_EQ(g_.FixedRows(), 1);
  EXPECT_EQ(g_.Row(), 0);
  EXPECT_THROW(g_.TextMatrix(1, 0), std::out_of_range);
  g_.SetRows(3);
  EXPECT_EQ(g_.TextMatrix(1, 1), u"");  // a cut row comes back empty
  // No fixed rows or columns at all, as a plain text grid.
  g_.SetCols(1);
  g_.SetFixedRows(0);
  g_.SetFixedCols(0);
  EXPECT_FALSE(g_.IsFixedCell(0, 0));
  EXPECT_THROW(g_.SetFixedRows(4), std::out_of_range);
}

// Cells keep their text and formatting at their row and column through every change of shape, and
// the cells a shape cut off come back blank.
TEST_F(GridTest, ReshapingKeepsEachCellInItsPlace) {
  g_.SetRows(4);
  g_.SetCols(3);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) g_.SetTextMatrix(r, c, model::FromUtf8(std::to_string(r * 10 + c)));
  g_.SetRow(2);
  g_.SetCol(2);
  g_.SetCellBackColor(colors::kWhite);
  g_.SetCols(5);
  g_.SetRows(6);
  EXPECT_EQ(g_.TextMatrix(3, 2), u"32");
  EXPECT_EQ(g_.CellBackColorAt(2, 2), colors::kWhite);
  EXPECT_EQ(g_.TextMatrix(3, 4), u"");
  g_.SetCols(2);
  g_.SetCols(3);
  EXPECT_EQ(g_.TextMatrix(2, 1), u"21");
  EXPECT_EQ(g_.TextMatrix(2, 2), u"");
  EXPECT_EQ(g_.CellBackColorAt(2, 2), g_.BackColor());
  g_.SetRows(3);
  g_.SetRows(4);
  EXPECT_EQ(g_.TextMatrix(3, 0), u"");
  EXPECT_EQ(g_.TextMatrix(2, 0), u"20");
}

// A piece of a longer text is written as the same text would be: a change only where the cell differs.
TEST_F(GridTest, WritingAPieceOfATextChangesTheCellOnlyWhenItDiffers) {
  const model::Text line = u"  abc  ";
  const std::u16string_view piece = std::u16string_view(line).substr(2, 3);
  g_.SetTextMatrix(1, 1, piece);
  EXPECT_EQ(g_.TextMatrix(1, 1), u"abc");
  const uint64_t stamp = g_.LastChange();
  g_.SetTextMatrix(1, 1, piece);
  g_.SetTextMatrix(1, 1, model::Text(u"abc"));
  EXPECT_EQ(g_.LastChange(), stamp);
  g_.SetTextMatrix(1, 1, u"");
  EXPECT_EQ(g_.TextMatrix(1, 1), u"");
  EXPECT_GT(g_.LastChange(), stamp);
  EXPECT_THROW(g_.SetTextMatrix(2, 0, piece), std::out_of_range);
}

TEST_F(GridTest, CellPropertiesActOnTheCurrentCellOnly) {
  g_.SetRows(8);
  g_.SetCols(7);
  g_.SetCol(3);
  g_.SetRow(0);
  g_.SetCellBackColor(0xFF00);
  g_.SetRow(1);
  g_.SetCellForeColor(0xFF);
  g_.SetCellAlignment(kFlexLeftCenter);
  g_.SetCellFontSize(7);
  g_.SetText(u"レ－ス");
  EXPECT_EQ(g_.TextMatrix(1, 3), u"レ－ス");
  EXPECT_EQ(g_.CellBackColorAt(0, 3), 0xFF00u);
  EXPECT_EQ(g_.CellForeColorAt(1, 3), 0xFFu);
  EXPECT_EQ(g_.CellAlignmentAt(1, 3), kFlexLeftCenter);
  EXPECT_EQ(g_.CellFontSizeAt(1, 3), 7);
  // Neighbours keep the grid's colours: fixed cells the fixed colours, the others the normal ones.
  EXPECT_EQ(g_.CellBackColorAt(0, 2), colors::kButtonFace);
  EXPECT_EQ(g_.CellBackColorAt(1, 2), colors::kWindowBackground);
  EXPECT_EQ(g_.CellForeColorAt(0, 2), colors::kButtonText);
  g_.SetColAlignment(2, kFlexCenterCenter);
  EXPECT_EQ(g_.CellAlignmentAt(5, 2), kFlexCenterCenter);
  g_.SetFontSize(10);
  EXPECT_EQ(g_.CellFontSizeAt(5, 2), 10);
  EXPECT_EQ(g_.CellFontSizeAt(1, 3), 7);
  EXPECT_THROW(g_.SetRow(8), std::out_of_range);
  EXPECT_THROW(g_.SetCol(-1), std::out_of_range);
}

TEST_F(GridTest, MergeFlagsWidthsAndClear) {
  g_.SetRows(19);
  g_.SetCols(7);
  g_.SetMergeCells(kMergeRestrictColumns);
  g_.SetMergeCol(0, true);
  g_.SetMergeRow(0, true);
  g_.SetColWidth(2, 1625);
  g_.SetRowHeight(3, 300);
  EXPECT_TRUE(g_.MergeCol(0));
  EXPECT_FALSE(g_.MergeCol(1));
  EXPECT_TRUE(g_.MergeRow(0));
  EXPECT_EQ(g_.MergeCells(), kMergeRestrictColumns);
  EXPECT_EQ(g_.ColWidth(2), 1625);
  EXPECT_EQ(g_.ColWidth(3), FlexGrid::kDefaultColWidth);
  EXPECT_EQ(g_.RowHeight(3), 300);
  EXPECT_THROW(g_.SetMergeCells(5), std::out_of_range);
  EXPECT_THROW(g_.SetColWidth(7, 1), std::out_of_range);
  g_.SetTextMatrix(4, 4, u"t");
  g_.SetRow(4);
  g_.SetCol(4);
  g_.SetCellBackColor(0xFFFFFF);
  g_.Clear();
  EXPECT_EQ(g_.TextMatrix(4, 4), u"");
  EXPECT_EQ(g_.CellBackColorAt(4, 4), colors::kWindowBackground);
  EXPECT_EQ(g_.ColWidth(2), 1625);
  EXPECT_TRUE(g_.MergeCol(0));
}

TEST(GridMouse, MouseDownPassesTwipsAndDoesNotMoveTheCurrentCell) {
  auto app = testwin::MakeApp();
  testwin::Start(*app);
  auto& w = app->Form<testwin::frmTestMain>();
  w.MSFlexGrid1.UserMouseDown(2, 1, 1650.5, 240);
  EXPECT_EQ(w.mouse, (std::vector<std::string>{"2 1 1650.500000 240.000000"}));
  EXPECT_EQ(w.MSFlexGrid1.Row(), 1);
  EXPECT_EQ(w.MSFlexGrid1.Col(), 1);
  w.MSFlexGrid1.SetEnabled(false);
  w.MSFlexGrid1.UserMouseDown(1, 0, 10, 10);
  EXPECT_EQ(w.mouse.size(), 1u);
}

}  // namespace
}  // namespace ui
