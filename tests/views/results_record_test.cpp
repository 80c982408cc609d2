// The results-record window: the record texts rewritten into their display form without moving a
// count, and the two layouts that put today's surface in the left half.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "ui/palette.h"
#include "views/frm_ag10.h"
#include "views/record_display_text.h"

namespace views {
namespace {

using model::Text;

TEST(RecordDisplayText, KeepsEveryCountTwoCharactersWide) {
  struct Case {
    Text stored, display;
  };
  const Case cases[] = {
      {u"01 02 00 12", u" 1- 2- 0-12"},
      {u"10-11-12-13", u"10-11-12-13"},
      {u"00 00 00 00", u" 0- 0- 0- 0"},
      {u" 1- 2- 0-12", u" 1- 2- 0-12"},     // already shown: unchanged
      {u"5  9  09 99", u" 5- 9- 9-99"},     // one digit before or after a blank
      {u"   01 02 03", u"  - 1- 2- 3"},     // a blank piece stays two blanks
      {u"+1 ab 1. 07", u"+1-ab-1.- 7"},     // no count: kept as it stands
      {u"01 02 03 04 05", u" 1- 2- 3- 4"},  // longer: rebuilt to 11
      {u"01 02 03 0", u"01 02 03 0"},       // shorter: unchanged
      {u"", u""},
  };
  for (const Case& c : cases) {
    const Text display = RecordDisplayText(c.stored);
    EXPECT_EQ(display, c.display) << model::ToUtf8(c.stored);
    EXPECT_EQ(RecordDisplayText(display), display) << model::ToUtf8(c.stored);
  }
}

class ResultsRecord : public ::testing::Test {
 protected:
  static constexpr int kRace = 4;
  static constexpr int kRunners = 3;

  void SetRace(const Text& surface) {
    auto& card = app_.meeting.Group<intake::RaceCardTables>();
    card.RaceSurfaceCode(kRace) = surface;
    card.RunnerCount(kRace) = Text(u"") + static_cast<char16_t>(u'0' + kRunners);
    analysis::SetAnalysedRace(app_.meeting, kRace);
    auto& records = app_.meeting.Group<intake::PastRunTables>().RecordCounts;
    for (int j = 1; j <= kRunners + 1; ++j) {
      for (int k = 1; k <= 29; ++k) records[k](kRace, j) = StoredText(k, j);
    }
    records[5](kRace + 1, 1) = u"01 01 01 01";
  }
  // Table k, runner j: "0j" then k split into two counts, so that every cell names its table.
  static Text StoredText(int k, int j) {
    const std::string s =
        "0" + std::to_string(j) + " 0" + std::to_string(k / 10) + " 0" + std::to_string(k % 10) + " 00";
    return model::FromUtf8(s);
  }
  static Text ShownText(int k, int j) {
    return model::FromUtf8(" " + std::to_string(j) + "- " + std::to_string(k / 10) + "- " +
                           std::to_string(k % 10) + "- 0");
  }
  frmAg10& Open() { return app_.Show<frmAg10>(); }

