#pragma once
// Race-card fixtures: small kol_den1.kd2 / kol_den2.kd2 files built with the record writer.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace card_fixture {

// One record as field number -> UTF-8 text; unset fields are blank.
using Fields = std::map<int, std::string>;

void WriteRaceFile(const std::filesystem::path& file, const std::vector<Fields>& races);
void WriteRunnerFile(const std::filesystem::path& file, const std::vector<Fields>& runners);

// A plain race record: course 05, meeting 01, day 06, 2001-01-06, class 05000, turf,
// right-handed, 1200 m, estimated 1.12.3, middle pace.
Fields Race(int race_no, int runners);
// A plain runner record; the horse code carries the record number, so tests can see which
// record filled which cell.
Fields Runner(int record_no);

// A meeting of `counts.size()` races (at most 12) with those runner-count fields, written as
// the two card files into folder; runner records follow the walk (one record for a race
// whose count is not a positive number).
void WriteMeeting(const std::filesystem::path& folder, const std::vector<std::string>& counts);

// Writes an empty file: only its name matters to the folder check.
void Touch(const std::filesystem::path& file);

}  // namespace card_fixture
