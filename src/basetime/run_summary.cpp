#include "basetime/run_summary.h"

#include <string_view>

#include "basetime/base_time_tables.h"
#include "basetime/going_correction.h"
#include "basetime/runner_range.h"
#include "basetime/tenths_text.h"
#include "intake/past_run_decoder.h"
#include "intake/past_run_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace basetime {

using model::NumberToPatternText;
using model::Text;
using model::TextToNumber;

const Text kUnusableRunMark = u"-------------------------------";

namespace {

constexpr double kLongestUsable = 2500;
constexpr double kLastPosition = 28;

// The first count characters, as Left gives them, without a text of their own.
std::u16string_view Head(const Text& text, size_t count) {
  return std::u16string_view(text).substr(0, count);
}

std::u16string_view CourseLetter(const Text& course_name) {
  // 中京 and 中山 share their first character; 中京 takes the letter of its old name.
  if (course_name == u"中京") return u"名";
  return Head(course_name, 1);
}

std::u16string_view ClassLetter(const Text& class_name) {
  if (class_name == u"500万") return u"五";
  if (class_name == u"900万") return u"九";
  if (class_name == u"1600万") return u"ジ";
  return Head(class_name, 1);
}

// A run's own time, appended to its record.
void AppendTimePiece(const Text& time_text, double time_seconds, Text& record) {
  if (AppendPaddedTenthsText(time_text, 3, record)) return;
  record += NumberToPatternText(time_seconds, u"000.0");
}

// A run without its own time, or whose winner time comes out at 0 or below, carries "000.0" here so
// that the accumulation neither sums nor counts a time built from the correction and margin alone.
// (A plain winner time is never below 0, and gives "000.0" at 0.)
void AppendWinnerTimePiece(double time_seconds, const Text& winner_time, Text& record) {
  if (time_seconds == 0) {
    record += u"000.0";
    return;
  }
  if (AppendPaddedTenthsText(winner_time, 3, record)) return;
  const double winner = TextToNumber(winner_time);
  if (winner <= 0) {
    record += u"000.0";
    return;
  }
  record += NumberToPatternText(winner, u"000.0");
}

// Room for the letters, the two five-digit times and the usual margin and correction.
constexpr size_t kUsualRecordLength = 32;

// The texts of RunSummaryInput where they stand in the tables, so that a record copies none of them.
struct RunSummaryTexts {
  const Text &course_name, &class_name, &distance_text, &surface_name, &going_name;
  const Text &time_seconds, &position_text, &margin_text, &going_correction, &winner_time;
};

// The record of a run whose own time reads as time_seconds.
Text SummaryRecord(const RunSummaryTexts& run, double time_seconds) {
  Text record;
  record.reserve(kUsualRecordLength);
  record += CourseLetter(run.course_name);
  record += ClassLetter(run.class_name);
  record += Head(run.distance_text, 2);
  record += Head(run.surface_name, 1);
  record += Head(run.going_name, 1);
  record += u' ';
  AppendTimePiece(run.time_seconds, time_seconds, record);
  record += u' ';
  record += WinnerMargin(run.position_text, run.margin_text);
  record += u' ';
  record += run.going_correction;
  record += u' ';
  AppendWinnerTimePiece(time_seconds, run.winner_time, record);
  return record;
}

}  // namespace

bool IsUsableRun(const Text& course_name, const Text& distance_text, const Text& raw_position) {
  const std::u16string_view course_initial = Head(course_name, 1);
  if (course_initial == u"な" || course_initial == u"公") return false;
  if (TextToNumber(distance_text) > kLongestUsable) return false;
  const double position = TextToNumber(raw_position);
  return position <= kLastPosition && position != 0;
}

Text RunSummaryRecord(const RunSummaryInput& run) {
  return SummaryRecord(
      {run.course_name, run.class_name, run.distance_text, run.surface_name, run.going_name, run.time_seconds,
       run.position_text, run.margin_text, run.going_correction, run.winner_time},
      TextToNumber(run.time_seconds));
}

namespace {

void SummarizeRun(intake::PastRunTables& past, BaseTimeTables& base, int r, int j, int k) {
  // Every runner table has the same shape: the cell is found once and read from each of them.
  const size_t cell = intake::RunnerCellIndex(base.RunSummary[k], r, j);
  const auto at = [k, cell](model::RunnerFamily& family) -> Text& { return family[k].CellAt(cell); };
  const Text& course_name = at(past.RunCourseName);
  const Text& distance_text = at(past.RunDistanceText);
  Text& summary = at(base.RunSummary);
  if (!IsUsableRun(course_name, distance_text, at(past.RunPosition))) {
    summary = kUnusableRunMark;
    return;
  }
  const Text& time_text = at(past.RunTimeSeconds);
  Text& margin_text = at(past.RunMarginText);
  const double time_seconds = TextToNumber(time_text);
  if (time_seconds == 0) margin_text = u"0.0";
  summary = SummaryRecord(
      {
          .course_name = course_name,
          .class_name = at(past.RunClassName),
          .distance_text = distance_text,
          .surface_name = at(past.RunSurfaceName),
          .going_name = at(past.RunGoingName),
          .time_seconds = time_text,
          .position_text = at(past.RunPositionText),
          .margin_text = margin_text,
          .going_correction = at(base.RunGoingCorr),
          .winner_time = at(base.RunWinTimeAdj),
      },
      time_seconds);
}

}  // namespace

void BuildRunSummaries(model::Meeting& meeting) {
  // One pass, run by run: a run's summary reads only its own correction, and its correction reads
  // its margin text before the summary may set it.
  intake::PastRunTables& past = meeting.Group<intake::PastRunTables>();
  BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  for (int r = 1; r <= 12; ++r) {
    const int last_runner = LastRunnerOf(meeting, r);
    for (int j = 1; j <= last_runner; ++j) {
      for (int k = 1; k <= model::kPastRuns; ++k) {
        CorrectRunTime(past, base, r, j, k);
        SummarizeRun(past, base, r, j, k);
      }
    }
  }
}

}  // namespace basetime
