#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "intake/frm_ag2.h"
#include "intake/past_run_tables.h"
#include "intake/preview_values.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "shell/app.h"

namespace intake {
namespace {

using model::Text;

constexpr ui::Color kWhite = 0x00FFFFFF;
constexpr ui::Color kGreen = 0x0000FF00;
constexpr ui::Color kLightYellow = 0x00C0FFFF;
constexpr ui::Color kButtonFace = 0x8000000F;

Text T(const std::string& ascii) {
  return model::FromUtf8(ascii);
}

// The preview works on whatever the tables hold, so the tests fill them directly.
class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<shell::App>();
    w_ = &app_->Show<frmAg2>();
    RaceCardTables& card = app_->meeting.Group<RaceCardTables>();
    // Race r has r + 1 runners; race 1 has 20, more than the runner grid lists.
    for (int r = 1; r <= 12; ++r) {
      const int count = r == 1 ? 20 : r + 1;
      card.RunnerCount(r) = T((count < 10 ? "0" : "") + std::to_string(count));
      card.RaceNoLabel(r) = T("R" + std::to_string(r));
      for (int j = 1; j <= count; ++j) {
        const std::string id = std::to_string(r) + "-" + std::to_string(j);
        card.Frame(r, j) = T(std::to_string((j + 1) / 2));
        card.HorseNo(r, j) = T("no" + id);
        card.HorseName(r, j) = T("name" + id);
        card.SexLabel(r, j) = T("sex" + id);
        card.AgeLabel(r, j) = T("age" + id);
        card.WeightLabel(r, j) = T("wt" + id);
        card.Jockey(r, j) = T("jk" + id);
      }
    }
    card.RunnerCount(11) = u"00";
    card.RunnerCount(12) = u"";
  }

  double PreviewRace() const {
    return model::TextToNumber(app_->meeting.Group<PreviewValues>().PreviewRace());
  }
  double PreviewRunnerRow() const {
    return model::TextToNumber(app_->meeting.Group<PreviewValues>().PreviewRunnerRow());
  }

  // The race whose heading is green, 0 when none is; at most one may be.
  int GreenRace() const {
    int green = 0;
    for (int race = 1; race <= 12; ++race) {
      const ui::FlexGrid& g = race <= 6 ? w_->MSFlexGrid3 : w_->MSFlexGrid4;
      const int c = race <= 6 ? race : race - 6;
      const ui::Color colour = g.CellBackColorAt(0, c);
      if (colour == kGreen) {
        EXPECT_EQ(green, 0) << "two green headings";
        green = race;
        for (int r = 1; r <= 7; ++r) EXPECT_EQ(g.CellBackColorAt(r, c), kWhite);
      } else {
        EXPECT_EQ(colour, kButtonFace) << "heading of race " << race;
      }
    }
    return green;
  }

  // The runner-grid row whose name cell is light yellow, 0 when none is.
  int HighlightedRow() const {
    int row = 0;
    for (int r = 1; r <= 18; ++r) {
      if (w_->MSFlexGrid2.CellBackColorAt(r, 2) == kLightYellow) {
        EXPECT_EQ(row, 0) << "two highlighted names";
        row = r;
      } else {
        EXPECT_EQ(w_->MSFlexGrid2.CellBackColorAt(r, 2), kButtonFace) << "name row " << r;
      }
    }
    return row;
  }

  int ListedRunners() const {
    int listed = 0;
    for (int r = 1; r <= 18; ++r) {
      for (int c = 0; c <= 6; ++c) {
        if (!w_->MSFlexGrid2.TextMatrix(r, c).empty()) {
          listed = r;
          break;
        }
      }
    }
    return listed;
  }

  std::unique_ptr<shell::App> app_;
  frmAg2* w_ = nullptr;
};

