#include "secondary/class_time_views.h"

#include <cmath>
#include <optional>

#include "analysis/analysed_race.h"
#include "analysis/runner_grid.h"
#include "basic/basic_analysis_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "model/time_text.h"
#include "secondary/class_position.h"
#include "secondary/secondary_analysis_tables.h"
#include "ui/grid.h"

namespace secondary {

using model::Text;

namespace {

constexpr int kRuns = 5;
// The blanks between the characters are ideographic ones.
const Text kClassTitle = u"ク\u3000ラ\u3000ス";
const Text kTimeTitle = u"タ\u3000イ\u3000ム";
const Text kNoClassPosition = u"----";
const Text kNoPredictedTime = u"+.++.+";
const Text kNoEvaluation = u"---";
const Text kCountsToday = u"5";
const Text kTurf = u"1";
const Text kDirt = u"0";

void WriteTitle(analysis::PastRunGridWriter& grid, const Text& title) {
  for (int run = kRuns; run >= 1; --run)
    grid.SetCellText(analysis::kGridTitleRow, analysis::PastRunColumnOf(run), title);
}

void WriteRun(analysis::PastRunGridWriter& grid, int runner, int run, const Text& text) {
  grid.SetCellText(analysis::RunnerRow(runner), analysis::PastRunColumnOf(run), text);
}

// Surface-match codes: "2" and "3" are turf runs, "4" and "5" dirt runs.
// NOLINTBEGIN(readability-identifier-naming): the mappers' argument words
Text ClassPositionOfRun(const Text& valid, const Text& surface_match, const Text& CourseArg,
                        const Text& ValueArg) {
  if (valid == kCountsToday && (surface_match == u"2" || surface_match == u"3")) {
    return TurfClassPosition(CourseArg, ValueArg);
  }
  if (valid == kCountsToday && (surface_match == u"4" || surface_match == u"5")) {
    return DirtClassPosition(CourseArg, ValueArg);
  }
  return kNoClassPosition;
}
// NOLINTEND(readability-identifier-naming)

// Blanks skipped, as the number reading does: a sign, then a digit or a point and a digit.
bool BeginsWithNumber(const Text& text) {
  bool signed_already = false;
  bool point_already = false;
  for (char16_t c : text) {
    if (c == u' ') continue;
    if (c >= u'0' && c <= u'9') return true;
    if ((c == u'+' || c == u'-') && !signed_already && !point_already) {
      signed_already = true;
    } else if (c == u'.' && !point_already) {
      point_already = true;
    } else {
      return false;
    }
  }
  return false;
}

// Today's standard time in seconds, of the turf or the dirt table by today's surface; none while that
// table has no time for today's course and distance, or today's surface is neither.
std::optional<double> TodaysStandardSeconds(const model::Meeting& meeting, int race) {
  const Text& surface = meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(race);
  const basic::BasicAnalysisTables& basic = meeting.Group<basic::BasicAnalysisTables>();
  Text standard;
  if (surface == kTurf) standard = basic.TodayTurfStdTime();
  if (surface == kDirt) standard = basic.TodayDirtStdTime();
  if (!BeginsWithNumber(standard)) return std::nullopt;
  return model::TextToNumber(standard);
}

// The evaluation in seconds as its 15-digit text reads back, so that -12.5 adds exactly -1.25; a value
// out of range stays out of range instead of reading back as 0.
double SecondsOfEvaluation(const Text& evaluation) {
  const double seconds = model::TextToNumber(evaluation) / 10;
  if (!std::isfinite(seconds)) return seconds;
  return model::TextToNumber(model::NumberToText(seconds));
}

Text PredictedTimeOfRun(std::optional<double> standard_seconds, const Text& evaluation) {
  if (evaluation == kNoEvaluation || !standard_seconds) return kNoPredictedTime;
  const double seconds = *standard_seconds + SecondsOfEvaluation(evaluation);
  if (!std::isfinite(seconds) || seconds <= 0) return kNoPredictedTime;
  const Text TimeArg = model::NumberToText(seconds);  // NOLINT(readability-identifier-naming)
  return model::SecondsToTimeText(TimeArg);
}

}  // namespace

void ShowClassView(analysis::PastRunGridWriter& grid, model::Meeting& meeting) {
  WriteTitle(grid, kClassTitle);
  const int race = analysis::AnalysedRaceIndex(meeting);
  const int runners = analysis::AnalysedRunnerCount(meeting);
  if (race == 0) return;
  const basic::BasicAnalysisTables& basic = meeting.Group<basic::BasicAnalysisTables>();
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const Text& course = meeting.Group<intake::RaceCardTables>().RaceCourseCode(race);
  for (int runner = 1; runner <= runners; ++runner) {
    for (int run = kRuns; run >= 1; --run) {
      t.RunClassPos[run](runner) =
          ClassPositionOfRun(basic.RunValid[run](runner), basic.RunSurfaceMatch[run](runner), course,
                             basic.RunEval[run](runner));
      WriteRun(grid, runner, run, t.RunClassPos[run](runner));
    }
  }
}

void ShowTimeView(analysis::PastRunGridWriter& grid, model::Meeting& meeting) {
  WriteTitle(grid, kTimeTitle);
  const int race = analysis::AnalysedRaceIndex(meeting);
  const int runners = analysis::AnalysedRunnerCount(meeting);
  if (race == 0) return;
  const std::optional<double> standard_seconds = TodaysStandardSeconds(meeting, race);
  const basic::BasicAnalysisTables& basic = meeting.Group<basic::BasicAnalysisTables>();
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  for (int runner = 1; runner <= runners; ++runner) {
    for (int run = kRuns; run >= 1; --run) {
      t.RunPredTime[run](runner) = PredictedTimeOfRun(standard_seconds, basic.RunEval[run](runner));
      WriteRun(grid, runner, run, t.RunPredTime[run](runner));
    }
  }
}

}  // namespace secondary
