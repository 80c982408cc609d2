#pragma once
// The whole meeting analysed as a user analyses it: after the road, every race in turn through every
// user action of the analysis window and the windows it opens, then "ＮＥＸＴ". Shared by the headless
// benchmark, the desktop one and the scripts for tarvelo-script.

#include <filesystem>
#include <string>
#include <vector>

namespace bench {

// One user action: its kind (a row of the summaries) and its script line.
struct UserAction {
  std::string kind;
  std::string line;
};

// The road's script lines, from the opening window to the analysis window on that meeting folder.
std::string RoadLines(const std::filesystem::path& folder);

// The user actions of one race of a meeting of races races, from the analysis window as the road or
// the previous race's "ＮＥＸＴ" leaves it.
std::vector<UserAction> RaceActions(int race, int races);

// Every user action of the analysis of races 1 to races, in order.
std::vector<UserAction> WholeMeetingActions(int races);

// The road and then the whole meeting's analysis as one script for tarvelo-script.
std::string WholeMeetingScript(const std::filesystem::path& folder, int races);

}  // namespace bench
