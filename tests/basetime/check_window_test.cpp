#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "basetime/base_time_indices.h"
#include "basetime/base_time_shapes.h"
#include "basetime/class_average.h"
#include "basetime/combination.h"
#include "basetime/distance_fill.h"
#include "basetime/frm_ag7.h"
#include "basetime/run_summary.h"
#include "basetime/smoothing.h"
#include "basetime/standard_times.h"
#include "check_window_fixture.h"
#include "model/numbers.h"
#include "program/program.h"
#include "shell/app.h"

namespace basetime {
namespace {

using model::Text;
using testing::BuiltCheckWindow;
using testing::Cells;

const std::array<Text, 12> kDistanceHeadings = {u"1000m", u"1200m", u"1400m", u"1500m", u"1600m", u"1700m",
                                                u"1800m", u"2000m", u"2100m", u"2200m", u"2300m", u"2400m"};
const std::array<Text, 10> kCourseNames = {u"東京", u"中山", u"阪神", u"京都", u"中京",
                                           u"小倉", u"札幌", u"新潟", u"福島", u"函館"};
const std::array<Text, 9> kLineLabels = {u"未勝利", u"500万",  u"900万",  u"1600万", u"ｵ-ﾌﾟﾝ",
                                         u"構築Ａ", u"構築B1", u"構築B2", u"構築B3"};
const std::array<Text, 12> kRaceEntries = {u"　１Ｒ", u"　２Ｒ", u"  ３Ｒ", u"　４Ｒ", u"　５Ｒ", u"　６Ｒ",
                                           u"  ７Ｒ", u"　８Ｒ", u"　９Ｒ", u"１０Ｒ", u"１１Ｒ", u"１２Ｒ"};

using Rect = std::tuple<double, double, double, double>;
Rect PlaceOf(const ui::Control& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// The class cells (rows 1 to 5 of every block, every distance) of a course grid.
std::vector<Text> ClassCells(const ui::FlexGrid& grid) {
  std::vector<Text> cells;
  for (int k = 1; k <= 10; ++k) {
    for (int line = 1; line <= 5; ++line) {
      for (int d = 1; d <= 12; ++d) cells.push_back(grid.TextMatrix(ClassGridRow(k, line), d + 1));
    }
  }
  return cells;
}

class CheckWindowLoad : public ::testing::Test {
 protected:
  void SetUp() override { app_.screen.SetSizePixels(1920, 1080); }
  program::Program app_;
};

// The build's first cell write loads the window hidden and lands in the laid-out grid.
TEST_F(CheckWindowLoad, FirstClassCellWriteLoadsTheWindowHidden) {
  CheckWindowGrids grids(app_);
  EXPECT_FALSE(app_.IsLoaded<frmAg7>());
  grids.SetClassCell(1, 5, 6, u"95");
  ASSERT_TRUE(app_.IsLoaded<frmAg7>());
  const frmAg7& w = app_.Form<frmAg7>();
  EXPECT_FALSE(w.Visible());
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(5, 6), u"95");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(5, 1), u"ｵ-ﾌﾟﾝ");
  grids.SetClassCell(2, 10, 3, u"72");
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(10, 3), u"72");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(10, 3), u"");
  EXPECT_EQ(app_.LoadedForms().size(), 1u);
}

