// The value-column steps of "色分け": each banded column with the examples of its rule, the rest mark,
// the improvement bands, and the highlight marks that outlive the click.
#include "recommend/colour_banding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/frm_ag3.h"
#include "basic/past_run_view_tables.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/window_grids.h"
#include "ui/palette.h"

namespace recommend {
namespace {

using model::Text;
using secondary::SecondaryAnalysisTables;

constexpr int kRace = 5;
const Text kTop = u"\u25CE";     // ◎
const Text kSecond = u"\u25B3";  // △
// Every runner cell before the click, so that a cell left alone shows as '.'.
constexpr ui::Color kBefore = ui::palette::kPaleGreen;

// A banded column's source texts, one per runner, and the letters its cells end with.
struct BandCase {
  const char* what;
  std::vector<Text> texts;
  std::string bands;  // A, B, C pink, yellow, cyan; '.' untouched; b blue, g green, r red
};

class ColourBanding : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::FlexGrid& grid = Grid();
    for (int row = 2; row <= 19; ++row) {
      for (int column = 1; column <= 21; ++column) {
        grid.SetRow(row);
        grid.SetCol(column);
        grid.SetCellBackColor(kBefore);
      }
    }
  }
  ui::FlexGrid& Grid() { return app_.Form<analysis::frmAg3>().MSFlexGrid2; }
  SecondaryAnalysisTables& Secondary() { return app_.meeting.Group<SecondaryAnalysisTables>(); }
  ColouringTables& Marks() { return app_.meeting.Group<ColouringTables>(); }

  static void Fill(model::AnalysedRunnerTable& table, const std::vector<Text>& texts) {
    for (size_t k = 0; k < texts.size(); ++k) table(static_cast<int>(k) + 1) = texts[k];
  }
  void Paint(int runners) { PaintValueBands(grids_.Runners(Grid()), app_.meeting, kRace, runners); }

  std::string Letters(int column, int runners) {
    std::string letters;
    for (int runner = 1; runner <= runners; ++runner) {
      const ui::Color colour = Grid().CellBackColorAt(runner + 1, column);
      if (colour == ui::palette::kPink) {
        letters += 'A';
      } else if (colour == ui::palette::kLightYellow) {
        letters += 'B';
      } else if (colour == ui::palette::kLightCyan) {
        letters += 'C';
      } else if (colour == kBefore) {
        letters += '.';
      } else if (colour == ui::palette::kBlue) {
        letters += 'b';
      } else if (colour == ui::palette::kGreen) {
        letters += 'g';
      } else if (colour == ui::palette::kRed) {
        letters += 'r';
      } else {
        letters += '?';
      }
    }
    return letters;
  }
  std::vector<Text> MarksOf(const model::AnalysedRaceRunnerTable& table, int runners) {
    std::vector<Text> marks;
    for (int runner = 1; runner <= runners; ++runner) marks.push_back(table(kRace, runner));
    return marks;
  }

  // Runs each case on a fresh grid and source, expecting its letters in every one of columns.
  void ExpectBands(model::AnalysedRunnerTable SecondaryAnalysisTables::*source,
                   const std::vector<int>& columns, const std::vector<BandCase>& cases) {
    for (const BandCase& c : cases) {
      SCOPED_TRACE(c.what);
      SetUp();
      const int runners = static_cast<int>(c.texts.size());
      Fill(Secondary().*source, c.texts);
      Paint(runners);
      for (int column : columns) EXPECT_EQ(Letters(column, runners), c.bands) << "column " << column;
    }
  }

  program::Program app_;
  testsupport::WindowGrids grids_;
};

