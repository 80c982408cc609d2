#include "basetime/run_summary.h"

#include "basetime/base_time_tables.h"
#include "basetime/going_correction.h"
#include "basetime/runner_range.h"
#include "intake/past_run_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"

namespace basetime {

using model::Left;
using model::NumberToPatternText;
using model::Text;
using model::TextToNumber;

const Text kUnusableRunMark = u"-------------------------------";

namespace {

constexpr double kLongestUsable = 2500;
constexpr double kLastPosition = 28;

Text CourseLetter(const Text& courseName) {
  // 中京 and 中山 share their first character; 中京 takes the letter of its old name.
  if (courseName == u"中京") return u"名";
  return Left(courseName, 1);
}

Text ClassLetter(const Text& className) {
  if (className == u"500万") return u"五";
  if (className == u"900万") return u"九";
  if (className == u"1600万") return u"ジ";
  return Left(className, 1);
}

// A run without its own time, or whose winner time comes out at 0 or below, carries "000.0" here so
// that the accumulation neither sums nor counts a time built from the correction and margin alone.
Text WinnerTimePiece(const Text& timeSeconds, const Text& winnerTime) {
  const double winner = TextToNumber(winnerTime);
  if (TextToNumber(timeSeconds) == 0 || winner <= 0) return u"000.0";
  return NumberToPatternText(winner, u"000.0");
}

}  // namespace

bool IsUsableRun(const Text& courseName, const Text& distanceText, const Text& rawPosition) {
  const Text courseInitial = Left(courseName, 1);
  if (courseInitial == u"な" || courseInitial == u"公") return false;
  if (TextToNumber(distanceText) > kLongestUsable) return false;
  const double position = TextToNumber(rawPosition);
  return position <= kLastPosition && position != 0;
}

Text RunSummaryRecord(const RunSummaryInput& run) {
  return CourseLetter(run.courseName) + ClassLetter(run.className) + Left(run.distanceText, 2) +
         Left(run.surfaceName, 1) + Left(run.goingName, 1) + u" " +
         NumberToPatternText(TextToNumber(run.timeSeconds), u"000.0") + u" " +
         WinnerMarginText(run.positionText, run.marginText) + u" " + run.goingCorrection + u" " +
         WinnerTimePiece(run.timeSeconds, run.winnerTime);
}

namespace {

void SummarizeRun(model::Meeting& meeting, int r, int j, int k) {
  intake::PastRunTables& past = meeting.Group<intake::PastRunTables>();
  BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  if (!IsUsableRun(past.RunCourseName[k](r, j), past.RunDistanceText[k](r, j), past.RunPosition[k](r, j))) {
    base.RunSummary[k](r, j) = kUnusableRunMark;
    return;
  }
  if (TextToNumber(past.RunTimeSeconds[k](r, j)) == 0) past.RunMarginText[k](r, j) = u"0.0";
  base.RunSummary[k](r, j) = RunSummaryRecord({
      .courseName = past.RunCourseName[k](r, j),
      .className = past.RunClassName[k](r, j),
      .distanceText = past.RunDistanceText[k](r, j),
      .surfaceName = past.RunSurfaceName[k](r, j),
      .goingName = past.RunGoingName[k](r, j),
      .timeSeconds = past.RunTimeSeconds[k](r, j),
      .positionText = past.RunPositionText[k](r, j),
      .marginText = past.RunMarginText[k](r, j),
      .goingCorrection = base.RunGoingCorr[k](r, j),
      .winnerTime = base.RunWinTimeAdj[k](r, j),
  });
}

}  // namespace

void SummarizeRuns(model::Meeting& meeting) {
  for (int r = 1; r <= 12; ++r) {
    const int lastRunner = LastRunnerOf(meeting, r);
    for (int j = 1; j <= lastRunner; ++j) {
      for (int k = 1; k <= 5; ++k) SummarizeRun(meeting, r, j, k);
    }
  }
}

void BuildRunSummaries(model::Meeting& meeting) {
  CorrectRunTimes(meeting);
  SummarizeRuns(meeting);
}

}  // namespace basetime
