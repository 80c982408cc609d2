#pragma once
// Small hand-made meetings for the base-time build: past runs set directly in the tables, as the
// past-performance read leaves them.

#include "intake/past_run_tables.h"
#include "model/meeting.h"
#include "model/numbers.h"

namespace basetime::testing {

using model::Text;

// One past run by the texts the build reads. Defaults: the winner of a 500万 race over 1600 m of
// good turf at 東京 in 95.3 s.
struct PastRun {
  Text course_name = u"東京";
  Text class_name = u"500万";
  Text distance = u"1600";  // raw field, 4 characters
  Text surface_code = u"1";
  Text going_code = u"0";
  Text position = u"01";  // raw field, 2 characters
  Text time_seconds = u"95.3";
  Text margin_text = u"0.0";
};

// The display texts that the past-run decoding gives for the raw codes used here.
inline Text SurfaceNameOf(const Text& code) {
  if (code == u"1") return u"芝";
  if (code == u"0") return u"ダ－ト";
  if (code == u" ") return u"なし";
  return u"";
}

inline Text GoingNameOf(const Text& code) {
  if (code == u"0") return u"良";
  if (code == u"1") return u"や";
  if (code == u"2") return u"重";
  if (code == u"3") return u"不";
  if (code == u" ") return u"なし";
  return u"";
}

inline Text PositionTextOf(const Text& raw) {
  if (model::TextToNumber(raw) < 31 && raw != u"  " && raw != u"00") return raw;
  return u"なし";
}

inline void SetPastRun(model::Meeting& m, int race, int runner, int k, const PastRun& run) {
  intake::PastRunTables& p = m.Group<intake::PastRunTables>();
  p.RunCourseName[k](race, runner) = run.course_name;
  p.RunClassName[k](race, runner) = run.class_name;
  p.RunDistance[k](race, runner) = run.distance;
  p.RunDistanceText[k](race, runner) = run.distance == u"    " ? Text(u"なし") : run.distance;
  p.RunSurfaceCode[k](race, runner) = run.surface_code;
  p.RunSurfaceName[k](race, runner) = SurfaceNameOf(run.surface_code);
  p.RunGoingCode[k](race, runner) = run.going_code;
  p.RunGoingName[k](race, runner) = GoingNameOf(run.going_code);
  p.RunPosition[k](race, runner) = run.position;
  p.RunPositionText[k](race, runner) = PositionTextOf(run.position);
  p.RunTimeSeconds[k](race, runner) = run.time_seconds;
  p.RunMarginText[k](race, runner) = run.margin_text;
}

// A run slot of a horse with fewer than five runs: a blank block.
inline PastRun BlankRun() {
  return {.course_name = u"なし",
          .class_name = u"なし",
          .distance = u"    ",
          .surface_code = u" ",
          .going_code = u" ",
          .position = u"  ",
          .time_seconds = u"0",
          .margin_text = u"なし"};
}

}  // namespace basetime::testing
