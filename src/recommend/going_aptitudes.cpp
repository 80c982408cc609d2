#include "recommend/going_aptitudes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <string_view>

#include "analysis/analysis_window_tables.h"
#include "intake/past_run_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "recommend/colouring_tables.h"

namespace recommend {

namespace {

using model::Text;

constexpr int kCountWidth = 2;
constexpr double kFirstPoints = 6;
constexpr double kSecondPoints = 3;
constexpr double kThirdPoints = 1;
constexpr double kPointsFactor = 10;
constexpr double kPercent = 100;

// The horse file writes its counts as two digits or a blank and a digit; those are read here
// directly, and any other text goes through the general reading.
double CountAt(const Text& record, int position) {
  const std::u16string_view count = model::MidView(record, position, kCountWidth);
  if (count.size() == 2 && model::IsAsciiDigit(count[1])) {
    if (model::IsAsciiDigit(count[0])) return (count[0] - u'0') * 10 + (count[1] - u'0');
    if (count[0] == u' ') return count[1] - u'0';
  }
  return std::max(0.0, model::TextToNumber(count));
}

// "+" and the whole value's digits; a value the counts cannot reach goes through the general text.
Text PlusWholeText(double value) {
  if (!(value >= 0 && value < 1e9) || value != std::floor(value)) return u"+" + model::NumberToText(value);
  char16_t digits[10];
  char16_t* end = digits + std::size(digits);
  char16_t* at = end;
  auto whole = static_cast<unsigned>(value);
  do {
    *--at = static_cast<char16_t>(u'0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  Text text(1, u'+');
  text.append(at, end);
  return text;
}

// A record-count group of the horse file and the aptitude it becomes.
struct GoingBlock {
  int record_group;
  model::AnalysedRaceRunnerTable* target;
};

// Turf then dirt, each on good, slightly heavy, heavy and bad going.
std::array<GoingBlock, 8> GoingBlocks(model::Meeting& meeting) {
  auto& good = meeting.Group<ColouringTables>();
  auto& soft = meeting.Group<analysis::AnalysisWindowTables>();
  return {{
      {6, &good.AptitudeTurfGood},
      {7, &soft.AptitudeTurfSoft},
      {8, &soft.AptitudeTurfHeavy},
      {9, &soft.AptitudeTurfBad},
      {10, &good.AptitudeDirtGood},
      {11, &soft.AptitudeDirtSoft},
      {12, &soft.AptitudeDirtHeavy},
      {13, &soft.AptitudeDirtBad},
  }};
}

}  // namespace

PlacingCounts ReadPlacingCounts(const Text& record) {
  return {CountAt(record, 1), CountAt(record, 4), CountAt(record, 7), CountAt(record, 10)};
}

Text AptitudeText(const PlacingCounts& counts) {
  const double points =
      kFirstPoints * counts.firsts + kSecondPoints * counts.seconds + kThirdPoints * counts.thirds;
  const double top_three = counts.firsts + counts.seconds + counts.thirds;
  const double runs = top_three + counts.others;
  if (runs == 0) return analysis::kNoAptitude;
  if (top_three == 0) return u"-10";
  return PlusWholeText(std::floor(kPercent * top_three / runs) + kPointsFactor * points);
}

void ComputeGoingAptitudes(model::Meeting& meeting, int race, int runners) {
  if (!model::IsRace(race)) return;
  runners = model::AnalysedRunners(runners);
  const auto& records = meeting.Group<intake::PastRunTables>().RecordCounts;
  const std::array<GoingBlock, 8> blocks = GoingBlocks(meeting);
  for (int runner = 1; runner <= runners; ++runner) {
    for (const GoingBlock& block : blocks) {
      (*block.target)(race, runner) =
          AptitudeText(ReadPlacingCounts(records[block.record_group](race, runner)));
    }
  }
}

}  // namespace recommend
