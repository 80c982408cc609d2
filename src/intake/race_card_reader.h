#pragma once
// The race-card read: kol_den1.kd2 and kol_den2.kd2 of the chosen folder into the race-card
// tables. Files are only opened for reading; missing records read as blanks.

#include <string>

#include "model/meeting.h"
#include "model/text.h"

namespace intake {

inline constexpr char kRaceFileName[] = "kol_den1.kd2";
inline constexpr char kRunnerFileName[] = "kol_den2.kd2";
inline constexpr char kHorseFileName[] = "kol_uma.kd2";

// The runner tables hold this many runners of a race.
inline constexpr int kMaxRunnersPerRace = 28;

// The runner and horse files hold one record per runner, race 1's runners first. A race takes
// as many record numbers as its runner count: a count below 1 still takes one, a fractional
// count one more than its whole runners.
long RecordsOfRace(double runner_count);
// Runners 1 to this of a race get cells: its whole runners, at most kMaxRunnersPerRace.
int RunnersWithCells(double runner_count);

// folder + "/" + name, without doubling a trailing "/".
std::string JoinFolder(const std::string& folder, const std::string& name);

// "01" .. "99" as a full-width number without a leading zero ("09" -> "９", "12" -> "１２");
// anything else gives the empty text.
model::Text FullWidthDigit(const model::Text& code);

// Fills the race-card tables of meeting from the two files in folder and returns the meeting line
// of race 1 (meeting number, course, day and date) for the main window.
model::Text ReadRaceCard(model::Meeting& meeting, const std::string& folder);

}  // namespace intake
