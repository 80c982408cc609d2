#pragma once
// First pass over the meeting's past runs: the going correction of each run and the time its
// winner would have run on good going.

#include <optional>

#include "model/meeting.h"

namespace intake {
struct PastRunTables;
}

namespace basetime {

struct BaseTimeTables;

// The correction of one run from its raw distance, surface code and going code: " 0.0" on good
// going, "-" and tenths on turf, "+" and tenths on dirt; nothing for a run over 2400 m or with a
// surface or going code outside the lists.
std::optional<model::Text> GoingCorrectionText(const model::Text& distance, const model::Text& surface_code,
                                               const model::Text& going_code);

// The margin a run counts against its winner: "0.0" for the winner, otherwise the run's margin text
// itself (the "0.0" lives as long as the program).
const model::Text& WinnerMargin(const model::Text& position_text, const model::Text& margin_text);

// Own time plus correction minus margin, the margin of a winner counting as 0.0.
double CorrectedWinnerTime(const model::Text& time_seconds, const model::Text& correction,
                           const model::Text& position_text, const model::Text& margin_text);

// Writes RunGoingCorr1..5 (where a case applies) and RunWinTimeAdj1..5 of every runner's runs.
void CorrectRunTimes(model::Meeting& meeting);

// The same for past run k of runner j in race r alone; it reads no other run's cells.
void CorrectRunTime(const intake::PastRunTables& past, BaseTimeTables& base, int r, int j, int k);

}  // namespace basetime
