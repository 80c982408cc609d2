#include "basetime/going_correction.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "basetime/base_time_tables.h"
#include "basetime/runner_range.h"
#include "basetime/tenths_text.h"
#include "intake/past_run_decoder.h"
#include "intake/past_run_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace basetime {

using model::FloorNumber;
using model::Text;
using model::TextToNumber;

namespace {

constexpr double kLongestCorrected = 2400;
// Tenths that an int64 holds exactly, well inside what TenthsPatternText writes.
constexpr double kLargestWholeTenths = 1e12;

// The going term of a turf run: a share of d / 10 / 20 that grows with the going.
std::optional<double> TurfGoingTerm(double d, const Text& going) {
  if (going == u"1") return d / 10 * 0.5 / 20;
  if (going == u"2") return d / 10 / 20;
  if (going == u"3") return d / 10 * 0.9 / 20;
  return std::nullopt;
}

// The going term of a dirt run: a share of the squared distance in hundreds of metres over 23.
std::optional<double> DirtGoingTerm(double d, const Text& going) {
  const double hundreds = d / 100;
  if (going == u"1") return hundreds * hundreds * 0.6 / 23;
  if (going == u"2") return hundreds * hundreds / 23;
  if (going == u"3") return hundreds * hundreds * 0.2 / 23;
  return std::nullopt;
}

// NumberToPatternText(tenths / 10, "0.0") of a whole number of tenths, written from them.
std::optional<Text> WholeTenthsText(double tenths) {
  if (!(std::fabs(tenths) < kLargestWholeTenths)) return std::nullopt;
  return TenthsPatternText(static_cast<std::int64_t>(tenths), 1);
}

}  // namespace

std::optional<Text> GoingCorrectionText(const Text& distance, const Text& surface_code,
                                        const Text& going_code) {
  const double d = TextToNumber(distance);
  if (!(d <= kLongestCorrected)) return std::nullopt;
  const bool turf = surface_code == u"1";
  const bool dirt = surface_code == u"0";
  if (!turf && !dirt) return std::nullopt;
  if (going_code == u"0") return Text(u" 0.0");
  const std::optional<double> x = turf ? TurfGoingTerm(d, going_code) : DirtGoingTerm(d, going_code);
  if (!x) return std::nullopt;
  // The +1 moves every corrected run by at least a tenth.
  const double tenths = FloorNumber(*x) + 1;
  Text correction = turf ? u"-" : u"+";
  if (std::optional<Text> text = WholeTenthsText(tenths)) return correction + *text;
  return correction + model::NumberToPatternText(tenths / 10, u"0.0");
}

namespace {
const Text kWinnersMargin = u"0.0";
}

const Text& WinnerMargin(const Text& position_text, const Text& margin_text) {
  return TextToNumber(position_text) == 1 ? kWinnersMargin : margin_text;
}

double CorrectedWinnerTime(const Text& time_seconds, const Text& correction, const Text& position_text,
                           const Text& margin_text) {
  const Text& margin = WinnerMargin(position_text, margin_text);
  return TextToNumber(time_seconds) + TextToNumber(correction) - TextToNumber(margin);
}

namespace {

// NumberToText of CorrectedWinnerTime, on tenths where they give the same text.
Text CorrectedWinnerText(const Text& time_seconds, const Text& correction, const Text& position_text,
                         const Text& margin_text) {
  std::optional<Text> text =
      SumLessTenthsText(time_seconds, correction, WinnerMargin(position_text, margin_text));
  if (text) return std::move(*text);
  return model::NumberToText(CorrectedWinnerTime(time_seconds, correction, position_text, margin_text));
}

}  // namespace

// Every runner table has the same shape: the cell is found once and read from each of them.
void CorrectRunTime(const intake::PastRunTables& past, BaseTimeTables& base, int r, int j, int k) {
  const size_t cell = intake::RunnerCellIndex(base.RunGoingCorr[k], r, j);
  const auto at = [k, cell](const model::RunnerFamily& family) -> const Text& {
    return family[k].CellAt(cell);
  };
  std::optional<Text> correction =
      GoingCorrectionText(at(past.RunDistance), at(past.RunSurfaceCode), at(past.RunGoingCode));
  Text& correction_cell = base.RunGoingCorr[k].CellAt(cell);
  if (correction) correction_cell = std::move(*correction);
  base.RunWinTimeAdj[k].CellAt(cell) = CorrectedWinnerText(at(past.RunTimeSeconds), correction_cell,
                                                           at(past.RunPositionText), at(past.RunMarginText));
}

void CorrectRunTimes(model::Meeting& meeting) {
  const intake::PastRunTables& past = meeting.Group<intake::PastRunTables>();
  BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  for (int r = 1; r <= model::kRaces; ++r) {
    const int last_runner = LastRunnerOf(meeting, r);
    for (int j = 1; j <= last_runner; ++j) {
      for (int k = 1; k <= model::kPastRuns; ++k) CorrectRunTime(past, base, r, j, k);
    }
  }
}

}  // namespace basetime
