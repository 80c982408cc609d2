#pragma once
// The benchmark of the whole meeting analysed headless: each user action is timed on its own and
// gathered by kind, so that the summary can name the slowest.

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace bench {

// Per kind of user action: the slowest run over the meeting's races and the median run, each as the
// median over the benchmark's iterations, in milliseconds.
struct ActionTimes {
  double max_ms = 0;
  double median_ms = 0;
};
using ActionTable = std::map<std::string, ActionTimes>;

// Registers "whole_meeting/<meeting>": the road outside the timing, the analysis inside.
void RegisterWholeMeeting(const std::string& meeting, const std::filesystem::path& folder);

// What the whole-meeting runs of that meeting measured, per kind of action; empty before they ran.
ActionTable ActionTimesOf(const std::string& meeting);

// The per-action table of every meeting and the slowest action of each.
void PrintActionSummary(std::ostream& out, const std::vector<std::string>& meetings);

}  // namespace bench
