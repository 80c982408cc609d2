#include "basic/training_trend_words.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "basetime/runner_range.h"
#include "basic/training_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace basic {
namespace {

using model::Text;

// The words of trend codes 1 to 5, and of every other code.
constexpr std::array<std::u16string_view, 5> kTrendWords{u"一変", u"平行", u"悪化", u"良化", u"下降"};

Text TrendWordOf(const Text& code) {
  const double value = model::TextToNumber(code);
  for (size_t k = 0; k < kTrendWords.size(); ++k) {
    if (value == static_cast<double>(k + 1)) return Text(kTrendWords[k]);
  }
  return kNoTrendWord;
}

}  // namespace

void WriteTrainingTrendWords(model::Meeting& meeting, int race) {
  if (!model::IsRace(race)) return;
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  TrainingTables& training = meeting.Group<TrainingTables>();
  // Workout 1's code comes from the race card, those of workouts 2 and 3 from their texts.
  const std::array<std::pair<const model::RunnerTable*, model::RunnerTable*>, 3> workouts{{
      {&card.TrainTrendCode1, &training.TrainTrendWord1},
      {&training.TrainTrendCode2, &training.TrainTrendWord2},
      {&training.TrainTrendCode3, &training.TrainTrendWord3},
  }};
  const int runners = basetime::LastRunnerOf(meeting, race);
  for (int runner = 1; runner <= runners; ++runner) {
    for (const auto& [code, word] : workouts) (*word)(race, runner) = TrendWordOf((*code)(race, runner));
  }
}

}  // namespace basic
