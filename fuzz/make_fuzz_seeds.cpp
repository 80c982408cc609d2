// make-fuzz-seeds OUTDIR [SAMPLE_FOLDER]: writes the seed corpora of the fuzz targets,
// OUTDIR/record_decode (single records), OUTDIR/road (whole meetings, see meeting_input.h) and
// OUTDIR/program (whole meetings, each with plans of races to analyse, see program_fuzz.cpp):
// small meetings made with the record writer, the corner cases of the runner walk, and, when
// given, the sample meeting whole, cut short and filled to 12 races of 28 runners; and
// OUTDIR/numbers_write, numbers_read and numbers_pattern (values, texts and digit patterns, see
// numbers_input.h).
#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "fuzz/meeting_input.h"
#include "fuzz/numbers_input.h"
#include "model/meeting_shape.h"
#include "tools/writer/record_writer.h"

namespace {

namespace fs = std::filesystem;
using R = intake::Den1Record;
using N = intake::Den2Record;
using U = intake::UmaRecord;

writer::Den1Builder Race(int no, int runners, const char* surface, const char* distance,
                         const char* class_code) {
  writer::Den1Builder race;
  race.SetUtf8(R::kCourseCode, "05").SetUtf8(R::kMeetingNo, "03").SetUtf8(R::kMeetingDay, "08");
  race.SetNumber(R::kRaceNo, no).SetUtf8(R::kRaceDate, "20030412").SetUtf8(R::kRaceFlag, "1");
  race.SetUtf8(R::kRaceName, "皐月賞").SetUtf8(R::kClassCode, class_code).SetUtf8(R::kSurfaceCode, surface);
  race.SetUtf8(R::kDirectionCode, "0").SetUtf8(R::kDistance, distance).SetNumber(R::kRunnerCount, runners);
  race.SetUtf8(R::kEstimatedTime, "1352").SetUtf8(R::kPaceCode, "1");
  return race;
}

writer::Den2Builder Runner(int no, const char* name) {
  writer::Den2Builder runner;
  runner.SetNumber(N::kFrame, (no + 1) / 2).SetNumber(N::kHorseNo, no).SetUtf8(N::kHorseCode, "9810234");
  runner.SetUtf8(N::kHorseName, name).SetUtf8(N::kSexCode, "0").SetUtf8(N::kAge, "04");
  runner.SetUtf8(N::kWeight, no % 2 ? "575" : "550").SetUtf8(N::kJockey, "武豊");
  runner.SetUtf8(N::kTrainLeadChar1, "*")
      .SetUtf8(N::kTrainLeadNumber1, "1")
      .SetUtf8(N::kTrainDate1, "20030409");
  runner.SetUtf8(N::kTrainCentre1, "美Ｗ").SetUtf8(N::kTrainCourse1, "Ｗ").SetUtf8(N::kTrainGoing1, "良");
  runner.SetUtf8(N::TrainTimeField(2), "  68.3").SetUtf8(N::TrainTimeField(3), "  53.1");
  runner.SetUtf8(N::TrainTimeField(4), "  39.0").SetUtf8(N::TrainTimeField(5), "  12.6");
  runner.SetUtf8(N::kTrainLaneChar1, "5")
      .SetUtf8(N::kTrainAction1, "馬なり")
      .SetUtf8(N::kTrainTrendCode1, "1");
  runner.SetUtf8(N::kTrainRemark1, "外一杯に併せ先着");
  runner.SetUtf8(N::kTrainText2, "03.04.02 美坂 良 53.8-39.1-12.8 強目に追う");
  return runner;
}

struct Run {
  const char *course, *date, *class_code, *surface, *distance, *going, *position, *time, *margin;
  const char *corner1, *corner2, *corner3, *corner4;
};

writer::UmaBuilder Horse(const char* name, const std::vector<Run>& runs) {
  writer::UmaBuilder horse;
  horse.SetUtf8(U::kHorseName, name).SetUtf8(U::kSireName, "サンデーサイレンス");
  horse.SetUtf8(U::kDamName, "ダイナカール");
  for (int g = 1; g <= U::kCountGroups; ++g)
    for (int c = 1; c <= 4; ++c) horse.SetNumber(U::CountField(g, c), (g + c) % 4);
  for (size_t i = 0; i < runs.size() && i < model::kPastRuns; ++i) {
    const int b = static_cast<int>(i) + 1;
    const Run& run = runs[i];
    horse.SetUtf8(U::RunField(b, U::kRunCourseCode), run.course);
    horse.SetUtf8(U::RunField(b, U::kRunDateCode), run.date);
    horse.SetUtf8(U::RunField(b, U::kRunClassCode), run.class_code);
    horse.SetUtf8(U::RunField(b, U::kRunSurfaceCode), run.surface);
    horse.SetUtf8(U::RunField(b, U::kRunDistance), run.distance);
    horse.SetUtf8(U::RunField(b, U::kRunFieldSize), "16").SetUtf8(U::RunField(b, U::kRunPaceCode), "1");
    horse.SetUtf8(U::RunField(b, U::kRunGoingCode), run.going).SetUtf8(U::RunField(b, U::kRunGate), "07");
    horse.SetUtf8(U::RunField(b, U::kRunWeight), "560").SetUtf8(U::RunField(b, U::kRunBodyWeight), "486");
    horse.SetUtf8(U::RunField(b, U::kRunPosition), run.position);
    horse.SetUtf8(U::RunField(b, U::kRunTime), run.time).SetUtf8(U::RunField(b, U::kRunMargin), run.margin);
    horse.SetUtf8(U::RunField(b, U::kRunFirst3F), "352").SetUtf8(U::RunField(b, U::kRunLast3F), "345");
    horse.SetUtf8(U::RunCornerField(b, 1), run.corner1).SetUtf8(U::RunCornerField(b, 2), run.corner2);
    horse.SetUtf8(U::RunCornerField(b, 3), run.corner3).SetUtf8(U::RunCornerField(b, 4), run.corner4);
  }
  return horse;
}

// Past runs over the courses, surfaces, classes and goings the base-time build sorts by.
const std::vector<Run> kRuns = {
    {"05", "20030315", "05000", "1", "1600", "0", "01", "1344", "000", "03", "03", "02", "01"},
    {"04", "20030201", "09000", "0", "1200", "1", "03", "1121", "004", "  ", "05", "04", "02"},
    {"01", "20021124", "00003", "1", "2000", "2", "12", "2013", "015", "  ", "45", "04", "02"},
    {"09", "19990710", "16000", "0", "1700", "3", "02", "1462", "002", "43", "03", "02", "01"},
    {"62", "20020505", "00004", "1", "2400", "0", "05", "2248", "008", "05", "  ", "02", "01"},
};

const std::vector<Run> kOtherRuns = {
    {"00", "20030322", "00001", "0", "1400", "0", "01", "1252", "000", "02", "02", "01", "01"},
    {"03", "20030104", "05000", "1", "1800", "1", "07", "1491", "009", "08", "08", "07", "06"},
    {"  ", "        ", "     ", " ", "    ", " ", "  ", "    ", "   ", "  ", "  ", "  ", "  "},
};

// Races with the given runner counts; the runner and horse files hold `records` records.
writer::MeetingFiles Meeting(const std::vector<int>& counts, int records) {
  writer::MeetingFiles files;
  const char* distances[] = {"1600", "1200", "2000", "1700", "1000", "2400"};
  for (size_t r = 0; r < counts.size(); ++r)
    files.races.push_back(Race(static_cast<int>(r) + 1, counts[r], r % 2 ? "0" : "1", distances[r % 6],
                               r % 3 ? "05000" : "00003"));
  for (int n = 1; n <= records; ++n) {
    files.runners.push_back(Runner(n, n % 2 ? "サクラローレル" : "TOKAI TEIO"));
    files.horses.push_back(Horse(n % 2 ? "サクラローレル" : "TOKAI TEIO", n % 3 ? kRuns : kOtherRuns));
  }
  return files;
}

template <class Layout>
std::string Bytes(const std::vector<writer::RecordBuilder<Layout>>& records) {
  std::string bytes;
  for (const auto& r : records)
    bytes.append(reinterpret_cast<const char*>(r.Bytes().data()), Layout::kLength);
  return bytes;
}

fuzz::MeetingBytes BytesOf(const writer::MeetingFiles& files) {
  return {Bytes(files.races), Bytes(files.runners), Bytes(files.horses)};
}

void WriteSeed(const fs::path& dir, const std::string& name, const std::string& bytes) {
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << bytes;
}

// Record n (from 1) of a file's bytes, or nothing when the file is shorter.
std::string RecordAt(const std::string& file, size_t length, size_t n) {
  if (file.size() < n * length) return {};
  return file.substr((n - 1) * length, length);
}

// Plans for the program target, four races of eight bytes each (see program_fuzz.cpp).
using Plan = std::vector<unsigned char>;
// Races 1 to 4 each through every step, with a press on a horse name and one on a value cell.
const Plan kEveryStep = {1, 0, 0, 0, 30, 54, 92, 76, 2, 1, 0, 1, 30, 54, 92, 76,
                         3, 2, 0, 2, 30, 54, 92, 76, 4, 3, 0, 3, 30, 54, 92, 76};
// Other goings, options and views, stops along the chain, "取消", DN and presses off the grid.
const Plan kOtherPaths = {0x42, 0x5A, 0x29, 4, 0,  0,  255, 255, 0x1C, 0x63, 0x96, 5, 200, 40,  30, 200,
                          0x31, 0x1F, 0x40, 1, 30, 10, 130, 250, 0x8C, 0xE2, 0x12, 2, 30,  120, 60, 90};

// "ＮＥＸＴ" before any race is chosen, then "取消" and "確定" with no race shown.
const Plan kNextFirst = {0, 0, 0, 0, 0,  0,  0,  0,  0, 0, 0x40, 0, 0, 0, 0, 0,
                         1, 0, 0, 0, 30, 54, 92, 76, 0, 0, 0,    0, 0, 0, 0, 0};

std::string WithPlan(const fuzz::MeetingBytes& m, const Plan& plan) {
  return fuzz::JoinInput(m) + std::string(plan.begin(), plan.end());
}

void WriteMeetingSeeds(const fs::path& out, const std::string& name, const fuzz::MeetingBytes& m) {
  WriteSeed(out / "road", name, fuzz::JoinInput(m));
  WriteSeed(out / "program", name, WithPlan(m, kEveryStep));
  WriteSeed(out / "program", name + "-other-paths", WithPlan(m, kOtherPaths));
  for (size_t n : {1, 2}) {
    const std::string tag = name + "-" + std::to_string(n);
    if (auto r = RecordAt(m.race, R::kLength, n); !r.empty())
      WriteSeed(out / "record_decode", tag + "-race", r);
    if (auto r = RecordAt(m.runner, N::kLength, n); !r.empty())
      WriteSeed(out / "record_decode", tag + "-runner", r);
    if (auto r = RecordAt(m.horse, U::kLength, n); !r.empty())
      WriteSeed(out / "record_decode", tag + "-horse", r);
  }
}

// The values, texts and patterns of the number conversions' own tests, for the number targets.
void WriteNumberSeeds(const fs::path& out) {
  const double values[] = {0,
                           -0.0,
                           1,
                           58,
                           0.5,
                           96.3,
                           55.05,
                           0.1 + 0.2,
                           1.0 / 3,
                           1e-7,
                           1e20,
                           5e-324,
                           1e300,
                           123456789012345,
                           1234567890123456,
                           999999999999999.9,
                           100000000000000.5,
                           12345678901234.25,
                           12.000000000000028,
                           99.99999999999997,
                           2.4999999999999996,
                           (94.3 - 95.5) * 10,
                           std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  const char16_t* patterns[] = {u"0",  u"00",    u"0.0",  u"00.0", u"0.00", u"#0",
                                u"0.", u"###.0", u"#.##", u"0##",  u""};
  int n = 0;
  for (double value : values) {
    const std::string bytes = fuzz::ValueBytes(value);
    WriteSeed(out / "numbers_write", "value-" + std::to_string(n), bytes);
    WriteSeed(out / "numbers_pattern", "value-" + std::to_string(n),
              bytes + fuzz::TextBytes(patterns[static_cast<size_t>(n) % std::size(patterns)],
                                      fuzz::kPatternAlphabet));
    ++n;
  }
  n = 0;
  for (const char16_t* text : {u"12", u" 57.2", u"- 3", u" - 1 . 5", u"1.2.3", u"00012.50", u"1e3", u"1e-2",
                               u"1e+", u"12x", u"0.30000000000000004", u"123456789012345678901234567890",
                               u"4.9e-324", u"1e400", u"-1e-400", u"96.3e2", u"0.000000000000000000001234"}) {
    WriteSeed(out / "numbers_read", "text-" + std::to_string(n++),
              fuzz::TextBytes(text, fuzz::kNumberAlphabet));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: make-fuzz-seeds OUTDIR [SAMPLE_FOLDER]\n";
    return 2;
  }
  const fs::path out = argv[1];
  WriteNumberSeeds(out);
  WriteMeetingSeeds(out, "two-races", BytesOf(Meeting({2, 1}, 3)));
  // A race without runners passes over one record; races after the last have blank counts.
  WriteMeetingSeeds(out, "counts-10-0-8", BytesOf(Meeting({10, 0, 8}, 19)));
  // More runners than the runner tables hold, then a race after them.
  WriteMeetingSeeds(out, "thirty-runners", BytesOf(Meeting({30, 2}, 32)));
  // Files shorter than the runner counts ask for.
  fuzz::MeetingBytes short_files = BytesOf(Meeting({12, 12, 12}, 36));
  short_files.runner.resize(5 * N::kLength + 100);
  short_files.horse.resize(3 * U::kLength + 7);
  WriteMeetingSeeds(out, "short-files", short_files);
  WriteSeed(out / "road", "empty-files", fuzz::JoinInput({}));
  WriteSeed(out / "program", "empty-files", WithPlan({}, kEveryStep));
  WriteSeed(out / "program", "next-first", WithPlan(BytesOf(Meeting({2, 1}, 3)), kNextFirst));

  if (argc == 3) {
    const fs::path sample = argv[2];
    fuzz::MeetingBytes m;
    try {
      m = writer::ReadMeetingBytes(sample);
    } catch (const std::exception&) {
    }
    if (m.race.empty() || m.runner.empty() || m.horse.empty()) {
      std::cerr << "make-fuzz-seeds: no meeting in " << sample << '\n';
      return 1;
    }
    WriteMeetingSeeds(out, "sample", m);
    // The largest meeting the files allow, so that the road meets 12 races of 28 runners.
    WriteSeed(out / "road", "sample-12x28", fuzz::JoinInput(writer::FullCardOf(m)));
    WriteSeed(out / "program", "sample-12x28", WithPlan(writer::FullCardOf(m), kEveryStep));
    // The sample's first races only: its runner and horse files end early.
    m.runner.resize(std::min(m.runner.size(), 20 * static_cast<size_t>(N::kLength)));
    m.horse.resize(std::min(m.horse.size(), 20 * static_cast<size_t>(U::kLength)));
    WriteSeed(out / "road", "sample-cut", fuzz::JoinInput(m));
    WriteSeed(out / "program", "sample-cut", WithPlan(m, kOtherPaths));
  }
  return 0;
}
