#pragma once
// One fuzz input as the three files of a meeting folder: the race file's length and the runner
// file's length (4 bytes each, little-endian), then the race file, the runner file, and the rest
// as the horse file. A length beyond the bytes that follow is cut to them, so every input splits
// into three files of any lengths, empty ones included.

#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/writer/full_card.h"

namespace fuzz {

using writer::MeetingBytes;

inline MeetingBytes SplitInput(const uint8_t* data, size_t size) {
  size_t at = 0;
  auto length = [&] {
    uint32_t value = 0;
    for (int i = 0; i < 4 && at < size; ++i, ++at) value |= static_cast<uint32_t>(data[at]) << (8 * i);
    return static_cast<size_t>(value);
  };
  const size_t race_length = length();
  const size_t runner_length = length();
  auto take = [&](size_t wanted) {
    const size_t n = wanted < size - at ? wanted : size - at;
    std::string bytes(reinterpret_cast<const char*>(data) + at, n);
    at += n;
    return bytes;
  };
  MeetingBytes files;
  files.race = take(race_length);
  files.runner = take(runner_length);
  files.horse = take(size - at);
  return files;
}

inline std::string JoinInput(const MeetingBytes& files) {
  std::string input;
  auto length = [&](size_t n) {
    for (int i = 0; i < 4; ++i) input += static_cast<char>((n >> (8 * i)) & 0xFF);
  };
  length(files.race.size());
  length(files.runner.size());
  return input + files.race + files.runner + files.horse;
}

}  // namespace fuzz
