#include "secondary/provisional_evaluations.h"

#include <array>
#include <optional>
#include <span>

#include "basic/basic_analysis_tables.h"
#include "basic/race_run_average_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "secondary/secondary_analysis_tables.h"

namespace secondary {

namespace {

using model::Text;

constexpr char16_t kCounts = u'5';
constexpr char16_t kDoesNotCount = u'1';

// Five marks, the run five back first.
bool IsRunMask(const Text& mask) {
  if (mask.size() != model::kPastRuns) return false;
  for (char16_t mark : mask) {
    if (mark != kCounts && mark != kDoesNotCount) return false;
  }
  return true;
}

bool RunCounts(const Text& mask, int run) {
  return mask[static_cast<size_t>(model::kPastRuns - run)] == kCounts;
}

class RunnerEstimate {
 public:
  RunnerEstimate(model::Meeting& meeting, int race, int runner)
      : basic_(meeting.Group<basic::BasicAnalysisTables>()),
        averages_(meeting.Group<basic::RaceRunAverageTables>()),
        provisional_(meeting.Group<SecondaryAnalysisTables>().ProvEval),
        race_(race),
        runner_(runner),
        mask_(basic_.RunMask(runner)) {}

  void Fill() {
    for (int run = model::kPastRuns; run >= 1; --run) {
      provisional_[run](runner_) = RunCounts(mask_, run) ? basic_.RunEval[run](runner_) : Estimate(run);
    }
  }

 private:
  // The race's averages stay as they are while the runner is filled; each is read once.
  double Average(int run) const {
    std::optional<double>& average = averages_read_[static_cast<size_t>(run - 1)];
    if (!average) average = model::TextToNumber(averages_.RaceRunAvg[run](race_));
    return *average;
  }

  // A counting run by its own evaluation, even before its turn to be copied; an estimated one by the
  // whole number just written for it.
  double Value(int run) const {
    const Text& text = RunCounts(mask_, run) ? basic_.RunEval[run](runner_) : provisional_[run](runner_);
    return model::TextToNumber(text);
  }

  // The runs, oldest first, of an estimate.
  struct RunList {
    std::array<int, model::kPastRuns> runs{};
    size_t size = 0;
  };

  // Every older run is in place by now; a newer run counts only when it has its own evaluation.
  RunList Contributors(int missing) const {
    RunList list;
    for (int run = model::kPastRuns; run >= 1; --run) {
      if (run > missing || (run < missing && RunCounts(mask_, run))) list.runs[list.size++] = run;
    }
    return list;
  }

  // The run's value moved to the missing run's position, cut to a whole number, plus 1.
  double Term(int missing, int run) const {
    return model::FloorNumber(Average(missing) - Average(run) + Value(run)) + 1;
  }

  Text Estimate(int missing) const {
    const RunList list = Contributors(missing);
    const std::span<const int> runs(list.runs.data(), list.size);
    double estimate = 0;
    if (runs.size() == 1) {
      estimate = Term(missing, runs.front());  // a single term is taken as it is
    } else {
      double sum = 0;
      for (int run : runs) sum += Term(missing, run);
      estimate = model::FloorNumber(sum / static_cast<double>(runs.size())) + 1;
    }
    return model::NumberToText(estimate);
  }

  const basic::BasicAnalysisTables& basic_;
  const basic::RaceRunAverageTables& averages_;
  model::AnalysedRunnerFamily& provisional_;
  int race_;
  int runner_;
  Text mask_;
  mutable std::array<std::optional<double>, model::kPastRuns> averages_read_{};
};

}  // namespace

void EstimateProvisionalEvaluations(model::Meeting& meeting, int race, int runner) {
  if (!model::IsRace(race) || !model::IsAnalysedRunner(runner)) return;
  const Text& mask = meeting.Group<basic::BasicAnalysisTables>().RunMask(runner);
  if (!IsRunMask(mask)) return;
  model::AnalysedRunnerFamily& provisional = meeting.Group<SecondaryAnalysisTables>().ProvEval;
  if (mask == basic::kNoRunCountsMask) {
    for (int run = model::kPastRuns; run >= 1; --run) provisional[run](runner) = kNoProvEval;
    return;
  }
  RunnerEstimate(meeting, race, runner).Fill();
}

}  // namespace secondary
