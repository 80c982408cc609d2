#include "card_fixture.h"

#include <fstream>

#include "intake/meeting_files.h"
#include "tools/writer/record_writer.h"

namespace card_fixture {

namespace {

template <class Layout>
void WriteFile(const std::filesystem::path& file, const std::vector<Fields>& records) {
  std::vector<writer::RecordBuilder<Layout>> builders(records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    for (const auto& [number, text] : records[i]) builders[i].SetUtf8(number, text);
  }
  writer::WriteRecordFile(file, builders);
}

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

void WriteRaceFile(const std::filesystem::path& file, const std::vector<Fields>& races) {
  WriteFile<intake::Den1Record>(file, races);
}

void WriteRunnerFile(const std::filesystem::path& file, const std::vector<Fields>& runners) {
  WriteFile<intake::Den2Record>(file, runners);
}

Fields Race(int race_no, int runners) {
  return {{1, "05"},       {3, "01"}, {4, "06"},      {5, TwoDigits(race_no)},
          {6, "20010106"}, {10, "1"}, {13, "レース"}, {21, "05000"},
          {22, "1"},       {23, "0"}, {26, "1200"},   {53, TwoDigits(runners)},
          {55, "1123"},    {57, "1"}};
}

Fields Runner(int record_no) {
  const std::string n = std::to_string(record_no);
  return {{8, "1"},           {9, "01"},   {10, std::string(7 - n.size(), '0') + n},
          {11, "ホース" + n}, {13, "0"},   {14, "03"},
          {19, "550"},        {22, "騎手"}};
}

void WriteMeeting(const std::filesystem::path& folder, const std::vector<std::string>& counts) {
  std::vector<Fields> races;
  std::vector<Fields> runners;
  for (size_t i = 0; i < counts.size(); ++i) {
    Fields race = Race(static_cast<int>(i) + 1, 0);
    race[53] = counts[i];
    races.push_back(race);
    const bool has_digit = counts[i].find_first_of("0123456789") != std::string::npos;
    const int count = has_digit ? std::stoi(counts[i]) : 0;
    const int records = count > 0 ? count : 1;
    for (int k = 0; k < records; ++k) runners.push_back(Runner(static_cast<int>(runners.size()) + 1));
  }
  WriteRaceFile(folder / intake::kRaceFileName, races);
  WriteRunnerFile(folder / intake::kRunnerFileName, runners);
}

void Touch(const std::filesystem::path& file) {
  std::ofstream(file, std::ios::binary);
}

}  // namespace card_fixture
