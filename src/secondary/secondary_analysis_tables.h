#pragma once
// What the secondary analysis leaves of the analysed race: per runner its 3-furlong values and running
// style, provisional evaluations, current ability, 6-furlong difference, speed and improvement values,
// the four grades, the overall code and the predicted time; per race the 3-furlong bests and the race
// time level. Per-runner tables hold the analysed race only and keep an entry until an analysis writes
// it again.

#include "model/table.h"
#include "model/text.h"

#define TARVELO_SECONDARY_ANALYSIS_TABLES(X)                                                         \
  /* 3-furlong values per runner and the race's bests ("100" when no runner has one). */             \
  X(model::AnalysedRunnerTable, Front3FMean)                                                         \
  X(model::AnalysedRunnerTable, Front3FText)                                                         \
  X(model::AnalysedRunnerTable, Back3FMean)                                                          \
  X(model::AnalysedRunnerTable, Back3FText)                                                          \
  X(model::AnalysedRunnerTable, Total6FText)                                                         \
  X(model::AnalysedRunnerTable, RunningStyle)                                                        \
  X(model::RaceTable, RaceBestFront3F)                                                               \
  X(model::RaceTable, RaceBestBack3F)                                                                \
  /* The race time level against today's standard time, as a number and as its display text. */      \
  X(model::RaceTable, RaceTimeLevel)                                                                 \
  X(model::RaceTable, RaceTimeLevelText)                                                             \
  /* Provisional evaluations per run (damped in place), their signed texts and cell texts. */        \
  X(model::AnalysedRunnerFamily, ProvEval)                                                           \
  X(model::AnalysedRunnerFamily, ProvEvalSigned)                                                     \
  /* The 仮評価 cell text of each run: the signed text and a one-character mark. */               \
  X(model::AnalysedRunnerFamily, ProvEvalText)                                                       \
  /* Current ability, grade ②, and the sum and count behind the race's current-ability average. */ \
  X(model::AnalysedRunnerTable, CurrentAbility)                                                      \
  X(model::AnalysedRunnerTable, CurrentAbilityText)                                                  \
  X(model::AnalysedRunnerTable, GradeAbility)                                                        \
  X(model::SharedValue, AbilitySum)                                                                  \
  X(model::SharedValue, AbilityCount)                                                                \
  /* 6-furlong difference to the race's best total and grade ③. */                                 \
  X(model::AnalysedRunnerTable, Diff6FText)                                                          \
  X(model::AnalysedRunnerTable, Grade3F)                                                             \
  /* Speed value and grade ①. */                                                                   \
  X(model::AnalysedRunnerTable, SpeedBest)                                                           \
  X(model::AnalysedRunnerTable, SpeedSecond)                                                         \
  X(model::AnalysedRunnerTable, SpeedValue)                                                          \
  X(model::AnalysedRunnerTable, SpeedValueText)                                                      \
  X(model::AnalysedRunnerTable, GradeSpeed)                                                          \
  /* Improvement value and grade ④; the two pair means are as wide as the race card. */            \
  X(model::FieldRunnerTable, RisePairOlder)                                                          \
  X(model::FieldRunnerTable, RisePairRecent)                                                         \
  X(model::AnalysedRunnerTable, RiseRatio)                                                           \
  X(model::AnalysedRunnerTable, RiseValue)                                                           \
  X(model::AnalysedRunnerTable, GradeRise)                                                           \
  /* Predicted time, overall code of the four grades, and the training state of every race. */       \
  X(model::AnalysedRunnerTable, PredictedTime)                                                       \
  X(model::AnalysedRunnerTable, OverallGrade)                                                        \
  X(model::RunnerTable, TrainingState)                                                               \
  /* Class position and predicted time of each past run, as their views last showed them. */         \
  X(model::AnalysedRunnerFamily, RunClassPos)                                                        \
  X(model::AnalysedRunnerFamily, RunPredTime)

namespace secondary {

struct SecondaryAnalysisTables {
  TARVELO_TABLE_GROUP(TARVELO_SECONDARY_ANALYSIS_TABLES)
};

// What these tables hold where a runner has no value; the later stages skip a runner by them.
// Speed, current ability and improvement values.
inline const model::Text kNoValue = u"***";
// The 3-furlong means and the 6-furlong total; the 3-furlong texts; a race's best when no runner has
// one.
inline const model::Text kNoFurlongTime = u"**.*";
inline const model::Text kNoFurlongTimeText = u" **.*";
inline const model::Text kNoRaceBest3F = u"100";
inline const model::Text kNo6FDiff = u"**";
// A grade without a value, and one beyond the lowest step.
inline const model::Text kNoGrade = u"-";
inline const model::Text kGradeBeyondSteps = u"*";
inline const model::Text kNoPredictedTime = u"*.**.*";
// The provisional evaluations of a runner none of whose runs counts, and their signed texts.
inline const model::Text kNoProvEval = u"----";
inline const model::Text kNoProvEvalSigned = u"---";
inline const model::Text kNoClassPosition = u"----";

}  // namespace secondary
