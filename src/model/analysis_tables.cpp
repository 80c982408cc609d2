#include "model/analysis_tables.h"

namespace model {

AnalysisTables::AnalysisTables() {
  SelectorRace() = u"0";
  AnalysedRace() = u"0";
}

void AnalysisTables::RegisterIn(TableRegistry& registry) {
  registry.Add("TodayGoingText", TodayGoingText);
  registry.Add("SelectorRace", SelectorRace);
  registry.Add("AnalysedRace", AnalysedRace);
  registry.Add("AnalysisValidity", AnalysisValidity);
  registry.Add("AnalysisGrade", AnalysisGrade);
  registry.AddFamily("RecommendLine", RecommendLine);
}

}  // namespace model