// Captions and places are the design table's; here what loading and the window's own code decide:
// the window's place in the frame, the turf grid in view with the dirt grid waiting below the
// window, the surface options grouped in their frame, the tab order, and the record grid's smaller
// type.
TEST_F(CheckWindowLoad, LoadsInTheFrameWithTheTurfGridInView) {
  const frmAg7& w = app_.Form<frmAg7>();
  EXPECT_EQ(Rect(w.Left(), w.Top(), w.Width(), w.Height()),
            Rect((28800 - 13000) / 2.0 + 160, (16200 - 9475) / 2.0 + 1850 + 25 - 200, 12630, 7300));
  EXPECT_EQ(PlaceOf(w.MSFlexGrid1), Rect(300, 100, 10110, 2560));
  EXPECT_GT(w.MSFlexGrid3.Top(), w.Height());
  EXPECT_EQ(w.MSFlexGrid3.Left(), w.MSFlexGrid1.Left());
  EXPECT_EQ(w.Option1.Container(), &w.Frame1);
  EXPECT_EQ(w.Option2.Container(), &w.Frame1);

  // Tab order is declaration order.
  const std::vector<std::string> order = {"MSFlexGrid1", "MSFlexGrid2", "Command1", "Combo1",  "Command2",
                                          "Command3",    "Command4",    "Command5", "Combo2",  "Command6",
                                          "Check1",      "MSFlexGrid3", "Frame1",   "Option1", "Option2"};
  for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(w.Controls()[i]->Name(), order[i]);

  EXPECT_EQ(w.MSFlexGrid1.Font().size, 9);
  EXPECT_EQ(w.MSFlexGrid3.Font().size, 9);
  EXPECT_EQ(w.MSFlexGrid2.Font().size, 8);
}

TEST_F(CheckWindowLoad, ControlsStartInTheirFirstStates) {
  const frmAg7& w = app_.Form<frmAg7>();
  EXPECT_TRUE(w.Option1.Value());
  EXPECT_FALSE(w.Option2.Value());
  EXPECT_EQ(w.Check1.Value(), ui::kUnchecked);
  for (const ui::Control* enabled : std::initializer_list<const ui::Control*>{
           &w.Command1, &w.Command2, &w.Command3, &w.Command4, &w.Command6, &w.Combo1})
    EXPECT_TRUE(enabled->Enabled()) << enabled->Name();
  EXPECT_FALSE(w.Combo2.Enabled());
  EXPECT_FALSE(w.Command5.Enabled());

  std::vector<Text> races(kRaceEntries.begin(), kRaceEntries.end());
  EXPECT_EQ(w.Combo2.Entries(), races);
  races.push_back(u"連　続");
  EXPECT_EQ(w.Combo1.Entries(), races);
  for (const ui::ComboBox* list : {&w.Combo1, &w.Combo2}) {
    EXPECT_EQ(list->Style(), 0) << list->Name();  // typing allowed
    EXPECT_EQ(list->ListIndex(), 0) << list->Name();
    EXPECT_EQ(list->Text(), u"　１Ｒ") << list->Name();
  }
}

class CourseGridLayout : public CheckWindowLoad, public ::testing::WithParamInterface<bool> {};

