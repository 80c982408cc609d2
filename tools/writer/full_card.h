#pragma once
// A meeting's three files as bytes, and the largest meeting the files allow (12 races of 28
// runners) made from a real one: the benchmarks time the program on it and the fuzzers start from it.

#include <filesystem>
#include <string>

namespace writer {

inline constexpr int kFullCardRaces = 12;
inline constexpr int kFullCardRunners = 28;

struct MeetingBytes {
  std::string race, runner, horse;
};

// The three files of a meeting folder; a file that cannot be read gives std::runtime_error.
MeetingBytes ReadMeetingBytes(const std::filesystem::path& folder);
// Writes the three files into folder, creating it.
void WriteMeetingBytes(const std::filesystem::path& folder, const MeetingBytes& files);

// Every race of the meeting filled to 28 runners: each race repeats its own runners (their
// race-card and horse records) in turn, with horse numbers 1 to 28. A race without runners borrows
// race 1's; std::runtime_error when race 1 has none either.
MeetingBytes FullCardOf(const MeetingBytes& meeting);

}  // namespace writer
