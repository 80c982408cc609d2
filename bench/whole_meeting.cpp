#include "bench/whole_meeting.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <memory>
#include <sstream>
#include <system_error>

#include "bench/whole_meeting_actions.h"
#include "model/text.h"
#include "program/program.h"
#include "tools/driver/script_driver.h"
#include "ui/bitmap_file.h"

namespace bench {
namespace {

namespace fs = std::filesystem;

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Per meeting and kind, one figure per benchmark iteration.
struct KindSamples {
  std::vector<double> max_ms, median_ms;
};
std::map<std::string, std::map<std::string, KindSamples>>& Samples() {
  static std::map<std::string, std::map<std::string, KindSamples>> samples;
  return samples;
}

// The road to the analysis window; the empty text when it was carried out, else the driver's report.
std::string RunRoad(program::Program& app, const fs::path& folder) {
  app.Start();
  std::istringstream script(RoadLines(folder));
  std::ostringstream out, err;
  if (driver::RunScript(app, script, out, err) != 0) return err.str();
  return app.FindLoaded("frmAg3") == nullptr ? "no analysis window" : "";
}

// The graph frames are real bitmap files, as the desktop program keeps them, but in a program folder
// of the run's own, never in the source tree or the home folder.
fs::path FrameFolder() {
  return fs::temp_directory_path() / ("tarvelo-bench-frames-" + std::to_string(::getpid()));
}

void WholeMeeting(benchmark::State& state, const std::string& meeting, const fs::path& folder) {
  const std::vector<UserAction> actions = WholeMeetingActions(12);
  const fs::path frames = FrameFolder();
  fs::create_directories(frames);
  for (auto _ : state) {
    state.PauseTiming();
    auto app = std::make_unique<program::Program>();
    app->SetProgramFolder(model::FromUtf8(frames.string()));
    app->SetPictureStore(std::make_unique<ui::BitmapFilePictureStore>());
    if (std::string failed = RunRoad(*app, folder); !failed.empty()) {
      state.SkipWithError(("the road failed: " + failed).c_str());
      break;
    }
    // The harness's own work (streams, the times' places) is done before the clock runs, so that
    // the whole meeting's figure is the program's.
    std::map<std::string, std::vector<double>> times;
    std::vector<std::vector<double>*> time_of_action;
    for (const UserAction& action : actions) time_of_action.push_back(&times[action.kind]);
    for (auto& [kind, ms] : times) ms.reserve(actions.size());
    std::istringstream line;
    std::ostringstream out, err;
    state.ResumeTiming();
    for (size_t k = 0; k < actions.size(); ++k) {
      line.clear();
      line.str(actions[k].line);
      const auto start = std::chrono::steady_clock::now();
      const int status = driver::RunScript(*app, line, out, err);
      const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
      if (status != 0) {
        state.SkipWithError(("a user action failed: " + err.str()).c_str());
        return;
      }
      time_of_action[k]->push_back(spent.count());
    }
    state.PauseTiming();
    for (auto& [kind, ms] : times) {
      KindSamples& s = Samples()[meeting][kind];
      s.max_ms.push_back(*std::max_element(ms.begin(), ms.end()));
      s.median_ms.push_back(Median(ms));
    }
    app.reset();
    state.ResumeTiming();
  }
  std::error_code ignored;
  fs::remove_all(frames, ignored);
}

std::string Cell(double ms) {
  std::ostringstream s;
  s << std::right << std::setw(10) << std::fixed << std::setprecision(3) << ms;
  return s.str();
}

}  // namespace

void RegisterWholeMeeting(const std::string& meeting, const fs::path& folder) {
  benchmark::RegisterBenchmark(("whole_meeting/" + meeting).c_str(), WholeMeeting, meeting, folder)
      ->Unit(benchmark::kMillisecond);
}

ActionTable ActionTimesOf(const std::string& meeting) {
  ActionTable table;
  auto it = Samples().find(meeting);
  if (it == Samples().end()) return table;
  for (const auto& [kind, s] : it->second) table[kind] = {Median(s.max_ms), Median(s.median_ms)};
  return table;
}

void PrintActionSummary(std::ostream& out, const std::vector<std::string>& meetings) {
  out << "\n" << std::left << std::setw(22) << "user action (ms)";
  for (const std::string& m : meetings)
    out << std::right << std::setw(10) << (m + " max") << std::setw(10) << "median";
  out << "\n";
  std::vector<ActionTable> tables;
  for (const std::string& m : meetings) tables.push_back(ActionTimesOf(m));
  const std::vector<UserAction> order = RaceActions(1, 2);
  std::vector<std::string> printed;
  for (const UserAction& action : order) {
    if (std::find(printed.begin(), printed.end(), action.kind) != printed.end()) continue;
    printed.push_back(action.kind);
    out << std::left << std::setw(22) << action.kind;
    for (const ActionTable& t : tables) {
      auto it = t.find(action.kind);
      if (it == t.end()) {
        out << std::right << std::setw(10) << "-" << std::setw(10) << "-";
      } else {
        out << Cell(it->second.max_ms) << Cell(it->second.median_ms);
      }
    }
    out << "\n";
  }
  for (size_t k = 0; k < meetings.size(); ++k) {
    if (tables[k].empty()) continue;
    auto slowest = std::max_element(tables[k].begin(), tables[k].end(), [](const auto& a, const auto& b) {
      return a.second.max_ms < b.second.max_ms;
    });
    out << "slowest user action on " << meetings[k] << ": " << slowest->first << " (" << std::fixed
        << std::setprecision(3) << slowest->second.max_ms << " ms at its slowest race)\n";
  }
}

}  // namespace bench
