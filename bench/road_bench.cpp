// tarvelo-bench [benchmark flags]: the cost of the road from the data folder to the base times,
// on the sample meeting and on a meeting of 12 races of 28 runners. Beside each step it measures
// the floor, the least the road must do (read the three files and decode the fields it uses), and
// the whole meeting analysed after the road, every user action timed on its own. It ends with a table
// of the steps, the road's ratio to that floor, the analysis's ratio to the road, and the user actions.
// tarvelo-bench --whole-meeting DIR writes the 12 x 28 meeting and the whole-meeting scripts into DIR.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "basetime/base_time_build.h"
#include "bench/whole_meeting.h"
#include "bench/whole_meeting_actions.h"
#include "intake/past_performance_read.h"
#include "intake/race_card_reader.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/meeting.h"
#include "program/program.h"
#include "shell/app.h"
#include "tools/driver/script_driver.h"
#include "tools/writer/full_card.h"
#include "tools/writer/record_writer.h"

namespace {

namespace fs = std::filesystem;

// --- The floor: the least the road must do. It reads each file in one go and decodes exactly the
// fields the road decodes, of exactly the records it reads; the road's own tables, labels and
// windows come on top.

using intake::Den1Record;
using intake::Den2Record;
using intake::UmaRecord;

// The race-card read's fields of every race record and of every runner record it reads.
constexpr int kRaceFields[] = {Den1Record::kCourseCode,    Den1Record::kMeetingNo, Den1Record::kMeetingDay,
                               Den1Record::kRaceNo,        Den1Record::kRaceDate,  Den1Record::kRaceFlag,
                               Den1Record::kRaceName,      Den1Record::kClassCode, Den1Record::kSurfaceCode,
                               Den1Record::kDirectionCode, Den1Record::kDistance,  Den1Record::kRunnerCount,
                               Den1Record::kEstimatedTime, Den1Record::kPaceCode};
constexpr int kRunnerFields[] = {Den2Record::kFrame,
                                 Den2Record::kHorseNo,
                                 Den2Record::kHorseCode,
                                 Den2Record::kHorseName,
                                 Den2Record::kSexCode,
                                 Den2Record::kAge,
                                 Den2Record::kWeight,
                                 Den2Record::kJockey,
                                 Den2Record::kTrainLeadChar1,
                                 Den2Record::kTrainLeadNumber1,
                                 Den2Record::kTrainDate1,
                                 Den2Record::kTrainCentre1,
                                 Den2Record::kTrainCourse1,
                                 Den2Record::kTrainGoing1,
                                 Den2Record::TrainTimeField(0),
                                 Den2Record::TrainTimeField(1),
                                 Den2Record::TrainTimeField(2),
                                 Den2Record::TrainTimeField(3),
                                 Den2Record::TrainTimeField(4),
                                 Den2Record::TrainTimeField(5),
                                 Den2Record::TrainTimeField(6),
                                 Den2Record::kTrainLaneChar1,
                                 Den2Record::kTrainAction1,
                                 Den2Record::kTrainTrendCode1,
                                 Den2Record::kTrainRemark1,
                                 Den2Record::kTrainText2,
                                 Den2Record::kTrainText3};

// What the road decodes of a meeting's runner and horse files: the records it reads, in order, and
// for each the horse fields it asks for (the past-run decoding asks more of some records).
struct FloorPlan {
  std::vector<long> records;
  std::vector<std::vector<int>> horse_fields;
};

// Watches the real past-performance walk once, outside the timing.
FloorPlan PlanOf(const fs::path& folder) {
  auto meeting = std::make_unique<model::Meeting>();
  program::CreateTableGroups(*meeting);
  intake::ReadRaceCard(*meeting, folder);
  intake::RecordReader<UmaRecord> horses(folder / writer::kHorseFileName);
  FloorPlan plan;
  intake::WalkHorseRecords(*meeting, {[&](long n) {
                                        horses.Read(n);
                                        plan.records.push_back(n);
                                        plan.horse_fields.emplace_back();
                                      },
                                      [&](int field) {
                                        plan.horse_fields.back().push_back(field);
                                        return horses.Field(field);
                                      }});
  return plan;
}

// The whole file with one read.
std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  std::string bytes(static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

template <class Layout, class Fields>
size_t DecodeFields(const std::string& file, long record, const Fields& fields) {
  const size_t at = static_cast<size_t>(record - 1) * Layout::kLength;
  if (record < 1 || at + Layout::kLength > file.size()) return 0;
  const auto* data = reinterpret_cast<const unsigned char*>(file.data()) + at;
  size_t characters = 0;
  for (int n : fields) {
    const intake::FieldPlace& f = Layout::kFields[static_cast<size_t>(n)];
    model::Text text = intake::DecodeField(data + f.first - 1, f.width);
    benchmark::DoNotOptimize(text.data());
    characters += text.size();
  }
  return characters;
}

void Floor(benchmark::State& state, const fs::path& folder) {
  const FloorPlan plan = PlanOf(folder);
  for (auto _ : state) {
    const std::string races = ReadWhole(folder / writer::kRaceFileName);
    const std::string runners = ReadWhole(folder / writer::kRunnerFileName);
    const std::string horses = ReadWhole(folder / writer::kHorseFileName);
    size_t characters = 0;
    for (long r = 1; r <= 12; ++r) characters += DecodeFields<Den1Record>(races, r, kRaceFields);
    for (size_t k = 0; k < plan.records.size(); ++k) {
      characters += DecodeFields<Den2Record>(runners, plan.records[k], kRunnerFields);
      characters += DecodeFields<UmaRecord>(horses, plan.records[k], plan.horse_fields[k]);
    }
    benchmark::DoNotOptimize(characters);
  }
}

// --- The steps, each on the tables the steps before it left

class NoGrid : public basetime::ClassGridWriter {
 public:
  void SetClassCell(int, int, int, const model::Text&) override {}
};

enum class Step { kRaceCard, kPastPerformances, kBaseTimes };

void RunStep(Step step, model::Meeting& meeting, const fs::path& folder) {
  switch (step) {
    case Step::kRaceCard:
      benchmark::DoNotOptimize(intake::ReadRaceCard(meeting, folder.string()));
      return;
    case Step::kPastPerformances:
      return intake::ReadPastPerformances(meeting, folder.string());
    case Step::kBaseTimes: {
      NoGrid grid;
      return basetime::BuildBaseTimes(meeting, grid);
    }
  }
}

// Times one step; the tables are made fresh and brought to the step outside the timing.
void StepBenchmark(benchmark::State& state, Step step, const fs::path& folder) {
  for (auto _ : state) {
    state.PauseTiming();
    auto meeting = std::make_unique<model::Meeting>();
    program::CreateTableGroups(*meeting);
    for (Step before = Step::kRaceCard; before != step;
         before = static_cast<Step>(static_cast<int>(before) + 1))
      RunStep(before, *meeting, folder);
    state.ResumeTiming();
    RunStep(step, *meeting, folder);
    benchmark::ClobberMemory();
    state.PauseTiming();
    meeting.reset();
    state.ResumeTiming();
  }
}

// --- The road: the program driven as a user drives it, from its start to the analysis window

// The program started and driven to the analysis window; null, with the error, when the road failed.
std::unique_ptr<program::Program> RunRoad(const std::string& road, std::string& error) {
  auto app = std::make_unique<program::Program>();
  app->Start();
  std::istringstream script(road);
  std::ostringstream out, err;
  if (driver::RunScript(*app, script, out, err) != 0 || app->FindLoaded("frmAg3") == nullptr) {
    error = "the road failed: " + err.str();
    return nullptr;
  }
  return app;
}

// The user waits from the start to the analysis window; the program's teardown at its end is
// timed on its own below.
void Road(benchmark::State& state, const fs::path& folder) {
  const std::string road = bench::RoadLines(folder);
  std::string error;
  for (auto _ : state) {
    std::unique_ptr<program::Program> app = RunRoad(road, error);
    state.PauseTiming();
    app.reset();
    state.ResumeTiming();
    if (!error.empty()) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
}

// The teardown of the program after the road: every window and table given back.
void Teardown(benchmark::State& state, const fs::path& folder) {
  const std::string road = bench::RoadLines(folder);
  std::string error;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<program::Program> app = RunRoad(road, error);
    state.ResumeTiming();
    app.reset();
    if (!error.empty()) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
}

// --- The summary after the run

struct Row {
  const char* label;
  const char* name;
};
constexpr Row kRows[] = {{"floor (read + decode the road's fields)", "floor"},
                         {"race-card read", "race_card_read"},
                         {"past-performance read", "past_performance_read"},
                         {"base-time build", "base_time_build"},
                         {"road (headless App)", "road"},
                         {"program teardown (after the road)", "teardown"},
                         {"whole-meeting analysis (after the road)", "whole_meeting"}};
constexpr std::span<const Row> kSteps(kRows + 1, 3);
const std::vector<std::string> kMeetings = {"sample", "12x28"};

// Prints as the console does and keeps each benchmark's time per iteration for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as the library's own console output.
  SummaryReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the median stands for the benchmark.
    for (const Run& run : runs) {
      if (run.iterations == 0) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type != Run::RT_Iteration && !median) continue;
      if (!median && medians_.count(run.run_name.str())) continue;
      seconds_[run.run_name.str()] = run.real_accumulated_time / static_cast<double>(run.iterations);
      if (median) medians_.insert(run.run_name.str());
    }
  }

