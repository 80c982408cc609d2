#pragma once
// Race-card fixtures: small kol_den1.kd2 / kol_den2.kd2 files in a fresh temporary folder.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace card_fixture {

// One record as field number -> UTF-8 text; unset fields are blank.
using Fields = std::map<int, std::string>;

// A fresh, empty folder under the system's temporary folder, removed by the destructor.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string PathText() const { return path_.string(); }
  // Writes an empty file (only its name matters to the folder check).
  void Touch(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// Writes the records of a race file / runner file into folder/name.
void WriteRaceFile(const std::filesystem::path& file, const std::vector<Fields>& races);
void WriteRunnerFile(const std::filesystem::path& file, const std::vector<Fields>& runners);

// A plain race record: course, meeting, day, race number, date, runner count and the like.
Fields Race(int race_no, int runners);
// A plain runner record; the horse code carries the record number, so tests can see which
// record filled which cell.
Fields Runner(int record_no);

// A meeting of `counts.size()` races (at most 12) with those runner-count fields, written as
// the two card files into folder; runner records follow the walk (one record for a race
// whose count is not a positive number).
void WriteMeeting(const std::filesystem::path& folder, const std::vector<std::string>& counts);

}  // namespace card_fixture