// Clicks in the order given; each one's outcome depends only on it and the race picked before.
TEST_F(PreviewTest, RaceGridClicksResolveByTheirBands) {
  struct Case {
    int grid;  // 3 or 4
    double x, y;
    int race_after;  // PreviewRace after the click
    int picked;      // the race listed (green heading), 0 for none
  };
  const std::vector<Case> cases = {
      {3, 1400, 0, 1, 1},        // first column, heading
      {3, 1399.9, 100, 1, 0},    // row headings: no race, the last one stays noted
      {3, 3400, 1610, 3, 3},     // below the bands' last row: picks
      {3, 3399.5, 229.9, 2, 2},  // heading, column 2
      {3, 7399.9, 100, 6, 6},    //
      {3, 7400, 100, 6, 0},      // right of the columns
      {3, 2500, 230, 2, 0},      // data row 1: noted, not listed
      {3, 2500, 1609.9, 2, 0},   // data row 6
      {3, 2500, 1800, 2, 2},     // bottom row and below pick
      {3, 2500, -1, 2, 2},       // above the grid: no row, picks
      {3, -1, 100, 2, 0},        // left of the grid: no column
      {4, 4500, 100, 10, 10},    // fourth column of the second grid
      {4, 1400, 2000, 7, 7},     //
      {4, 6400, 460, 12, 0},     // data row 2 of race 12
      {4, 6400, 0, 12, 12},      // race 12 has no runner count: green, empty listing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("grid " + std::to_string(c.grid) + " at " + std::to_string(c.x) + ", " +
                 std::to_string(c.y));
    ui::FlexGrid& grid = c.grid == 3 ? w_->MSFlexGrid3 : w_->MSFlexGrid4;
    grid.UserMouseDown(1, 0, c.x, c.y);
    EXPECT_EQ(PreviewRace(), c.race_after);
    EXPECT_EQ(GreenRace(), c.picked);
    const int expected_listed = c.picked == 0 ? 0
                                              : std::min(18, c.picked == 12  ? 0
                                                             : c.picked == 1 ? 20
                                                                             : c.picked + 1);
    EXPECT_EQ(ListedRunners(), expected_listed);
  }
}

TEST_F(PreviewTest, EveryMouseButtonPicksAlike) {
  w_->MSFlexGrid4.UserMouseDown(2, 1, 4400, 0);
  EXPECT_EQ(PreviewRace(), 10);
  EXPECT_EQ(GreenRace(), 10);
  w_->MSFlexGrid4.UserMouseDown(4, 7, 5400, 0);
  EXPECT_EQ(GreenRace(), 11);  // runner count 00: green heading, nothing listed
  EXPECT_EQ(ListedRunners(), 0);
}

TEST_F(PreviewTest, ListsTheRaceWithFramesMergedAndAtMostEighteenRunners) {
  w_->MSFlexGrid3.UserMouseDown(1, 0, 1500, 100);
  const ui::FlexGrid& g = w_->MSFlexGrid2;
  EXPECT_TRUE(g.MergeCol(0));
  for (int i = 1; i <= 18; ++i) {
    const std::string id = "1-" + std::to_string(i);
    const std::vector<Text> row = {T(std::to_string((i + 1) / 2)),
                                   T("no" + id),
                                   T("name" + id),
                                   T("sex" + id),
                                   T("age" + id),
                                   T("wt" + id),
                                   T("jk" + id)};
    for (int c = 0; c <= 6; ++c) EXPECT_EQ(g.TextMatrix(i, c), row[static_cast<size_t>(c)]) << i << "," << c;
  }
  EXPECT_EQ(g.Rows(), 19);
  // A shorter race empties the rows below its runners.
  w_->MSFlexGrid3.UserMouseDown(1, 0, 2500, 100);
  EXPECT_EQ(ListedRunners(), 3);
  EXPECT_EQ(g.TextMatrix(3, 2), u"name2-3");
}

TEST_F(PreviewTest, NameClicksResolveByTheirBands) {
  w_->MSFlexGrid3.UserMouseDown(1, 0, 1500, 100);  // race 1
  struct Case {
    double x, y;
    int highlighted;  // name row painted yellow, 0 for none
    int runner_row;   // PreviewRunnerRow after the click
  };
  const std::vector<Case> cases = {
      {800, 230, 1, 1},          // name column, first runner
      {799.9, 230, 0, 1},        // horse-number column: highlight gone, row kept
      {2324.9, 4369.9, 18, 18},  // last band of the name column, last row
      {2325, 460, 0, 18},        // the name column's last 100 twips belong to no name
      {2424, 460, 0, 18},        //
      {1000, 229.9, 0, 0},       // heading of the name column
      {1000, 690, 3, 3},         //
      {1000, 4370, 0, 0},        // below the rows
      {1000, -0.5, 0, 0},        // above the grid
      {4374, 460, 0, 0},         // jockey column
      {4375, 460, 0, 0},         // right of the columns
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
    w_->MSFlexGrid2.UserMouseDown(1, 0, c.x, c.y);
    EXPECT_EQ(HighlightedRow(), c.highlighted);
    EXPECT_EQ(PreviewRunnerRow(), c.runner_row);
  }
}

