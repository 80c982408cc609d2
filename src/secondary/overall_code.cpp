#include "secondary/overall_code.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/runner_grid.h"
#include "basic/training_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "model/time_text.h"
#include "secondary/class_position.h"
#include "secondary/secondary_analysis_tables.h"
#include "ui/grid.h"

namespace secondary {

using model::Text;

namespace {

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;

const Text kNoAbility = u"***";
const Text kNoClassPosition = u"----";
const Text kNoPredictedTime = u"*.**.*";
const Text kNoTrainingWord = u"    ";
const Text kNoGrade = u"-";
const Text kNoOverallCode = u"----";
const Text kTurf = u"1";
const Text kDirt = u"0";

bool IsRace(int race) {
  return race >= 1 && race <= kRaces;
}

int HeldRunners(int runners) {
  return std::clamp(runners, 0, kRunnersHeld);
}

// The mean current ability; none when no runner has one (a debut race), where the count is 0.
std::optional<double> AbilityMean(const SecondaryAnalysisTables& t) {
  const double count = model::TextToNumber(t.AbilityCount());
  if (count <= 0) return std::nullopt;
  const double mean = model::TextToNumber(t.AbilitySum()) / count;
  if (!std::isfinite(mean)) return std::nullopt;
  return mean;
}

// The mean's caption: the sign second after a blank; a positive mean keeps its tenth (" + 13.0"), a
// negative one is written without a trailing zero (" -  3").
Text AverageCaption(double mean) {
  const double cut = model::FloorNumber(mean * 10) / 10;
  const Text shown = model::NumberToPatternText(cut, cut >= 10 ? u"00.0" : u"0.0");
  const double value = model::TextToNumber(shown);
  if (value >= 100) return u" +" + shown;
  if (value >= 10) return u" + " + shown;
  if (value >= 0) return u" +  " + shown;
  const Text magnitude = model::NumberToText(std::fabs(value));
  if (value > -10) return u" -  " + magnitude;
  if (value > -100) return u" - " + magnitude;
  return u" -" + magnitude;
}

Text ClassPositionOnSurface(const Text& surface, const Text& course, const Text& value) {
  if (surface == kTurf) return TurfClassPosition(course, value);
  if (surface == kDirt) return DirtClassPosition(course, value);
  return kNoClassPosition;
}

// The race's base time in seconds from Label18 ("  1.36.2"); none while it shows no time.
std::optional<double> BaseTimeSeconds(const Text& caption) {
  const Text time = model::Trim(caption);
  if (!model::IsTimeText(time)) return std::nullopt;
  return 60 * model::TextToNumber(time.substr(0, 1)) + model::TextToNumber(time.substr(2, 4));
}

Text PredictedTimeOf(std::optional<double> base_seconds, const Text& ability) {
  if (ability == kNoAbility || !base_seconds) return kNoPredictedTime;
  const double seconds = *base_seconds + model::TextToNumber(ability) / 10;
  if (!std::isfinite(seconds) || seconds <= 0) return kNoPredictedTime;
  const Text TimeArg = model::NumberToText(seconds);  // NOLINT(readability-identifier-naming)
  return model::SecondsToTimeText(TimeArg);
}

Text TrainingStateOf(const basic::TrainingTables& training, int race, int runner) {
  for (const model::RunnerTable* word : {&training.TrainTrendWord1, &training.TrainTrendWord2}) {
    if ((*word)(race, runner) != kNoTrainingWord) return (*word)(race, runner);
  }
  return training.TrainTrendWord3(race, runner);
}

Text OverallCodeOf(const SecondaryAnalysisTables& t, int runner) {
  if (t.GradeAbility(runner) == kNoGrade) return kNoOverallCode;
  return t.GradeSpeed(runner) + t.GradeAbility(runner) + t.Grade3F(runner) + t.GradeRise(runner);
}

}  // namespace

void ShowRaceClassAverage(ui::Label& average, ui::Label& class_position, model::Meeting& meeting, int race) {
  if (!IsRace(race)) return;
  const std::optional<double> mean = AbilityMean(meeting.Group<SecondaryAnalysisTables>());
  if (!mean) {
    average.SetCaption(kNoAbility);
    class_position.SetCaption(kNoClassPosition);
    return;
  }
  average.SetCaption(AverageCaption(*mean));
  // The mapper reads the caption as shown, sign and blanks included.
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  const Text CourseArg = card.RaceCourseCode(race);  // NOLINT(readability-identifier-naming)
  const Text ValueArg = average.Caption();           // NOLINT(readability-identifier-naming)
  class_position.SetCaption(ClassPositionOnSurface(card.RaceSurfaceCode(race), CourseArg, ValueArg));
}

void ComputePredictedTimes(const model::Text& base_time, model::Meeting& meeting, int race, int runners) {
  if (!IsRace(race)) return;
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const std::optional<double> base_seconds = BaseTimeSeconds(base_time);
  for (int runner = 1; runner <= HeldRunners(runners); ++runner) {
    t.PredictedTime(runner) = PredictedTimeOf(base_seconds, t.CurrentAbility(runner));
  }
}

void FillTrainingAndTimeColumns(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race,
                                int runners) {
  if (!IsRace(race)) return;
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const basic::TrainingTables& training = meeting.Group<basic::TrainingTables>();
  for (int runner = 1; runner <= HeldRunners(runners); ++runner) {
    const int row = analysis::RunnerRow(runner);
    grid.SetCellText(row, analysis::RunnerColumn::kRiseValue, t.RiseValue(runner));
    grid.SetCellText(row, analysis::RunnerColumn::kRiseGrade, t.GradeRise(runner));
    t.TrainingState(race, runner) = TrainingStateOf(training, race, runner);
    grid.SetCellText(row, analysis::RunnerColumn::kTrainingState, t.TrainingState(race, runner));
    grid.SetCellText(row, analysis::RunnerColumn::kPredictedTime, t.PredictedTime(runner));
  }
}

void ComputeOverallCodes(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners) {
  if (!IsRace(race)) return;
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  for (int runner = 1; runner <= HeldRunners(runners); ++runner) {
    t.OverallGrade(runner) = OverallCodeOf(t, runner);
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kOverallCode,
                     t.OverallGrade(runner));
  }
}

}  // namespace secondary
