// "絞込み" on a fixture race: the colour each criterion leaves in columns 1 to 19 with its limits, the
// rest mark over the cascade, the mark of current ability close to the field's best, and the cells
// and races it must leave alone.
#include "recommend/filter_cascade.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/frm_ag3.h"
#include "basic/past_run_view_tables.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/window_grids.h"
#include "ui/palette.h"

namespace recommend {
namespace {

using model::Text;
using secondary::SecondaryAnalysisTables;

constexpr int kRace = 4;
constexpr ui::Color kBefore = ui::palette::kPaleGreen;
constexpr ui::Color kGrey = ui::Rgb(230, 230, 230);

// One runner's inputs.
struct Runner {
  Text speed;
  Text ability;
  Text diff;
  Text rise;
  Text interval;
};

class FilterCascade : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::FlexGrid& grid = Grid();
    for (int row = 0; row < grid.Rows(); ++row) {
      for (int column = 0; column < grid.Cols(); ++column) {
        grid.SetRow(row);
        grid.SetCol(column);
        grid.SetCellBackColor(kBefore);
      }
    }
    // L1 = 105, L2 = 107.
    Secondary().RaceTimeLevel(kRace) = u"95";
  }
  ui::FlexGrid& Grid() { return app_.Form<analysis::frmAg3>().MSFlexGrid2; }
  SecondaryAnalysisTables& Secondary() { return app_.meeting.Group<SecondaryAnalysisTables>(); }

  void Enter(const std::vector<Runner>& runners) {
    auto& intervals = app_.meeting.Group<basic::PastRunViewTables>().RunInterval[1];
    for (size_t k = 0; k < runners.size(); ++k) {
      const int i = static_cast<int>(k) + 1;
      Secondary().SpeedValue(i) = runners[k].speed;
      Secondary().CurrentAbility(i) = runners[k].ability;
      Secondary().Diff6FText(i) = runners[k].diff;
      Secondary().GradeRise(i) = runners[k].rise;
      intervals(kRace, i) = runners[k].interval;
    }
  }

  // g green, x grey, r red, b blue, '.' untouched, '?' anything else.
  std::string Letters(int row, int first, int last) {
    std::string letters;
    for (int column = first; column <= last; ++column) {
      const ui::Color colour = Grid().CellBackColorAt(row, column);
      if (colour == ui::palette::kGreen) {
        letters += 'g';
      } else if (colour == kGrey) {
        letters += 'x';
      } else if (colour == ui::palette::kRed) {
        letters += 'r';
      } else if (colour == ui::palette::kBlue) {
        letters += 'b';
      } else if (colour == kBefore) {
        letters += '.';
      } else {
        letters += '?';
      }
    }
    return letters;
  }
  std::string Column(int column, int runners) {
    std::string letters;
    for (int runner = 1; runner <= runners; ++runner) letters += Letters(runner + 1, column, column);
    return letters;
  }

  program::Program app_;
  testsupport::WindowGrids grids_;
};