TEST_F(PreviewTest, AHighlightOutlivesTheNextRacePickUntilTheNextNameClick) {
  w_->MSFlexGrid3.UserMouseDown(1, 0, 1500, 100);
  w_->MSFlexGrid2.UserMouseDown(1, 0, 1000, 460);
  EXPECT_EQ(HighlightedRow(), 2);
  w_->MSFlexGrid3.UserMouseDown(1, 0, 2500, 100);
  EXPECT_EQ(HighlightedRow(), 2);
  EXPECT_EQ(PreviewRunnerRow(), 2);
  w_->MSFlexGrid2.UserMouseDown(1, 0, 100, 460);
  EXPECT_EQ(HighlightedRow(), 0);
}

TEST_F(PreviewTest, ANameClickComposesTheFiveRunSheetOfThatRunner) {
  PastRunTables& p = app_->meeting.Group<PastRunTables>();
  model::Family<model::RunnerTable>* rows[] = {
      &p.RunCourseName,     &p.RunDateText,     &p.RunClassName,  &p.RunSurfaceName, &p.RunDistanceText,
      &p.RunFieldSizeText,  &p.RunPaceName,     &p.RunGoingName,  &p.RunGateText,    &p.RunWeightText,
      &p.RunBodyWeightText, &p.RunPositionText, &p.RunTimeText,   &p.RunMarginText,  &p.RunFirst3FText,
      &p.RunLast3FText,     &p.RunPassingText,  &p.RunTroubleFlag};
  for (int row = 2; row <= 19; ++row) {
    for (int b = 1; b <= 5; ++b)
      (*rows[row - 2])[b](9, 4) = T("row" + std::to_string(row) + "run" + std::to_string(b));
  }
  p.UmaHorseName(9, 4) = u"UMA NAME      ";
  w_->MSFlexGrid4.UserMouseDown(1, 0, 3400, 0);  // race 9
  w_->MSFlexGrid2.UserMouseDown(1, 0, 2000, 4 * 230);

  const ui::FlexGrid& sheet = w_->MSFlexGrid1;
  EXPECT_EQ(sheet.TextMatrix(0, 0), u"R9");
  EXPECT_EQ(sheet.TextMatrix(1, 0), u"no9-4");
  for (int c = 1; c <= 5; ++c) {
    EXPECT_EQ(sheet.TextMatrix(0, c), u"UMA NAME      ");
    for (int row = 2; row <= 19; ++row)
      EXPECT_EQ(sheet.TextMatrix(row, c), T("row" + std::to_string(row) + "run" + std::to_string(6 - c)));
  }
  EXPECT_TRUE(sheet.MergeRow(0));
  EXPECT_EQ(sheet.TextMatrix(1, 1), u"５走前");  // headings stay
  EXPECT_EQ(sheet.TextMatrix(19, 0), u"不　　利");

  // An empty name cell below the last runner composes that runner index's empty cells.
  w_->MSFlexGrid2.UserMouseDown(1, 0, 2000, 15 * 230);
  EXPECT_EQ(HighlightedRow(), 15);
  EXPECT_EQ(sheet.TextMatrix(1, 0), u"");
  EXPECT_EQ(sheet.TextMatrix(0, 3), u"");
  EXPECT_EQ(sheet.TextMatrix(2, 5), u"");
}

TEST_F(PreviewTest, ANameClickBeforeAnyRacePickOnlyHighlights) {
  w_->MSFlexGrid2.UserMouseDown(1, 0, 1000, 230);
  EXPECT_EQ(HighlightedRow(), 1);
  EXPECT_EQ(PreviewRunnerRow(), 1);
  EXPECT_EQ(PreviewRace(), 0);
  EXPECT_EQ(w_->MSFlexGrid1.TextMatrix(0, 0), u"");
  EXPECT_EQ(w_->MSFlexGrid1.TextMatrix(1, 0), u"");
  EXPECT_FALSE(w_->MSFlexGrid1.MergeRow(0));
}

}  // namespace
}  // namespace intake
