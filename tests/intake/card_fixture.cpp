#include "card_fixture.h"

#include <iconv.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <stdexcept>

#include "intake/race_card_reader.h"
#include "intake/record_layouts.h"

namespace card_fixture {

namespace {

std::string ToCp932(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
  std::string in = utf8;
  std::string out(in.size() * 2 + 4, '\0');
  char* ip = in.data();
  size_t il = in.size();
  char* op = out.data();
  size_t ol = out.size();
  const size_t rc = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) throw std::runtime_error("not encodable in CP932: " + utf8);
  out.resize(out.size() - ol);
  return out;
}

template <class Layout>
void WriteFile(const std::filesystem::path& file, const std::vector<Fields>& records) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const Fields& fields : records) {
    std::string buffer(Layout::kLength, ' ');
    for (const auto& [number, text] : fields) {
      const intake::FieldSpec& f = Layout::kFields.at(static_cast<size_t>(number));
      const std::string bytes = ToCp932(text);
      if (static_cast<int>(bytes.size()) > f.width) throw std::runtime_error("field too wide: " + text);
      buffer.replace(static_cast<size_t>(f.first - 1), bytes.size(), bytes);
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  }
}

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> serial{0};
  path_ = std::filesystem::temp_directory_path() /
          ("tarvelo-card-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempFolder::Touch(const std::string& name) const {
  std::ofstream(path_ / name, std::ios::binary);
}

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
    const int count = counts[i].find_first_of("0123456789") == std::string::npos ? 0 : std::stoi(counts[i]);
    const int records = count > 0 ? count : 1;
    for (int k = 0; k < records; ++k) runners.push_back(Runner(static_cast<int>(runners.size()) + 1));
  }
  WriteRaceFile(folder / intake::kRaceFileName, races);
  WriteRunnerFile(folder / intake::kRunnerFileName, runners);
}

}  // namespace card_fixture
