#pragma once
// How far the analysis of a race can be trusted: the share of past runs on today's surface at a
// central course and the share of runners with at least one such run, turned into a validity score
// from 10 to 100 and its grade, kept per race and shown in the analysis window with the counts.

#include "model/meeting.h"
#include "model/text.h"
#include "ui/control.h"
#include "ui/controls.h"

namespace basic {

struct ValidityCounts {
  int all_data = 0;     // runners x 5
  int valid_data = 0;   // runs coded "2" or "4"
  int runners = 0;      // the runners counted
  int no_analysis = 0;  // runners whose five codes are each "1", "3" or "5"
};

// Counts the surface-match codes of runners 1..runners (at most 18).
ValidityCounts CountValidityData(const model::Meeting& meeting, int runners);

// The validity score: 10, 30, 45, 50, 55, 65, 75, 80, 90 or 100. A count without runners scores 10.
int ValidityScore(const ValidityCounts& counts);

struct Grade {
  model::Text text;
  ui::Color colour;
};

// The grade of a validity score and the colour it is shown in.
Grade ValidityGrade(double validity);

// Where the validity shows: the score and its grade, and the four counts.
struct ValidityLabels {
  ui::Label& validity;
  ui::Label& grade;
  ui::Label& all_data;
  ui::Label& valid_data;
  ui::Label& runners;
  ui::Label& no_analysis;
};

// Counts the codes of runners 1..runners of race, writes AnalysisValidity and AnalysisGrade at race,
// the score and grade in their labels in the grade's colour, and the counts in theirs. A race
// outside 1..12 writes nothing.
void GradeAnalysisValidity(const ValidityLabels& labels, model::Meeting& meeting, int race, int runners);

}  // namespace basic
