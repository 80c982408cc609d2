#include "recommend/going_aptitudes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/analysis_window_tables.h"
#include "intake/past_run_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "recommend/colouring_tables.h"

namespace recommend {

namespace {

using model::Text;

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;
constexpr int kCountWidth = 2;
constexpr double kFirstPoints = 6;
constexpr double kSecondPoints = 3;
constexpr double kThirdPoints = 1;
constexpr double kPointsFactor = 10;
constexpr double kPercent = 100;

double CountAt(const Text& record, int position) {
  return std::max(0.0, model::TextToNumber(model::MidView(record, position, kCountWidth)));
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
  if (runs == 0) return u"---";
  if (top_three == 0) return u"-10";
  return u"+" + model::NumberToText(std::floor(kPercent * top_three / runs) + kPointsFactor * points);
}

void ComputeGoingAptitudes(model::Meeting& meeting, int race, int runners) {
  if (race < 1 || race > kRaces) return;
  runners = std::clamp(runners, 0, kRunnersHeld);
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
