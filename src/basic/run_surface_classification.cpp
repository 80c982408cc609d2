#include "basic/run_surface_classification.h"

#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"

namespace basic {

namespace {

using model::Text;

constexpr int kFirstLocalCourse = 10;

// A run counts only at one of the ten central courses; two blanks is no run at all.
bool IsUsableCourse(const Text& course_code) {
  return course_code != u"  " && model::TextToNumber(course_code) < kFirstLocalCourse;
}

// The class of a run at a usable course; "1" where the codes match no pair, which a later step reads
// as a run that counts for neither surface.
Text SurfacePairCode(const Text& run_surface, const Text& today_surface) {
  if (run_surface == u"1" && today_surface == u"1") return u"2";
  if (run_surface == u"1" && today_surface == u"0") return u"3";
  if (run_surface == u"0" && today_surface == u"0") return u"4";
  if (run_surface == u"0" && today_surface == u"1") return u"5";
  return u"1";
}

}  // namespace

void ClassifyRunSurfaces(model::Meeting& meeting, int race, int runners) {
  const intake::PastRunTables& runs = meeting.Group<intake::PastRunTables>();
  const Text& today_surface = meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(race);
  BasicAnalysisTables& out = meeting.Group<BasicAnalysisTables>();
  for (int runner = 1; runner <= runners; ++runner) {
    for (int run = 5; run >= 1; --run) {
      out.RunSurfaceMatch[run](runner) =
          IsUsableCourse(runs.RunCourseCode[run](race, runner))
              ? SurfacePairCode(runs.RunSurfaceCode[run](race, runner), today_surface)
              : Text(u"1");
    }
  }
}

}  // namespace basic
