#include "basic/todays_surface_evaluations.h"

#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"

namespace basic {

namespace {

using model::Text;

const Text kValid = u"5";
const Text kNotValid = u"1";

}  // namespace

void PickTodaysSurfaceEvaluations(model::Meeting& meeting, int race, int runners) {
  const intake::PastRunTables& runs = meeting.Group<intake::PastRunTables>();
  const Text& today_surface = meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(race);
  BasicAnalysisTables& t = meeting.Group<BasicAnalysisTables>();
  const bool turf_today = today_surface == u"1";
  const bool dirt_today = today_surface == u"0";
  for (int runner = 1; runner <= runners; ++runner) {
    Text mask;
    for (int run = 5; run >= 1; --run) {
      Text& eval = t.RunEval[run](runner);
      eval = turf_today ? t.RunTurfEval[run](runner) : dirt_today ? t.RunDirtEval[run](runner) : kNoValue;
      const bool valid = runs.RunSurfaceCode[run](race, runner) == today_surface && eval != kNoValue;
      t.RunValid[run](runner) = valid ? kValid : kNotValid;
      mask += t.RunValid[run](runner);
    }
    t.RunMask(runner) = mask;
  }
}

}  // namespace basic
