#pragma once
// What the analysis window and the analyses of its races leave for the rest of the program run.

#include "model/table.h"

namespace model {

struct AnalysisTables {
  AnalysisTables();

  // Today's going as the analysis window's going list shows it, blanks included; empty until the
  // first basic analysis.
  SharedValue TodayGoingText;

  // The race shown while stepping with UP and DN ("0" before the first step), and the confirmed race
  // that every per-race and per-runner table of the analyses is indexed by ("0" until the first
  // confirmation; never cleared). Whole numbers as plain text.
  SharedValue SelectorRace, AnalysedRace;

  // Per race, for every race analysed in the program run: the validity score of the analysis and its
  // grade; a race counts as analysed once both are non-empty.
  RaceTable AnalysisValidity, AnalysisGrade;
  // Per race: the five lines of recommended horse numbers, RecommendLine1 to RecommendLine5.
  Family<RaceTable> RecommendLine;

  void RegisterIn(TableRegistry& registry);
};

}  // namespace model
