#pragma once
// "推奨馬": how many runners the score bins let through, the lowest overall evaluation that lets no
// more than that many through, and the recommended numbers as the text box and the race's five
// lines show them.

#include <array>
#include <vector>

#include "analysis/runner_grid.h"
#include "model/meeting.h"
#include "model/text.h"
#include "ui/controls.h"

namespace recommend {

// The number of runners aimed at in a field of runners: a bit over a third of it, at least one.
int RecommendTarget(int runners);

// The most runners that may be recommended, from the runner counts of score bins 1 to 10 (bin k
// counts the gaps from 10(k - 1) below 10k): the count up to the bin after the first of bins 1 to 8
// whose cumulative count reaches target, else the count of all ten.
double RecommendCutoff(const std::array<double, 10>& bins, int target);

// The lowest threshold from 50 up that at most cutoff evaluations reach, and how many reach it. The
// search stops after 300 thresholds, at 349, with that threshold's count.
struct Threshold {
  double value;
  int count;
};
Threshold FindThreshold(const std::vector<double>& evaluations, double cutoff);

// The recommended numbers (1 to 18, increasing, at least one) as shown: the text box, a blank and the
// lines of three joined by "/"; and the race's five lines, lines 1 to 4 of three numbers, line 5 the
// numbers from the 13th on. Each line is its two-digit numbers each followed by "/", the last "/" a
// blank; a line without a number is one blank.
struct RecommendTexts {
  model::Text box;
  std::array<model::Text, 5> lines;
};
RecommendTexts RecommendationTexts(const std::vector<int>& numbers);

// The recommendation of runners 1..runners (at most 18) of race: the overall column of the runner
// grid gets each overall evaluation, RecommendCutoff, RecommendedNo and the race's RecommendLine
// tables are written, box gets the numbers or "なし", and the recommended runners' overall cells are
// coloured. A race outside 1 to 12 changes nothing.
void RecommendHorses(analysis::RunnerGridWriter& grid, ui::TextBox& box, model::Meeting& meeting, int race,
                     int runners);

}  // namespace recommend