TEST_P(CourseGridLayout, NineLinesPerCourseUnderTheDistanceHeadings) {
  const frmAg7& w = app_.Form<frmAg7>();
  const bool turf = GetParam();
  const ui::FlexGrid& grid = turf ? w.MSFlexGrid1 : w.MSFlexGrid3;
  const Text word = turf ? u"芝" : u"ダ－ト";
  EXPECT_EQ(std::tuple(grid.Rows(), grid.Cols(), grid.FixedRows(), grid.FixedCols()),
            std::tuple(91, 14, 1, 2));
  EXPECT_EQ(grid.MergeCells(), ui::kMergeFree);
  EXPECT_TRUE(grid.MergeRow(0));
  EXPECT_TRUE(grid.MergeCol(0));
  EXPECT_FALSE(grid.MergeRow(1));
  EXPECT_FALSE(grid.MergeCol(1));
  EXPECT_EQ(grid.ColAlignment(0), ui::kFlexCenterCenter);
  EXPECT_EQ(grid.ColAlignment(1), ui::kFlexCenterCenter);
  EXPECT_EQ(grid.ColWidth(0), 600);
  EXPECT_EQ(grid.ColWidth(1), 710);
  EXPECT_EQ(grid.TextMatrix(0, 0), word);
  EXPECT_EQ(grid.TextMatrix(0, 1), word);
  for (int d = 1; d <= 12; ++d) {
    EXPECT_EQ(grid.ColWidth(d + 1), 700);
    EXPECT_EQ(grid.TextMatrix(0, d + 1), kDistanceHeadings[d - 1]);
  }
  for (int k = 1; k <= 10; ++k) {
    for (int line = 1; line <= 9; ++line) {
      const int row = 9 * (k - 1) + line;
      EXPECT_EQ(grid.TextMatrix(row, 0), kCourseNames[k - 1]) << row;
      EXPECT_EQ(grid.TextMatrix(row, 1), kLineLabels[line - 1]) << row;
      for (int c = 2; c <= 13; ++c) EXPECT_EQ(grid.TextMatrix(row, c), u"") << row << "," << c;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Surfaces, CourseGridLayout, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Turf" : "Dirt"; });

TEST_F(CheckWindowLoad, RecordGridHasOneRowPerRunnerAndTheRunsOldestFirst) {
  const ui::FlexGrid& grid = app_.Form<frmAg7>().MSFlexGrid2;
  EXPECT_EQ(std::tuple(grid.Rows(), grid.Cols(), grid.FixedRows(), grid.FixedCols()),
            std::tuple(19, 6, 1, 1));
  EXPECT_EQ(grid.MergeCells(), ui::kMergeFree);
  for (int r = 0; r < 19; ++r) EXPECT_FALSE(grid.MergeRow(r));
  for (int c = 0; c < 6; ++c) EXPECT_FALSE(grid.MergeCol(c));
  EXPECT_EQ(grid.ColWidth(0), 330);
  EXPECT_EQ(grid.ColAlignment(0), ui::kFlexCenterCenter);
  EXPECT_EQ(grid.ColAlignment(1), ui::kFlexLeftCenter);
  const std::array<Text, 6> headings = {u"",
                                        u"                   ５  走  前",
                                        u"                   ４  走  前",
                                        u"                   ３  走  前",
                                        u"                   ２  走  前",
                                        u"                   前    　走"};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(grid.TextMatrix(0, c), headings[c]) << c;
  for (int c = 1; c < 6; ++c) EXPECT_EQ(grid.ColWidth(c), 2400) << c;
}

TEST_F(CheckWindowLoad, SurfaceOptionsSwapTheCourseGridsByPlace) {
  frmAg7& w = app_.Form<frmAg7>();
  w.MSFlexGrid1.SetTextMatrix(1, 2, u"kept");
  w.Option2.SetValue(true);
  EXPECT_EQ(PlaceOf(w.MSFlexGrid3), Rect(300, 100, 10110, 2560));
  EXPECT_EQ(PlaceOf(w.MSFlexGrid1), Rect(300, 7500, 10110, 2560));
  EXPECT_GT(w.MSFlexGrid1.Top(), w.Height());
  w.Option1.SetValue(true);
  EXPECT_EQ(PlaceOf(w.MSFlexGrid1), Rect(300, 100, 10110, 2560));
  EXPECT_EQ(PlaceOf(w.MSFlexGrid3), Rect(300, 7500, 10110, 2560));
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(1, 2), u"kept");
}

TEST_F(CheckWindowLoad, PrintTickUnlocksTheRaceListAndPrintTogether) {
  frmAg7& w = app_.Show<frmAg7>();
  w.Check1.UserClick();
  EXPECT_TRUE(w.Combo2.Enabled());
  EXPECT_TRUE(w.Command5.Enabled());
  w.Check1.UserClick();
  EXPECT_FALSE(w.Combo2.Enabled());
  EXPECT_FALSE(w.Command5.Enabled());
}

TEST_F(BuiltCheckWindow, BuildLeavesAveragesInTheClassRowsAndTheWindowHidden) {
  const frmAg7& w = Window();
  EXPECT_FALSE(w.Visible());
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(ClassGridRow(1, 2), ClassGridColumn(5)), b_.TurfClassAvg(2, 5, 1));
  EXPECT_EQ(b_.TurfClassAvg(2, 5, 1), u"95.1");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(ClassGridRow(1, 1), ClassGridColumn(5)), kNoClassTimeMark);
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(ClassGridRow(2, 1), ClassGridColumn(2)), b_.DirtClassAvg(1, 2, 2));
  for (int k = 1; k <= 10; ++k) {
    for (int line = 6; line <= 9; ++line) EXPECT_EQ(w.MSFlexGrid1.TextMatrix(ClassGridRow(k, line), 2), u"");
  }
  for (int r = 1; r <= 18; ++r) EXPECT_EQ(w.MSFlexGrid2.TextMatrix(r, 0), u"");
}