  program::Program app_;
};

TEST_F(ResultsRecord, TurfRacesShowTurfOnTheLeft) {
  SetRace(u"1");
  const ui::FlexGrid& g = Open().MSFlexGrid1;
  const int turf[] = {2, 3, 6, 7, 8, 9, 14, 15, 16, 17, 18, 19, 20, 21};
  const int dirt[] = {4, 5, 10, 11, 12, 13, 22, 23, 24, 25, 26, 27, 28, 29};
  for (int j = 1; j <= kRunners; ++j) {
    EXPECT_EQ(g.TextMatrix(j + 2, 0), ShownText(1, j));
    for (int c = 1; c <= 14; ++c) {
      EXPECT_EQ(g.TextMatrix(j + 2, c), ShownText(turf[c - 1], j)) << c;
      EXPECT_EQ(g.TextMatrix(j + 2, c + 15), ShownText(dirt[c - 1], j)) << c;
    }
    EXPECT_EQ(g.TextMatrix(j + 2, 15), u"");
  }
  EXPECT_EQ(g.TextMatrix(0, 1), u"芝・廻り");
  EXPECT_EQ(g.TextMatrix(0, 14), u"芝・距離");
  EXPECT_EQ(g.TextMatrix(0, 19), u"ダ－ト・馬場");
  EXPECT_EQ(g.TextMatrix(0, 15), u"");
  EXPECT_EQ(g.TextMatrix(1, 29), u"2200m ～");
  EXPECT_EQ(g.TextMatrix(1, 15), u"");
}

TEST_F(ResultsRecord, DirtRacesShowTheMirrorImage) {
  SetRace(u"0");
  const ui::FlexGrid& g = Open().MSFlexGrid1;
  EXPECT_EQ(g.TextMatrix(3, 19), ShownText(7, 1));
  EXPECT_EQ(g.TextMatrix(5, 29), ShownText(21, 3));
  EXPECT_EQ(g.TextMatrix(4, 1), ShownText(4, 2));
  EXPECT_EQ(g.TextMatrix(0, 2), u"ダ－ト・廻り");
  EXPECT_EQ(g.TextMatrix(0, 16), u"芝・廻り");
  EXPECT_EQ(g.TextMatrix(0, 0), u"連対成績");
}

TEST_F(ResultsRecord, AnotherSurfaceShowsHeadsOnlyButStillRewrites) {
  SetRace(u"2");
  const ui::FlexGrid& g = Open().MSFlexGrid1;
  EXPECT_EQ(g.TextMatrix(0, 0), u"連対成績");
  for (int c = 1; c < 30; ++c) EXPECT_EQ(g.TextMatrix(0, c), u"") << c;
  for (int r = 3; r < 21; ++r) {
    for (int c = 0; c < 30; ++c) EXPECT_EQ(g.TextMatrix(r, c), u"") << r << "," << c;
  }
  EXPECT_EQ(g.TextMatrix(1, 4), u"やや重");
  EXPECT_EQ(app_.meeting.Group<intake::PastRunTables>().RecordCounts[11](kRace, 2), ShownText(11, 2));
  EXPECT_EQ(g.CellBackColorAt(3, 0), ui::palette::kLightYellow);
}

TEST_F(ResultsRecord, TintsAlternateColumnsOfTheRunnerRowsOnly) {
  SetRace(u"1");
  const ui::FlexGrid& g = Open().MSFlexGrid1;
  const ui::Color plain = g.CellBackColorAt(20, 0);
  EXPECT_NE(plain, ui::palette::kLightYellow);
  for (int r = 3; r < 21; ++r) {
    for (int c = 0; c < 30; ++c) {
      const bool tinted = r <= kRunners + 2 && (c < 15 ? c % 2 == 0 : c % 2 == 1);
      EXPECT_EQ(g.CellBackColorAt(r, c), tinted ? ui::palette::kLightYellow : plain) << r << "," << c;
    }
  }
}

TEST_F(ResultsRecord, LoadingTwiceGivesTheSameTextsAndTouchesOnlyTheRace) {
  SetRace(u"1");
  auto& records = app_.meeting.Group<intake::PastRunTables>().RecordCounts;
  std::vector<Text> first;
  {
    frmAg10& w = Open();
    for (int r = 0; r < 21; ++r) {
      for (int c = 0; c < 30; ++c) first.push_back(w.MSFlexGrid1.TextMatrix(r, c));
    }
    w.Unload();
  }
  EXPECT_EQ(records[13](kRace, 3), ShownText(13, 3));
  EXPECT_EQ(records[13](kRace, kRunners + 1), StoredText(13, kRunners + 1));
  EXPECT_EQ(records[5](kRace + 1, 1), u"01 01 01 01");
  frmAg10& w = Open();
  std::vector<Text> second;
  for (int r = 0; r < 21; ++r) {
    for (int c = 0; c < 30; ++c) second.push_back(w.MSFlexGrid1.TextMatrix(r, c));
  }
  EXPECT_EQ(second, first);
  EXPECT_EQ(records[13](kRace, 3), ShownText(13, 3));
}

TEST_F(ResultsRecord, ABlankRunnerCountShowsHeadsOnly) {
  SetRace(u"1");
  app_.meeting.Group<intake::RaceCardTables>().RunnerCount(kRace) = u"";
  const ui::FlexGrid& g = Open().MSFlexGrid1;
  EXPECT_EQ(g.TextMatrix(3, 1), u"");
  EXPECT_EQ(app_.meeting.Group<intake::PastRunTables>().RecordCounts[2](kRace, 1), StoredText(2, 1));
}

}  // namespace
}  // namespace views