TEST_F(ColourBanding, SpeedValuesBandColumnsOneAndTwo) {
  ExpectBands(&SecondaryAnalysisTables::SpeedValue, {1, 2},
              {
                  {"five near the best: narrow", {u"10", u"14", u"17", u"20", u"25", u"40"}, "AABBC."},
                  {"four near the best: wide", {u"10", u"14", u"17", u"20", u"40"}, "AAAB."},
                  {"none below the start", {u"105", u"110", u"130"}, "AB."},
                  {"narrow edges included", {u"10", u"16", u"22", u"23", u"28", u"29"}, "AABCC."},
                  {"wide edges included", {u"10", u"18", u"26", u"34", u"35"}, "AABC."},
                  {"no value neither best nor crowd", {u"***", u"20", u"27", u"***"}, ".AA."},
                  {"nobody with a value", {u"***", u"***"}, ".."},
              });
}

TEST_F(ColourBanding, CurrentAbilityBandsColumnsFourAndFive) {
  ExpectBands(&SecondaryAnalysisTables::CurrentAbility, {4, 5},
              {
                  {"four near the best", {u"40", u"44", u"47", u"50", u"61"}, "AAABC"},
                  {"no value", {u"***", u"40", u"64", u"65"}, ".AC."},
              });
}

// The predicted-time column is judged by the current ability from a start of 300, the strip beside it
// blue in bands A and B.
TEST_F(ColourBanding, CurrentAbilityBandsThePredictedTimeAndItsStrip) {
  const std::vector<BandCase> cases = {
      {"five near the best", {u"40", u"44", u"47", u"50", u"61"}, "AABBC"},
      {"none below the start", {u"305", u"318", u"330", u"331"}, "ABC."},
      {"no value", {u"***", u"40"}, ".A"},
  };
  const std::vector<std::string> strips = {"bbbb.", "bb..", ".b"};
  for (size_t k = 0; k < cases.size(); ++k) {
    SCOPED_TRACE(cases[k].what);
    SetUp();
    const int runners = static_cast<int>(cases[k].texts.size());
    Fill(Secondary().CurrentAbility, cases[k].texts);
    Paint(runners);
    EXPECT_EQ(Letters(19, runners), cases[k].bands);
    EXPECT_EQ(Letters(20, runners), strips[k]);
  }
}

TEST_F(ColourBanding, ThreeFurlongTimesBandTheirColumns) {
  ExpectBands(
      &SecondaryAnalysisTables::Front3FText, {7},
      {
          {"thin field", {u" 35.0", u" 35.5", u" 36.5"}, "AAC"},
          {"crowded: compared in doubles", {u" 30.2", u" 30.6", u" 30.6", u" 31.0", u" 31.4"}, "ABBBC"},
          {"no value", {u" **.*", u" 35.0"}, ".A"},
      });
  ExpectBands(&SecondaryAnalysisTables::Back3FText, {8},
              {
                  {"thin field, wider band B", {u" 35.0", u" 35.5", u" 36.5", u" 36.9"}, "AAB."},
                  {"no value", {u" **.*", u" 35.0"}, ".A"},
              });
  ExpectBands(&SecondaryAnalysisTables::Total6FText, {9},
              {
                  {"thin field, wider band B", {u"71.0", u"71.5", u"72.5", u"72.8", u"72.9"}, "AABC."},
                  {"crowded", {u"70.0", u"70.4", u"70.8", u"71.0", u"71.2"}, "AABCC"},
                  {"no value", {u"**.*", u"71.0"}, ".A"},
              });
}

// The differences count from the race's best, so the best is 0 whatever the field holds.
TEST_F(ColourBanding, SixFurlongDifferencesBandFromZero) {
  ExpectBands(&SecondaryAnalysisTables::Diff6FText, {10, 11},
              {
                  {"four within 12", {u"00", u"03", u"05", u"09", u"13", u"20"}, "AAABC."},
                  {"five within 12", {u"00", u"04", u"05", u"08", u"12", u"13"}, "AABBC."},
                  {"no zero in the field", {u"07", u"12", u"18", u"19"}, "BBC."},
                  {"no value", {u"**", u"00"}, ".A"},
              });
}