TEST_F(BuiltCheckWindow, UpperClearBlanksRowsOneToFiftyOfTheTurfGridOnly) {
  frmAg7& w = ShownWindow();
  w.Command3.UserClick();  // fills the lines 構築Ａ to 構築B3 as well
  const std::vector<Text> turf_before = Cells(w.MSFlexGrid1);
  const std::vector<Text> dirt_before = Cells(w.MSFlexGrid3);
  const std::vector<Text> sums_before = Cells(b_.TurfTimeSum);
  w.Option2.UserClick();
  w.Command4.UserClick();
  EXPECT_EQ(Cells(w.MSFlexGrid3), dirt_before);
  EXPECT_EQ(Cells(b_.TurfTimeSum), sums_before);
  for (int r = 0; r < 91; ++r) {
    for (int c = 0; c < 14; ++c) {
      const bool cleared = r >= 1 && r <= 50 && c >= 2;
      const Text& before = turf_before[static_cast<size_t>(r * 14 + c)];
      EXPECT_EQ(w.MSFlexGrid1.TextMatrix(r, c), cleared ? Text(u" ") : before) << r << "," << c;
    }
  }
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(51, 1), u"構築Ａ");
  EXPECT_NE(w.MSFlexGrid1.TextMatrix(51, 2), u" ");
  w.Option1.UserClick();
  EXPECT_EQ(w.MSFlexGrid1.Top(), 100);
}

TEST_F(BuiltCheckWindow, LowerClearKeepsTheRunnerNumbers) {
  frmAg7& w = ShownWindow();
  w.Command1.UserClick();
  w.Command6.UserClick();
  for (int r = 1; r <= 18; ++r) {
    EXPECT_EQ(w.MSFlexGrid2.TextMatrix(r, 0), r <= 16 ? model::NumberToText(r) : Text()) << r;
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(w.MSFlexGrid2.TextMatrix(r, c), u" ") << r << "," << c;
  }
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(0, 5), u"                   前    　走");
}

// Every sum and count doubles, so no average moves.
TEST_F(BuiltCheckWindow, AllRacesThenAveragesLeavesEveryAverage) {
  frmAg7& w = ShownWindow();
  const std::vector<Text> averages_before = Cells(b_.TurfClassAvg);
  const std::vector<Text> dirt_averages_before = Cells(b_.DirtClassAvg);
  const std::vector<Text> cells_before = ClassCells(w.MSFlexGrid1);
  const std::vector<Text> record_before = Cells(w.MSFlexGrid2);
  const Text sum = b_.TurfTimeSum(2, 5, 1);
  const Text count = b_.TurfTimeCount(2, 5, 1);
  w.Combo1.UserSelect(12);
  w.Command1.UserClick();
  EXPECT_EQ(model::TextToNumber(b_.TurfTimeSum(2, 5, 1)), 2 * model::TextToNumber(sum));
  EXPECT_EQ(model::TextToNumber(b_.TurfTimeCount(2, 5, 1)), 2 * model::TextToNumber(count));
  EXPECT_EQ(model::TextToNumber(b_.DirtTimeCount(1, 2, 2)), 2);
  EXPECT_EQ(Cells(w.MSFlexGrid2), record_before);
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(ClassGridRow(1, 2), ClassGridColumn(5)), b_.TurfTimeSum(2, 5, 1));

  w.Command2.UserClick();
  EXPECT_EQ(Cells(b_.TurfClassAvg), averages_before);
  EXPECT_EQ(Cells(b_.DirtClassAvg), dirt_averages_before);
  EXPECT_EQ(ClassCells(w.MSFlexGrid1), cells_before);
}

