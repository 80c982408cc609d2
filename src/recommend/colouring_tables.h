#pragma once
// What "色分け" leaves of the analysed race besides the grid's colours: per race and runner the
// highlight marks the navigator shows and the good-going aptitudes (the soft goings sit with the
// analysis window, whose panel reads them); per runner of the analysed race the overall evaluation and
// its gap to the field's reference; per race the score bins of those gaps. Nothing clears them.

#include <stdexcept>
#include <string>

#include "model/table.h"

#define TARVELO_COLOURING_TABLES(X)                                                                       \
  /* Highlight marks: "◎" band A, "△" band B of the front and back 3F; "◎" for a high grade ④. */ \
  X(model::AnalysedRaceRunnerTable, PointFront)                                                           \
  X(model::AnalysedRaceRunnerTable, PointCloser)                                                          \
  X(model::AnalysedRaceRunnerTable, PointForm)                                                            \
  /* Weighted sum of the four grades, and the reference (at least 50) minus it. */                        \
  X(model::AnalysedRunnerTable, OverallEval)                                                              \
  X(model::AnalysedRunnerTable, OverallGap)                                                               \
  /* Runners of the race per band of ten of their gap; ScoreBin11 takes every gap from 100 up. */         \
  X(model::RaceTable, ScoreBin1)                                                                          \
  X(model::RaceTable, ScoreBin2)                                                                          \
  X(model::RaceTable, ScoreBin3)                                                                          \
  X(model::RaceTable, ScoreBin4)                                                                          \
  X(model::RaceTable, ScoreBin5)                                                                          \
  X(model::RaceTable, ScoreBin6)                                                                          \
  X(model::RaceTable, ScoreBin7)                                                                          \
  X(model::RaceTable, ScoreBin8)                                                                          \
  X(model::RaceTable, ScoreBin9)                                                                          \
  X(model::RaceTable, ScoreBin10)                                                                         \
  X(model::RaceTable, ScoreBin11)                                                                         \
  /* Going aptitudes on good going: "+" and the value, "-10" never placed, "---" no run. */               \
  X(model::AnalysedRaceRunnerTable, AptitudeTurfGood)                                                     \
  X(model::AnalysedRaceRunnerTable, AptitudeDirtGood)

namespace recommend {

struct ColouringTables {
  TARVELO_TABLE_GROUP(TARVELO_COLOURING_TABLES)

  static constexpr int kScoreBins = 11;

  // ScoreBin1 to ScoreBin11 by number; std::out_of_range outside.
  model::RaceTable& ScoreBin(int k) {
    model::RaceTable* const bins[kScoreBins] = {&ScoreBin1, &ScoreBin2,  &ScoreBin3, &ScoreBin4,
                                                &ScoreBin5, &ScoreBin6,  &ScoreBin7, &ScoreBin8,
                                                &ScoreBin9, &ScoreBin10, &ScoreBin11};
    if (k < 1 || k > kScoreBins) throw std::out_of_range("score bin " + std::to_string(k));
    return *bins[k - 1];
  }
  const model::RaceTable& ScoreBin(int k) const { return const_cast<ColouringTables&>(*this).ScoreBin(k); }
};

}  // namespace recommend
