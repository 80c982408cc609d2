#include <gtest/gtest.h>

#include "tests/support/test_windows.h"

namespace ui {
namespace {

class GridTest : public ::testing::Test {
 protected:
  GridTest() : form(desktop, "frmGrid") {}
  Desktop desktop;
  Form form;
  FlexGrid g{form, "MSFlexGrid1"};
};

TEST_F(GridTest, StartsAsThePlatformGridAndKeepsCellsWhenReshaped) {
  EXPECT_EQ(g.Rows(), 2);
  EXPECT_EQ(g.Cols(), 2);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.Col(), 1);
  g.SetTextMatrix(1, 1, u"x");
  g.SetRows(20);
  g.SetCols(7);
  EXPECT_EQ(g.TextMatrix(1, 1), u"x");
  EXPECT_EQ(g.TextMatrix(19, 6), u"");
  g.SetRows(1);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.Row(), 0);
  EXPECT_THROW(g.TextMatrix(1, 0), std::out_of_range);
  g.SetRows(3);
  EXPECT_EQ(g.TextMatrix(1, 1), u"");  // a cut row comes back empty
  // No fixed rows or columns at all, as a plain text grid.
  g.SetCols(1);
  g.SetFixedRows(0);
  g.SetFixedCols(0);
  EXPECT_FALSE(g.IsFixedCell(0, 0));
  EXPECT_THROW(g.SetFixedRows(4), std::out_of_range);
}

TEST_F(GridTest, CellPropertiesActOnTheCurrentCellOnly) {
  g.SetRows(8);
  g.SetCols(7);
  g.SetCol(3);
  g.SetRow(0);
  g.SetCellBackColor(0xFF00);
  g.SetRow(1);
  g.SetCellForeColor(0xFF);
  g.SetCellAlignment(kFlexLeftCenter);
  g.SetCellFontSize(7);
  g.SetText(u"レ－ス");
  EXPECT_EQ(g.TextMatrix(1, 3), u"レ－ス");
  EXPECT_EQ(g.CellBackColorAt(0, 3), 0xFF00u);
  EXPECT_EQ(g.CellForeColorAt(1, 3), 0xFFu);
  EXPECT_EQ(g.CellAlignmentAt(1, 3), kFlexLeftCenter);
  EXPECT_EQ(g.CellFontSizeAt(1, 3), 7);
  // Neighbours keep the grid's colours: fixed cells the fixed colours, the others the normal ones.
  EXPECT_EQ(g.CellBackColorAt(0, 2), colors::kButtonFace);
  EXPECT_EQ(g.CellBackColorAt(1, 2), colors::kWindowBackground);
  EXPECT_EQ(g.CellForeColorAt(0, 2), colors::kButtonText);
  g.SetColAlignment(2, kFlexCenterCenter);
  EXPECT_EQ(g.CellAlignmentAt(5, 2), kFlexCenterCenter);
  g.SetFontSize(10);
  EXPECT_EQ(g.CellFontSizeAt(5, 2), 10);
  EXPECT_EQ(g.CellFontSizeAt(1, 3), 7);
  EXPECT_THROW(g.SetRow(8), std::out_of_range);
  EXPECT_THROW(g.SetCol(-1), std::out_of_range);
}

TEST_F(GridTest, MergeFlagsWidthsAndClear) {
  g.SetRows(19);
  g.SetCols(7);
  g.SetMergeCells(kMergeRestrictColumns);
  g.SetMergeCol(0, true);
  g.SetMergeRow(0, true);
  g.SetColWidth(2, 1625);
  g.SetRowHeight(3, 300);
  EXPECT_TRUE(g.MergeCol(0));
  EXPECT_FALSE(g.MergeCol(1));
  EXPECT_TRUE(g.MergeRow(0));
  EXPECT_EQ(g.MergeCells(), kMergeRestrictColumns);
  EXPECT_EQ(g.ColWidth(2), 1625);
  EXPECT_EQ(g.ColWidth(3), FlexGrid::kDefaultColWidth);
  EXPECT_EQ(g.RowHeight(3), 300);
  EXPECT_THROW(g.SetMergeCells(5), std::out_of_range);
  EXPECT_THROW(g.SetColWidth(7, 1), std::out_of_range);
  g.SetTextMatrix(4, 4, u"t");
  g.SetRow(4);
  g.SetCol(4);
  g.SetCellBackColor(0xFFFFFF);
  g.Clear();
  EXPECT_EQ(g.TextMatrix(4, 4), u"");
  EXPECT_EQ(g.CellBackColorAt(4, 4), colors::kWindowBackground);
  EXPECT_EQ(g.ColWidth(2), 1625);
  EXPECT_TRUE(g.MergeCol(0));
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
