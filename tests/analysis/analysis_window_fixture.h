#pragma once
// The analysis window over a small meeting whose race card is written straight into the tables, as
// the race-card read leaves them: race c has its own summary, name and facts, so that a test sees
// which race filled which text, and a distance taken from a list.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/frm_ag3.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "program/program.h"
#include "ui/grid.h"

namespace analysis_test {

using model::Text;

// Distances of races 1 to 12: race 4 is the longest that can be analysed, race 5 the shortest that
// cannot.
inline constexpr std::array<int, 12> kDistances = {1200, 1800, 1600, 2400, 2500, 1200,
                                                   1400, 2000, 3000, 1000, 1700, 2200};

inline Text Numbered(const char16_t* word, int race) {
  return word + model::NumberToText(race);
}

inline void WriteRaceCard(model::Meeting& meeting) {
  intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  for (int c = 1; c <= 12; ++c) {
    card.RaceSummary(c) = Numbered(u"summary ", c);
    card.RaceName(c) = Numbered(u"name ", c);
    card.RaceClassLabel(c) = Numbered(u"class ", c);
    card.RaceSurfaceLabel(c) = Numbered(u"surface ", c);
    card.RaceDistanceLabel(c) = model::NumberToText(kDistances[static_cast<size_t>(c - 1)]);
    card.RunnerCount(c) = model::NumberToText(c + 6);
    card.RaceEstTimeLabel(c) = Numbered(u"time ", c);
    card.RacePaceLabel(c) = Numbered(u"pace ", c);
  }
}

struct GridPlace {
  double left, top, width, height;
  bool operator==(const GridPlace&) const = default;
};

inline GridPlace PlaceOf(const ui::Control& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

inline void PrintTo(const GridPlace& p, std::ostream* os) {
  *os << p.left << ", " << p.top << ", " << p.width << ", " << p.height;
}

class AnalysisWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.screen.SetSizePixels(1024, 768);
    WriteRaceCard(app_.meeting);
  }
  analysis::frmAg3& Open() { return app_.Show<analysis::frmAg3>(); }
  // Steps from no race shown to race `race` and confirms it.
  static void Confirm(analysis::frmAg3& w, int race) {
    for (int k = 0; k < race; ++k) w.Command16.UserClick();
    w.Command18.UserClick();
  }
  // Confirms race `race` and runs both analyses on it, as far as they are built; today's going is 重
  // unless one was chosen before.
  static void Analyse(analysis::frmAg3& w, int race) {
    Confirm(w, race);
    if (w.Combo1.ListIndex() < 0) w.Combo1.SetListIndex(2);
    w.Command20.UserClick();
    w.Command5.UserClick();
  }

  program::Program app_;
};

}  // namespace analysis_test