  void PrintSummary(std::ostream& out) const {
    out << "\n" << std::left << std::setw(40) << "milliseconds per run";
    for (const std::string& m : kMeetings) out << std::right << std::setw(12) << m;
    out << "\n";
    for (const Row& row : kRows) {
      out << std::left << std::setw(40) << row.label;
      for (const std::string& m : kMeetings) out << Cell(Milliseconds(Name(row, m)));
      out << "\n";
    }
    out << std::left << std::setw(40) << "road / floor";
    for (const std::string& m : kMeetings) {
      const double road = Milliseconds("road/" + m), floor = Milliseconds("floor/" + m);
      out << Cell(road > 0 && floor > 0 ? road / floor : -1);
    }
    out << "\n";
    out << std::left << std::setw(40) << "whole-meeting analysis / road";
    for (const std::string& m : kMeetings) {
      const double whole = Milliseconds("whole_meeting/" + m), road = Milliseconds("road/" + m);
      out << Cell(whole > 0 && road > 0 ? whole / road : -1);
    }
    out << "\n";
    for (const std::string& m : kMeetings) {
      const Row* costliest = nullptr;
      for (const Row& row : kSteps)
        if (costliest == nullptr || Milliseconds(Name(row, m)) > Milliseconds(Name(*costliest, m)))
          costliest = &row;
      const double step = Milliseconds(Name(*costliest, m)), road = Milliseconds("road/" + m);
      if (step < 0) continue;
      out << "most expensive step on " << m << ": " << costliest->label;
      if (road > 0)
        out << " (" << std::fixed << std::setprecision(0) << 100 * step / road << "% of the road)";
      out << "\n";
    }
  }