// Race 2's one usable run counts again; its eleven blank runners and unusable runs change nothing.
TEST_F(BuiltCheckWindow, OneRaceCountsItsRunsAgainAndMovesTheAverageOnlyWithAverages) {
  frmAg7& w = ShownWindow();
  const std::vector<Text> turf_cells = ClassCells(w.MSFlexGrid1);
  const std::vector<Text> dirt_cells = ClassCells(w.MSFlexGrid3);
  const std::vector<Text> std_times = Cells(b_.TurfStdTime);
  w.Combo1.UserSelect(1);
  w.Command1.UserClick();
  EXPECT_EQ(b_.TurfTimeSum(2, 5, 1), u"1714");
  EXPECT_EQ(b_.TurfTimeCount(2, 5, 1), u"18");
  EXPECT_EQ(b_.TurfClassAvg(2, 5, 1), u"95.1");
  std::vector<Text> expected = turf_cells;
  expected[(2 - 1) * 12 + (5 - 1)] = u"1714";  // course 1, class 2, 1600 m
  EXPECT_EQ(ClassCells(w.MSFlexGrid1), expected);
  EXPECT_EQ(ClassCells(w.MSFlexGrid3), dirt_cells);

  w.Command2.UserClick();
  EXPECT_EQ(b_.TurfClassAvg(2, 5, 1), u"95.2");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(ClassGridRow(1, 2), ClassGridColumn(5)), u"95.2");
  EXPECT_EQ(ClassCells(w.MSFlexGrid1), [&] {
    std::vector<Text> cells = turf_cells;
    cells[(2 - 1) * 12 + (5 - 1)] = u"95.2";
    return cells;
  }());
  EXPECT_EQ(Cells(b_.TurfStdTime), std_times);  // only 構築 replaces the standard times
}

TEST_F(BuiltCheckWindow, RecordGridShowsOneRaceOldestRunFirstAndKeepsLowerRows) {
  frmAg7& w = ShownWindow();
  w.Command1.UserClick();  // race 1, the first entry
  for (int i = 1; i <= 16; ++i) {
    EXPECT_EQ(w.MSFlexGrid2.TextMatrix(i, 0), model::NumberToText(i));
    for (int c = 1; c <= 5; ++c)
      EXPECT_EQ(w.MSFlexGrid2.TextMatrix(i, c), b_.RunSummary[6 - c](1, i)) << i << c;
  }
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(1, 1), kUnusableRunMark);
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(17, 0), u"");

  w.Combo1.UserSelect(1);
  w.Command1.UserClick();  // race 2: 12 runners
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(1, 5), b_.RunSummary[1](2, 1));
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(12, 5), kUnusableRunMark);
  for (int i = 13; i <= 16; ++i) {
    EXPECT_EQ(w.MSFlexGrid2.TextMatrix(i, 0), model::NumberToText(i));
    EXPECT_EQ(w.MSFlexGrid2.TextMatrix(i, 5), b_.RunSummary[1](1, i)) << i;  // still race 1
  }
}

// The record grid has 18 runner rows; the accumulation still reaches every runner.
TEST_F(BuiltCheckWindow, RaceOfTwentyRunnersFillsTheRecordGridToItsLastRow) {
  frmAg7& w = ShownWindow();
  const Text sum = b_.TurfTimeSum(2, 8, 3);
  w.Combo1.UserSelect(2);
  w.Command1.UserClick();
  EXPECT_EQ(model::TextToNumber(b_.TurfTimeSum(2, 8, 3)), 2 * model::TextToNumber(sum));
  EXPECT_EQ(w.MSFlexGrid2.Rows(), 19);
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(18, 0), u"18");
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(18, 5), b_.RunSummary[1](3, 18));
}

TEST_F(BuiltCheckWindow, TypedRaceTextChoosesNothingToShow) {
  frmAg7& w = ShownWindow();
  const std::vector<Text> sums = Cells(b_.TurfTimeSum);
  const std::vector<Text> counts = Cells(b_.TurfTimeCount);
  const std::vector<Text> grid = Cells(w.MSFlexGrid1);
  w.Combo1.UserType(u"　２Ｒ");
  ASSERT_EQ(w.Combo1.ListIndex(), -1);
  w.Command1.UserClick();
  EXPECT_EQ(Cells(b_.TurfTimeSum), sums);
  EXPECT_EQ(Cells(b_.TurfTimeCount), counts);
  EXPECT_EQ(Cells(w.MSFlexGrid1), grid);
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(1, 0), u"");
}

