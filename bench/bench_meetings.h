#pragma once
// The meetings the benchmarks run on: the sample meeting of the repository, and a meeting of the
// largest shape the files allow (12 races of 28 runners) made from it.

#include <filesystem>

namespace bench {

inline constexpr int kRaces = 12;
inline constexpr int kMostRunners = 28;

// The sample meeting's folder in the source tree.
std::filesystem::path SampleFolder();

// Writes into out the three files of a meeting with every race of the sample filled to 28
// runners: each race repeats its own runners (their race-card and horse records) in turn, with
// horse numbers 1 to 28. Throws std::runtime_error when the sample cannot be read.
void WriteFullCard(const std::filesystem::path& sample, const std::filesystem::path& out);

}  // namespace bench
