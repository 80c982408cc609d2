#include "basic/actual_evaluation_view.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "ui/grid.h"

namespace basic {
namespace {

using model::Text;

constexpr int kRace = 4;
constexpr int kRunner = 3;
const Text kKept = u"kept";

struct RunTexts {
  Text surface_match, turf_text, dirt_text;
};

void WriteRun(model::Meeting& meeting, int runner, int run, const RunTexts& texts) {
  BasicAnalysisTables& analysis = meeting.Group<BasicAnalysisTables>();
  analysis.RunSurfaceMatch[run](runner) = texts.surface_match;
  analysis.RunTurfEvalText[run](runner) = texts.turf_text;
  analysis.RunDirtEvalText[run](runner) = texts.dirt_text;
}

// Every cell's text, row by row.
std::vector<Text> CellTexts(const ui::FlexGrid& grid) {
  std::vector<Text> texts;
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) texts.push_back(grid.TextMatrix(r, c));
  }
  return texts;
}

class ActualEvalViewTest : public ::testing::Test {
 protected:
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  analysis::PastRunGridWriter& PastRuns() { return past_runs_; }
  model::Meeting& Meeting() { return app_.meeting; }
  PastRunViewTables& Views() { return app_.meeting.Group<PastRunViewTables>(); }

  program::Program app_;
  analysis::PastRunGridOf past_runs_{Window().MSFlexGrid1};
};

struct CodeCase {
  RunTexts run;
  Text expected;
};

TEST_F(ActualEvalViewTest, TextByTheSurfaceMatchCode) {
  const CodeCase cases[] = {
      // A run that cannot count shows no value, whatever its evaluations hold.
      {{u"1", u"+05", u"-12"}, u" --- "},
      // Today's surface between blanks, the other surface in brackets; turf runs read the turf
      // text, dirt runs the dirt text.
      {{u"2", u"+05", u"-12"}, u" +05 "},
      {{u"3", u"+05", u"-12"}, u"(+05)"},
      {{u"4", u"+05", u"-12"}, u" -12 "},
      {{u"5", u"+05", u"-12"}, u"(-12)"},
      // A run without a value keeps its form.
      {{u"2", u"---", u"-12"}, u" --- "},
      {{u"3", u"---", u"-12"}, u"(---)"},
      {{u"4", u"+05", u"---"}, u" --- "},
      {{u"5", u"+05", u"---"}, u"(---)"},
      // The evaluation text goes in as it is.
      {{u"2", u"", u""}, u"  "},
      {{u"5", u"", u"+99 "}, u"(+99 )"},
      // The code counts by its number.
      {{u" 2", u"+05", u"-12"}, u" +05 "},
      {{u"05", u"+05", u"-12"}, u"(-12)"},
      // A code outside the five shows no value either, never the text of an earlier race.
      {{u"", u"+05", u"-12"}, u" --- "},
      {{u"0", u"+05", u"-12"}, u" --- "},
      {{u"6", u"+05", u"-12"}, u" --- "},
      {{u"-2", u"+05", u"-12"}, u" --- "},
      {{u"2.5", u"+05", u"-12"}, u" --- "},
      {{u"x", u"+05", u"-12"}, u" --- "},
  };
  for (const CodeCase& c : cases) {
    SCOPED_TRACE(model::ToUtf8(u"code \"" + c.run.surface_match + u"\", turf \"" + c.run.turf_text +
                               u"\", dirt \"" + c.run.dirt_text + u"\""));
    Views().RealEvalText[3](kRunner) = kKept;
    WriteRun(Meeting(), kRunner, 3, c.run);
    BuildActualEvalRow(PastRuns(), Meeting(), kRace, kRunner);
    EXPECT_EQ(Views().RealEvalText[3](kRunner), c.expected);
  }
}

