#include "analysis/analysed_race.h"

#include <algorithm>
#include <cmath>

#include "analysis/analysis_window_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace analysis {

double SelectorRace(const model::Meeting& meeting) {
  return model::TextToNumber(meeting.Group<AnalysisWindowTables>().SelectorRace());
}

void SetSelectorRace(model::Meeting& meeting, double race) {
  meeting.Group<AnalysisWindowTables>().SelectorRace() = model::NumberToText(race);
}

double AnalysedRace(const model::Meeting& meeting) {
  return model::TextToNumber(meeting.Group<AnalysisWindowTables>().AnalysedRace());
}

void SetAnalysedRace(model::Meeting& meeting, double race) {
  meeting.Group<AnalysisWindowTables>().AnalysedRace() = model::NumberToText(race);
}

bool SecondaryAnalysisDone(const model::Meeting& meeting) {
  return meeting.Group<AnalysisWindowTables>().SecondaryAnalysisDone() == u"1";
}

void SetSecondaryAnalysisDone(model::Meeting& meeting, bool done) {
  meeting.Group<AnalysisWindowTables>().SecondaryAnalysisDone() = done ? u"1" : u"";
}

int AnalysedRaceIndex(const model::Meeting& meeting) {
  const double race = std::nearbyint(AnalysedRace(meeting));
  if (!model::IsRace(race)) return 0;
  return static_cast<int>(race);
}

int AnalysedRunnerCount(const model::Meeting& meeting) {
  const int race = AnalysedRaceIndex(meeting);
  if (race == 0) return 0;
  const double count = model::TextToNumber(meeting.Group<intake::RaceCardTables>().RunnerCount(race));
  return static_cast<int>(
      std::clamp(model::FloorNumber(count), 0.0, static_cast<double>(model::kRunnersAnalysed)));
}

}  // namespace analysis