TEST_F(ColourBanding, ImprovementGradesBandByTheirDigit) {
  ExpectBands(&SecondaryAnalysisTables::GradeRise, {14, 15},
              {{"every digit", {u"5", u"4", u"1", u"0", u"*", u"-", u"9", u"2"}, "ABCC..AB"}});
  EXPECT_EQ(MarksOf(Marks().PointForm, 8), (std::vector<Text>{kTop, u"", u"", u"", u"", u"", kTop, u""}));
}

TEST_F(ColourBanding, RestMarksColumnThree) {
  auto& intervals = app_.meeting.Group<basic::PastRunViewTables>().RunInterval[1];
  const std::vector<Text> days = {u"45", u"46", u"89", u"90", u"---", u"365", u""};
  for (size_t k = 0; k < days.size(); ++k) intervals(kRace, static_cast<int>(k) + 1) = days[k];
  Paint(7);
  EXPECT_EQ(Letters(3, 7), ".ggr.r.");
}

// A mark is written in band A or B only; any other band keeps what an earlier click left there.
TEST_F(ColourBanding, HighlightMarksPersistOutsideTheirBands) {
  const std::vector<Text> earlier = {kSecond, kTop, kTop, kSecond, u""};
  for (auto* table : {&Marks().PointFront, &Marks().PointCloser}) {
    for (size_t k = 0; k < earlier.size(); ++k) (*table)(kRace, static_cast<int>(k) + 1) = earlier[k];
  }
  const std::vector<Text> times = {u" 35.0", u" 35.9", u" 36.5", u" **.*", u" 37.0"};
  Fill(Secondary().Front3FText, times);
  Fill(Secondary().Back3FText, times);
  Paint(5);
  EXPECT_EQ(MarksOf(Marks().PointFront, 5), (std::vector<Text>{kTop, kSecond, kTop, kSecond, u""}));
  EXPECT_EQ(MarksOf(Marks().PointCloser, 5), (std::vector<Text>{kTop, kSecond, kSecond, kSecond, u""}));
  // Other races keep theirs.
  EXPECT_EQ(Marks().PointFront(kRace + 1, 1), u"");
}

// Only the value columns and the two strips change; a race outside 1 to 12 changes nothing.
TEST_F(ColourBanding, LeavesTheOtherColumnsAndRacesAlone) {
  for (int runner = 1; runner <= 18; ++runner) {
    Secondary().SpeedValue(runner) = u"10";
    Secondary().CurrentAbility(runner) = u"10";
    Secondary().Front3FText(runner) = u" 35.0";
    Secondary().Back3FText(runner) = u" 35.0";
    Secondary().Total6FText(runner) = u"70.0";
    Secondary().Diff6FText(runner) = u"00";
    Secondary().GradeRise(runner) = u"9";
    app_.meeting.Group<basic::PastRunViewTables>().RunInterval[1](kRace, runner) = u"100";
  }
  for (int race : {0, 13}) {
    PaintValueBands(grids_.Runners(Grid()), app_.meeting, race, 18);
    for (int column = 1; column <= 21; ++column) EXPECT_EQ(Letters(column, 18), std::string(18, '.'));
  }
  Paint(28);  // held to the eighteen rows the tables have
  const std::string painted(18, 'A');
  for (int column : {1, 2, 4, 5, 7, 8, 9, 10, 11, 14, 15, 19})
    EXPECT_EQ(Letters(column, 18), painted) << column;
  EXPECT_EQ(Letters(3, 18), std::string(18, 'r'));
  EXPECT_EQ(Letters(20, 18), std::string(18, 'b'));
  for (int column : {6, 12, 13, 16, 17, 18, 21})
    EXPECT_EQ(Letters(column, 18), std::string(18, '.')) << column;
  for (int row : {0, 1}) EXPECT_NE(Grid().CellBackColorAt(row, 1), ui::palette::kPink);
}

}  // namespace
}  // namespace recommend