// Each run reads its own code and texts, and the row shows the horse number of the race and the runs
// from five back (column 1) to the last (column 5).
TEST_F(ActualEvalViewTest, WritesTheRunnersTextsAndRow) {
  intake::RaceCardTables& card = Meeting().Group<intake::RaceCardTables>();
  card.HorseNo(kRace, kRunner) = u" 7";
  card.HorseNo(kRace + 1, kRunner) = u"other race";
  card.HorseNo(kRace, kRunner + 1) = u"other runner";
  WriteRun(Meeting(), kRunner, 1, {u"2", u"+01", u"-01"});
  WriteRun(Meeting(), kRunner, 2, {u"3", u"+02", u"-02"});
  WriteRun(Meeting(), kRunner, 3, {u"4", u"+03", u"-03"});
  WriteRun(Meeting(), kRunner, 4, {u"5", u"+04", u"-04"});
  WriteRun(Meeting(), kRunner, 5, {u"1", u"+05", u"-05"});
  WriteRun(Meeting(), kRunner + 1, 1, {u"2", u"+66", u"-66"});
  Views().RealEvalText[1](kRunner + 1) = kKept;

  BuildActualEvalRow(PastRuns(), Meeting(), kRace, kRunner);

  const std::array<Text, 5> texts = {u" +01 ", u"(+02)", u" -03 ", u"(-04)", u" --- "};
  for (int run = 1; run <= 5; ++run) {
    EXPECT_EQ(Views().RealEvalText[run](kRunner), texts[static_cast<size_t>(run - 1)]) << "run " << run;
  }
  EXPECT_EQ(Views().RealEvalText[1](kRunner + 1), kKept);
  const ui::FlexGrid& grid = Window().MSFlexGrid1;
  const std::array<Text, 6> row = {u" 7", u" --- ", u"(-04)", u" -03 ", u"(+02)", u" +01 "};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(grid.TextMatrix(kRunner + 1, c), row[static_cast<size_t>(c)]) << c;
}

// Only the runner's row changes, and only its texts: the colouring of the data-reliability switch
// stays on the cells.
TEST_F(ActualEvalViewTest, LeavesOtherRowsAndEveryColourAsTheyWere) {
  ui::FlexGrid& grid = Window().MSFlexGrid1;
  for (int r = 2; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) grid.SetTextMatrix(r, c, u"before");
  }
  const int row = kRunner + 1;
  grid.SetRow(row);
  grid.SetCol(2);
  grid.SetCellBackColor(0xFFC0FF);
  std::vector<Text> expected = CellTexts(grid);
  WriteRun(Meeting(), kRunner, 4, {u"2", u"+04", u""});
  Meeting().Group<intake::RaceCardTables>().HorseNo(kRace, kRunner) = u"12";

  BuildActualEvalRow(PastRuns(), Meeting(), kRace, kRunner);

  for (int c = 0; c < grid.Cols(); ++c) {
    expected[static_cast<size_t>(row * grid.Cols() + c)] = grid.TextMatrix(row, c);
  }
  EXPECT_EQ(grid.TextMatrix(row, 0), u"12");
  EXPECT_EQ(grid.TextMatrix(row, 2), u" +04 ");
  EXPECT_EQ(CellTexts(grid), expected);
  EXPECT_EQ(grid.CellBackColorAt(row, 2), 0xFFC0FFu);
}

// The tables and the grid hold races 1 to 12 and runners 1 to 18; a position outside them is passed
// over.
TEST_F(ActualEvalViewTest, PositionOutsideTheTablesWritesNothing) {
  const std::vector<Text> before = CellTexts(Window().MSFlexGrid1);
  for (const auto& [race, runner] : {std::pair{0, 1}, std::pair{13, 1}, std::pair{1, 0}, std::pair{1, 19}}) {
    EXPECT_NO_THROW(BuildActualEvalRow(PastRuns(), Meeting(), race, runner)) << race << " " << runner;
  }
  EXPECT_EQ(CellTexts(Window().MSFlexGrid1), before);
  EXPECT_EQ(Views().RealEvalText[1](1), u"");
}

TEST_F(ActualEvalViewTest, TitleOverTheFiveRunColumns) {
  ui::FlexGrid& grid = Window().MSFlexGrid1;
  const std::vector<Text> headings = {grid.TextMatrix(0, 0), grid.TextMatrix(1, 0), grid.TextMatrix(1, 3)};
  WriteActualEvalTitle(PastRuns());
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(grid.TextMatrix(0, c), u"実\u3000評\u3000価") << c;
  EXPECT_EQ((std::vector<Text>{grid.TextMatrix(0, 0), grid.TextMatrix(1, 0), grid.TextMatrix(1, 3)}),
            headings);
}

}  // namespace
}  // namespace basic
