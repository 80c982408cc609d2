#pragma once
// The three record files of a meeting folder and how their records line up with the races:
// the race file holds one record per race, the runner and horse files one record per runner,
// race 1's runners first.

#include <filesystem>
#include <string_view>

namespace intake {

inline constexpr char kRaceFileName[] = "kol_den1.kd2";
inline constexpr char kRunnerFileName[] = "kol_den2.kd2";
inline constexpr char kHorseFileName[] = "kol_uma.kd2";

// A race takes as many record numbers of the runner and horse files as its runner count: a
// count below 1 still takes one, a fractional count one more than its whole runners.
long RecordsOfRace(double runner_count);
// Runners 1 to this of a race get cells: its whole runners, at most model::kRunnersHeld.
int RunnersWithCells(double runner_count);

// A file of the folder: folder, one "/" unless it already ends in one, and name. An empty
// folder stands for the root.
std::filesystem::path JoinFolder(const std::filesystem::path& folder, std::string_view name);

}  // namespace intake
