#pragma once
// A small meeting written straight into the tables the navigator and the evaluation window read:
// one confirmed race whose runners' past runs, analyses and colouring marks a test sets cell by cell.

#include <gtest/gtest.h>

#include "analysis/analysed_race.h"
#include "basic/past_run_view_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "navigator/frm_ag13.h"
#include "navigator/frm_ag15.h"
#include "navigator/navigator_tables.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"
#include "secondary/secondary_analysis_tables.h"

namespace navigator_test {

using model::Text;

// A run on turf at course "05" over 1600 m: today's conditions in NavigatorTest.
struct PastRun {
  Text evaluation = u" +00 ";
  Text surface = u"1";
  Text distance = u"1600";
  Text course = u"05";
};

class NavigatorTest : public ::testing::Test {
 protected:
  static constexpr int kRace = 4;

  void SetUp() override {
    app_.screen.SetSizePixels(1024, 768);
    analysis::SetAnalysedRace(app_.meeting, kRace);
    SetRace(u"1600", 3);
  }

  // Today's race: turf at course "05", the distance in both distance texts, n runners named.
  void SetRace(const Text& distance, int runner_count) {
    Card().RaceDistance(kRace) = distance;
    Card().RaceDistanceLabel(kRace) = distance;
    Card().RaceSurfaceCode(kRace) = u"1";
    Card().RaceCourseCode(kRace) = u"05";
    Card().RunnerCount(kRace) = model::NumberToText(runner_count);
    for (int i = 1; i <= 28; ++i) Card().HorseName(kRace, i) = u"horse " + model::NumberToText(i);
  }

  // Past run b (1 the latest) of runner i.
  void SetRun(int i, int b, const PastRun& run) {
    Views().RealEvalText[b](i) = run.evaluation;
    Runs().RunSurfaceCode[b](kRace, i) = run.surface;
    Runs().RunDistance[b](kRace, i) = run.distance;
    Runs().RunCourseCode[b](kRace, i) = run.course;
  }

  intake::RaceCardTables& Card() { return app_.meeting.Group<intake::RaceCardTables>(); }
  intake::PastRunTables& Runs() { return app_.meeting.Group<intake::PastRunTables>(); }
  basic::PastRunViewTables& Views() { return app_.meeting.Group<basic::PastRunViewTables>(); }
  secondary::SecondaryAnalysisTables& Secondary() {
    return app_.meeting.Group<secondary::SecondaryAnalysisTables>();
  }
  recommend::ColouringTables& Colouring() { return app_.meeting.Group<recommend::ColouringTables>(); }
  navigator::NavigatorTables& Stats() { return app_.meeting.Group<navigator::NavigatorTables>(); }

  navigator::frmAg13& Navigator() { return app_.Show<navigator::frmAg13>(); }
  navigator::frmAg15& Evaluation() { return app_.Show<navigator::frmAg15>(); }

  program::Program app_;
};

}  // namespace navigator_test