 private:
  static std::string Name(const Row& row, const std::string& meeting) {
    return std::string(row.name) + "/" + meeting;
  }
  double Milliseconds(const std::string& name) const {
    auto it = seconds_.find(name);
    return it == seconds_.end() ? -1 : it->second * 1e3;
  }
  static std::string Cell(double value) {
    std::ostringstream s;
    s << std::right << std::setw(12);
    if (value < 0)
      s << "-";
    else
      s << std::fixed << std::setprecision(value < 10 ? 3 : 1) << value;
    return s.str();
  }
  std::map<std::string, double> seconds_;
  std::set<std::string> medians_;
};

void Register(const std::string& meeting, const fs::path& folder) {
  benchmark::RegisterBenchmark(("floor/" + meeting).c_str(), Floor, folder)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("race_card_read/" + meeting).c_str(), StepBenchmark, Step::kRaceCard, folder)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("past_performance_read/" + meeting).c_str(), StepBenchmark,
                               Step::kPastPerformances, folder)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("base_time_build/" + meeting).c_str(), StepBenchmark, Step::kBaseTimes,
                               folder)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("road/" + meeting).c_str(), Road, folder)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("teardown/" + meeting).c_str(), Teardown, folder)
      ->Unit(benchmark::kMillisecond);
  bench::RegisterWholeMeeting(meeting, folder);
}

// --whole-meeting DIR: the 12 x 28 meeting and a whole-meeting script for each meeting, to run with
// tarvelo-script --timing.
int WriteWholeMeetingScripts(const fs::path& sample, const fs::path& dir) {
  try {
    writer::WriteMeetingBytes(dir / "12x28", writer::FullCardOf(writer::ReadMeetingBytes(sample)));
    for (const auto& [name, folder] : {std::pair{"sample", sample}, std::pair{"12x28", dir / "12x28"}}) {
      std::ofstream script(dir / (std::string(name) + ".script"));
      script << bench::WholeMeetingScript(fs::absolute(folder), 12);
      if (!script) throw std::runtime_error("cannot write " + (dir / name).string() + ".script");
    }
  } catch (const std::exception& e) {
    std::cerr << "tarvelo-bench: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);

  const fs::path sample = fs::path(TARVELO_SOURCE_DIR) / "sample";
  if (argc == 3 && std::string(argv[1]) == "--whole-meeting")
    return WriteWholeMeetingScripts(sample, argv[2]);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const fs::path full = fs::temp_directory_path() / ("tarvelo-bench-" + std::to_string(getpid()));
  try {
    writer::WriteMeetingBytes(full, writer::FullCardOf(writer::ReadMeetingBytes(sample)));
  } catch (const std::exception& e) {
    std::cerr << "tarvelo-bench: " << e.what() << '\n';
    return 1;
  }
  Register(kMeetings[0], sample);
  Register(kMeetings[1], full);

  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);
  bench::PrintActionSummary(std::cout, kMeetings);
  benchmark::Shutdown();
  fs::remove_all(full);
  return 0;
}
