// tarvelo-bench [benchmark flags]: the cost of the road from the data folder to the base times,
// on the sample meeting and on a meeting of 12 races of 28 runners. Beside each step it measures
// the floor, the least the road must do (read the three files and decode every field into text),
// and ends with a table of the steps and the road's ratio to that floor.
#include <benchmark/benchmark.h>
#include <unistd.h>

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
#include <string>
#include <vector>

#include "basetime/base_time_build.h"
#include "bench/bench_meetings.h"
#include "intake/past_performance_read.h"
#include "intake/race_card_reader.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/meeting.h"
#include "program/program.h"
#include "shell/app.h"
#include "tools/driver/script_driver.h"
#include "tools/writer/record_writer.h"

namespace {

namespace fs = std::filesystem;

// --- The floor

template <class Layout>
size_t DecodeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  size_t characters = 0;
  for (size_t at = 0; at + Layout::kLength <= bytes.size(); at += Layout::kLength) {
    for (int n = 1; n <= Layout::kFieldCount; ++n) {
      const intake::FieldSpec& f = Layout::kFields[static_cast<size_t>(n)];
      model::Text text = intake::DecodeField(data + at + f.first - 1, f.width);
      benchmark::DoNotOptimize(text.data());
      characters += text.size();
    }
  }
  return characters;
}

void Floor(benchmark::State& state, const fs::path& folder) {
  for (auto _ : state) {
    size_t characters = DecodeFile<intake::Den1Record>(folder / writer::kRaceFileName) +
                        DecodeFile<intake::Den2Record>(folder / writer::kRunnerFileName) +
                        DecodeFile<intake::UmaRecord>(folder / writer::kHorseFileName);
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

void Road(benchmark::State& state, const fs::path& folder) {
  const std::string road =
      "click frmAg1.Command1\n"
      "folder " +
      folder.generic_string() +
      "\n"
      "click frmAg2.Command1\n"
      "click frmAg2.Command7\n"
      "click frmAg2.Command8\n"
      "tick frmAg2.Timer1 2\n";
  for (auto _ : state) {
    program::Program app;
    app.Start();
    std::istringstream script(road);
    std::ostringstream out, err;
    if (driver::RunScript(app, script, out, err) != 0 || app.FindLoaded("frmAg3") == nullptr) {
      state.SkipWithError(("the road failed: " + err.str()).c_str());
      break;
    }
  }
}

// --- The summary after the run

struct Row {
  const char* label;
  const char* name;
};
constexpr Row kRows[] = {{"floor (read + decode every field)", "floor"},
                         {"race-card read", "race_card_read"},
                         {"past-performance read", "past_performance_read"},
                         {"base-time build", "base_time_build"},
                         {"road (headless App)", "road"}};
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
    out << "\n" << std::left << std::setw(36) << "milliseconds per run";
    for (const std::string& m : kMeetings) out << std::right << std::setw(12) << m;
    out << "\n";
    for (const Row& row : kRows) {
      out << std::left << std::setw(36) << row.label;
      for (const std::string& m : kMeetings) out << Cell(Milliseconds(Name(row, m)));
      out << "\n";
    }
    out << std::left << std::setw(36) << "road / floor";
    for (const std::string& m : kMeetings) {
      const double road = Milliseconds("road/" + m), floor = Milliseconds("floor/" + m);
      out << Cell(road > 0 && floor > 0 ? road / floor : -1);
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
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  const fs::path sample = bench::SampleFolder();
  const fs::path full = fs::temp_directory_path() / ("tarvelo-bench-" + std::to_string(getpid()));
  try {
    bench::WriteFullCard(sample, full);
  } catch (const std::exception& e) {
    std::cerr << "tarvelo-bench: " << e.what() << '\n';
    return 1;
  }
  Register(kMeetings[0], sample);
  Register(kMeetings[1], full);

  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);
  benchmark::Shutdown();
  fs::remove_all(full);
  return 0;
}