TEST_F(BuiltCheckWindow, AveragesTwiceGiveTheSameTablesAndCells) {
  frmAg7& w = ShownWindow();
  w.Combo1.UserSelect(0);
  w.Command1.UserClick();
  w.Command2.UserClick();
  const std::vector<Text> averages = Cells(b_.TurfClassAvg);
  const std::vector<Text> turf = Cells(w.MSFlexGrid1);
  const std::vector<Text> dirt = Cells(w.MSFlexGrid3);
  w.Command2.UserClick();
  EXPECT_EQ(Cells(b_.TurfClassAvg), averages);
  EXPECT_EQ(Cells(w.MSFlexGrid1), turf);
  EXPECT_EQ(Cells(w.MSFlexGrid3), dirt);
}

// "構築" derives the standard times as the build does, from the present class averages, and shows
// the work row after the fill and after each smoothing pass; the class rows stay.
TEST_F(BuiltCheckWindow, BuildRewritesTheStandardTimesAndShowsEveryStage) {
  frmAg7& w = ShownWindow();
  w.Combo1.UserSelect(1);
  w.Command1.UserClick();
  w.Command2.UserClick();
  const std::vector<Text> old_turf = Cells(b_.TurfStdTime);
  const std::vector<Text> turf_class_cells = ClassCells(w.MSFlexGrid1);
  w.Command3.UserClick();
  EXPECT_NE(Cells(b_.TurfStdTime), old_turf);
  EXPECT_EQ(ClassCells(w.MSFlexGrid1), turf_class_cells);
  const std::vector<Text> turf = Cells(b_.TurfStdTime);
  const std::vector<Text> dirt = Cells(b_.DirtStdTime);
  DeriveStandardTimes(m_);
  EXPECT_EQ(Cells(b_.TurfStdTime), turf);
  EXPECT_EQ(Cells(b_.DirtStdTime), dirt);

  // The stages again, one by one, against the four lines of every course of both grids.
  for (int surface : {kTurf, kDirt}) {
    const ui::FlexGrid& grid = surface == kTurf ? w.MSFlexGrid1 : w.MSFlexGrid3;
    CombineClassAverages(m_, surface);
    for (int k = 1; k <= 10; ++k) {
      for (int line = 6; line <= 9; ++line) {
        if (line == 6)
          FillMissingDistances(m_, k);
        else
          SmoothDistanceStepsPass(m_, k);
        for (int d = 1; d <= 12; ++d) {
          const Text shown = model::NumberToPatternText(model::TextToNumber(b_.StdTimeWork(k, d)), u"###.0");
          EXPECT_EQ(grid.TextMatrix(ClassGridRow(k, line), d + 1), shown) << surface << k << line << d;
        }
      }
      for (int d = 1; d <= 12; ++d) {
        const CourseDistanceTable& stored = surface == kTurf ? b_.TurfStdTime : b_.DirtStdTime;
        EXPECT_EQ(grid.TextMatrix(ClassGridRow(k, 9), d + 1), stored(k, d));
      }
    }
  }
  // The smoothing moved 東京's 1000 m and 1200 m, 7.25 s apart per 100 m.
  EXPECT_NE(w.MSFlexGrid1.TextMatrix(ClassGridRow(1, 6), 2), w.MSFlexGrid1.TextMatrix(ClassGridRow(1, 7), 2));
  // A course without data shows its 0 four times.
  for (int line = 6; line <= 9; ++line) {
    for (int d = 1; d <= 12; ++d) EXPECT_EQ(w.MSFlexGrid1.TextMatrix(ClassGridRow(10, line), d + 1), u".0");
  }
}

TEST_F(BuiltCheckWindow, StepsChangeNoControlState) {
  frmAg7& w = ShownWindow();
  for (ui::CommandButton* step : {&w.Command1, &w.Command2, &w.Command3, &w.Command4, &w.Command6}) {
    step->UserClick();
    for (const ui::Control* c : w.Controls()) {
      const bool locked = c == &w.Command5 || c == &w.Combo2;
      EXPECT_EQ(c->Enabled(), !locked) << step->Name() << " " << c->Name();
    }
  }
}

}  // namespace
}  // namespace basetime