TEST_F(FilterCascade, EachCriterionGreensWhatPassesAndGreysFromTheFirstFailureOn) {
  struct Case {
    const char* what;
    Runner runner;
    std::string columns_1_to_19;
  };
  const std::vector<Case> cases = {
      {"every value at its limit passes", {u"105", u"107", u"14", u"0", u"---"}, "ggggggggggggggggggg"},
      {"no speed value: all grey", {u"***", u"100", u"0", u"9", u"10"}, "xxxxxxxxxxxxxxxxxxx"},
      {"speed above L1", {u"105.1", u"100", u"0", u"9", u"10"}, "xxxxxxxxxxxxxxxxxxx"},
      {"no current ability", {u"100", u"***", u"0", u"9", u"10"}, "gggxxxxxxxxxxxxxxxx"},
      {"current ability above L2", {u"100", u"107.1", u"0", u"9", u"10"}, "gggxxxxxxxxxxxxxxxx"},
      {"six-furlong difference of 15", {u"100", u"100", u"15", u"9", u"10"}, "ggggggxxxxxxxxxxxxx"},
      {"no six-furlong difference", {u"100", u"100", u"**", u"9", u"10"}, "ggggggxxxxxxxxxxxxx"},
      {"improvement beyond the last step", {u"100", u"100", u"0", u"*", u"10"}, "gggggggggggggxxxxxx"},
      {"no improvement grade", {u"100", u"100", u"0", u"-", u"10"}, "gggggggggggggxxxxxx"},
      {"rest of 90 days: out, red rest mark", {u"100", u"100", u"0", u"9", u"90"}, "gggggggggggggggggrx"},
      {"rest of 89 days passes", {u"100", u"100", u"0", u"9", u"89"}, "ggggggggggggggggggg"},
      {"out at once, rest of 89: green mark", {u"***", u"100", u"0", u"9", u"89"}, "xxxxxxxxxxxxxxxxxgx"},
      {"out at once, rest of 46: green mark", {u"***", u"100", u"0", u"9", u"46"}, "xxxxxxxxxxxxxxxxxgx"},
      {"out at once, rest of 45: no mark", {u"***", u"100", u"0", u"9", u"45"}, "xxxxxxxxxxxxxxxxxxx"},
      {"out at once, 200 days: red mark", {u"***", u"100", u"0", u"9", u"200"}, "xxxxxxxxxxxxxxxxxrx"},
      {"out at once, no earlier run: no mark", {u"***", u"100", u"0", u"9", u"---"}, "xxxxxxxxxxxxxxxxxxx"},
  };
  std::vector<Runner> runners;
  for (const Case& c : cases) runners.push_back(c.runner);
  Enter(runners);
  const int n = static_cast<int>(runners.size());
  PaintFilterCascade(grids_.Runners(Grid()), app_.meeting, kRace, n);

  for (int i = 1; i <= n; ++i) {
    const Case& c = cases[static_cast<size_t>(i - 1)];
    EXPECT_EQ(Letters(i + 1, 1, 19), c.columns_1_to_19) << c.what;
  }
  EXPECT_EQ(Column(0, n), std::string(static_cast<size_t>(n), '.')) << "horse names";
  EXPECT_EQ(Column(21, n), std::string(static_cast<size_t>(n), '.')) << "overall evaluation";
  EXPECT_EQ(Letters(n + 2, 0, 21), std::string(22, '.')) << "the row below the field";
  EXPECT_EQ(Letters(1, 0, 21), std::string(22, '.')) << "heading row";
}

TEST_F(FilterCascade, LimitsFollowTheRaceTimeLevel) {
  Secondary().RaceTimeLevel(kRace) = u"-3";  // L1 = 7, L2 = 9
  Enter({{u"7", u"9", u"0", u"0", u"0"}, {u"7.5", u"9", u"0", u"0", u"0"}, {u"7", u"9.5", u"0", u"0", u"0"}});
  PaintFilterCascade(grids_.Runners(Grid()), app_.meeting, kRace, 3);
  EXPECT_EQ(Letters(2, 1, 19), "ggggggggggggggggggg");
  EXPECT_EQ(Letters(3, 1, 19), "xxxxxxxxxxxxxxxxxxx");
  EXPECT_EQ(Letters(4, 1, 19), "gggxxxxxxxxxxxxxxxx");
}

// Column 20 for fields of current abilities; every runner is out at the speed criterion, which keeps
// no one from the mark.
TEST_F(FilterCascade, MarksCurrentAbilityCloseToTheFieldsBest) {
  struct Case {
    const char* what;
    std::vector<Text> abilities;
    std::string column_20;
  };
  const std::vector<Case> cases = {
      {"five within 24 of the best: within 14", {u"100", u"114", u"114.5", u"120", u"124", u"130"}, "bb...."},
      {"four within 24: within 18", {u"100", u"114.5", u"118", u"124", u"125"}, "bbb.."},
      {"no value takes no part", {u"***", u"120", u"140", u"138"}, ".b.b"},
      {"no value at all: nothing", {u"***", u"***"}, ".."},
      {"the best starts at 300", {u"310", u"318", u"319"}, "bb."},
  };
  for (const Case& c : cases) {
    SetUp();
    std::vector<Runner> runners;
    for (const Text& ability : c.abilities) runners.push_back({u"***", ability, u"0", u"0", u"0"});
    Enter(runners);
    const int n = static_cast<int>(runners.size());
    PaintFilterCascade(grids_.Runners(Grid()), app_.meeting, kRace, n);
    EXPECT_EQ(Column(20, n), c.column_20) << c.what;
  }
}

TEST_F(FilterCascade, PaintsNothingForARaceOutsideTheMeetingAndNoRowBeyondTheGrid) {
  std::vector<Runner> field(18, Runner{u"100", u"100", u"0", u"0", u"0"});
  Enter(field);
  for (int race : {0, 13}) {
    PaintFilterCascade(grids_.Runners(Grid()), app_.meeting, race, 5);
    EXPECT_EQ(Letters(2, 0, 21), std::string(22, '.')) << race;
  }
  PaintFilterCascade(grids_.Runners(Grid()), app_.meeting, kRace, 30);
  EXPECT_EQ(Letters(19, 1, 20), "gggggggggggggggggggb") << "runner 18";
}

}  // namespace
}  // namespace recommend
