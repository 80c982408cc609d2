#include "tools/writer/full_card.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "intake/record_layouts.h"
#include "model/numbers.h"
#include "tools/writer/record_writer.h"

namespace writer {

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Record n (from 1) of a file's bytes; blanks past the end, as the readers see them.
template <class Layout>
std::string Record(const std::string& file, long n) {
  std::string record(Layout::kLength, ' ');
  const size_t at = static_cast<size_t>(n - 1) * Layout::kLength;
  if (at < file.size()) {
    const size_t present = std::min(file.size() - at, record.size());
    record.replace(0, present, file, at, present);
  }
  return record;
}

template <class Layout>
void SetDigits(std::string& record, int field, int value) {
  const intake::FieldPlace& f = Layout::kFields.at(static_cast<size_t>(field));
  std::string digits = std::to_string(value);
  digits.insert(0, static_cast<size_t>(f.width) - digits.size(), '0');
  record.replace(static_cast<size_t>(f.first - 1), static_cast<size_t>(f.width), digits);
}

int RunnerCountOf(const std::string& race) {
  const intake::FieldPlace& f = intake::Den1Record::kFields[intake::Den1Record::kRunnerCount];
  const auto* bytes = reinterpret_cast<const unsigned char*>(race.data()) + f.first - 1;
  return static_cast<int>(model::TextToNumber(intake::DecodeField(bytes, f.width)));
}

}  // namespace

MeetingBytes ReadMeetingBytes(const fs::path& folder) {
  return {ReadFile(folder / kRaceFileName), ReadFile(folder / kRunnerFileName),
          ReadFile(folder / kHorseFileName)};
}

void WriteMeetingBytes(const fs::path& folder, const MeetingBytes& files) {
  fs::create_directories(folder);
  WriteBytes(folder / kRaceFileName, files.race);
  WriteBytes(folder / kRunnerFileName, files.runner);
  WriteBytes(folder / kHorseFileName, files.horse);
}

MeetingBytes FullCardOf(const MeetingBytes& meeting) {
  MeetingBytes out;
  // The records of each race's runners, found by the walk the readers make.
  long first = 1;
  std::vector<std::pair<long, int>> race_runners;  // first record, runner count
  for (int r = 1; r <= kFullCardRaces; ++r) {
    const int count = RunnerCountOf(Record<intake::Den1Record>(meeting.race, r));
    race_runners.emplace_back(first, count);
    first += count >= 1 ? count : 1;
  }
  for (int r = 1; r <= kFullCardRaces; ++r) {
    std::string race = Record<intake::Den1Record>(meeting.race, r);
    SetDigits<intake::Den1Record>(race, intake::Den1Record::kRunnerCount, kFullCardRunners);
    out.race += race;
    auto [record, count] = race_runners[static_cast<size_t>(r - 1)];
    if (count < 1) std::tie(record, count) = race_runners.front();
    if (count < 1) throw std::runtime_error("the meeting's first race has no runners");
    for (int j = 1; j <= kFullCardRunners; ++j) {
      const long n = record + (j - 1) % count;
      std::string runner = Record<intake::Den2Record>(meeting.runner, n);
      SetDigits<intake::Den2Record>(runner, intake::Den2Record::kHorseNo, j);
      SetDigits<intake::Den2Record>(runner, intake::Den2Record::kFrame, (j - 1) * 8 / kFullCardRunners + 1);
      out.runner += runner;
      out.horse += Record<intake::UmaRecord>(meeting.horse, n);
    }
  }
  return out;
}

}  // namespace writer
