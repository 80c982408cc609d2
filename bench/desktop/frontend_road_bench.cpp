// tarvelo-frontend-bench [ROUNDS] [MEETING_FOLDER]: the desktop program's road and then the whole
// meeting's analysis (every race through every user action, then "ＮＥＸＴ") with the real frontend,
// under Qt's offscreen platform unless QT_QPA_PLATFORM names another (xcb under Xvfb). Each user action
// goes through the frontend as a click or a timer tick does, and is timed in three parts: the model's
// handler, the frontend bringing its windows up to date (the sync), and Qt painting what the sync asked
// to repaint. Prints first the start-up to the opening window's first paint beside a bare Qt program's
// (first_paint.h); then, per road action, the median of the rounds and the widgets painted; per kind of
// analysis action, the race where its median was slowest; the slowest action last.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/desktop/first_paint.h"
#include "bench/whole_meeting_actions.h"
#include "desktop/frontend.h"
#include "model/text.h"
#include "program/program.h"
#include "tools/driver/script_driver.h"

namespace {

// The road's user actions, as the script driver writes them (the dumps and pictures left out).
std::vector<std::string> RoadActions(const std::string& meeting) {
  return {
      "click frmAg1.Option1",
      "click frmAg1.Option2",
      "click frmAg1.Option3",
      "click frmAg1.Option4",
      "click frmAg1.Option2",
      "click frmAg1.Command1",
      "tick frmAg2.Timer2",
      "tick frmAg2.Timer2",
      "tick frmAg2.Timer2",
      "folder " + meeting,
      "click frmAg2.Command1",
      "click frmAg2.Command7",
      "mousedown frmAg2.MSFlexGrid3 1900 100",
      "mousedown frmAg2.MSFlexGrid3 5900 300",
      "mousedown frmAg2.MSFlexGrid2 1000 500",
      "mousedown frmAg2.MSFlexGrid2 3000 1200",
      "mousedown frmAg2.MSFlexGrid4 3900 100",
      "mousedown frmAg2.MSFlexGrid2 500 2000",
      "click frmAg2.Command8",
      "tick frmAg2.Timer1",
      "tick frmAg2.Timer1",
      "click frmAg7.Option2",
      "click frmAg7.Command1",
      "click frmAg7.Option1",
      "click frmAg7.Command1",
      "click frmAg7.Command2",
      "click frmAg7.Command3",
      "click frmAg7.Check1",
      "click frmAg7.Command5",
      "click frmAg7.Command4",
      "click frmAg7.Command6",
      "click frmAg0.Check1",
      "click frmAg0.Command4",
  };
}

// Counts the paint events Qt delivers to widgets.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

struct Sample {
  double model_ms = 0, sync_ms = 0, paint_ms = 0;
  int paints = 0;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// The median of each part over the rounds.
Sample MedianSample(const std::vector<Sample>& runs) {
  std::vector<double> model, sync, paint, paints;
  for (const Sample& s : runs) {
    model.push_back(s.model_ms);
    sync.push_back(s.sync_ms);
    paint.push_back(s.paint_ms);
    paints.push_back(s.paints);
  }
  return {Median(model), Median(sync), Median(paint), static_cast<int>(Median(paints))};
}

// The click as the user waits for it: handler, sync and painting.
double Whole(const Sample& s) {
  return s.model_ms + s.sync_ms + s.paint_ms;
}

constexpr double kClickBudgetMs = 50;

void PrintRow(const std::string& name, const Sample& s) {
  std::printf("%-42s %9.2f %9.2f %9.2f %9.2f %7d\n", name.c_str(), s.model_ms, s.sync_ms, s.paint_ms,
              s.sync_ms + s.paint_ms, s.paints);
}

// Lets Qt deliver what the sync posted: repaints, deferred deletions, window exposure.
void Settle() {
  for (int i = 0; i < 3; ++i) {
    QApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == bench::kFirstPaintFlag)
    return bench::RunProgramToFirstPaint(argc, argv);
  int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::string meeting = argc > 2 ? argv[2] : std::string(TARVELO_SOURCE_DIR) + "/sample";
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Start-up varies more from run to run than a click does.
  bench::PrintStartUpComparison(2 * rounds + 1);
  QApplication application(argc, argv);
  desktop::ConfigureApplication(application);
  PaintCounter counter;
  application.installEventFilter(&counter);
  std::filesystem::current_path(TARVELO_SOURCE_DIR);

  // Graph frame files go to a folder of the run's own, never beside the executable.
  const std::filesystem::path frames =
      std::filesystem::temp_directory_path() / ("tarvelo-frontend-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(frames);
  std::printf("platform: %s\n", QApplication::platformName().toUtf8().constData());

  std::vector<std::string> actions = RoadActions(meeting);
  const size_t road_actions = actions.size();
  std::vector<std::string> kinds;
  std::vector<int> races;
  for (int race = 1; race <= 12; ++race) {
    for (const bench::UserAction& action : bench::RaceActions(race, 12)) {
      actions.push_back(action.line);
      kinds.push_back(action.kind);
      races.push_back(race);
    }
  }
  std::vector<std::vector<Sample>> samples(actions.size());
  for (int round = 0; round < rounds; ++round) {
    program::Program app;
    app.screen.SetSizePixels(1920, 1080);
    desktop::Frontend frontend(app, false);
    app.SetProgramFolder(model::FromUtf8(frames.string()));
    app.Start();
    frontend.Sync();
    Settle();
    for (size_t i = 0; i < actions.size(); ++i) {
      Sample s;
      QElapsedTimer model_clock, whole;
      qint64 model_ns = 0;
      std::ostringstream out, err;
      counter.paints = 0;
      whole.start();
      frontend.Dispatch([&] {
        model_clock.start();
        std::istringstream line(actions[i]);
        if (driver::RunScript(app, line, out, err) != 0) std::cerr << err.str();
        model_ns = model_clock.nsecsElapsed();
      });
      qint64 dispatched_ns = whole.nsecsElapsed();
      Settle();
      qint64 settled_ns = whole.nsecsElapsed();
      s.model_ms = model_ns / 1e6;
      s.sync_ms = (dispatched_ns - model_ns) / 1e6;
      s.paint_ms = (settled_ns - dispatched_ns) / 1e6;
      s.paints = counter.paints;
      samples[i].push_back(s);
    }
    app.UnloadAll();
    Settle();
  }

  std::vector<Sample> medians;
  for (const std::vector<Sample>& runs : samples) medians.push_back(MedianSample(runs));

  std::printf("%-42s %9s %9s %9s %9s %7s\n", "road action (median of rounds)", "model ms", "sync ms",
              "paint ms", "front ms", "paints");
  double total_sync = 0, total_paint = 0;
  for (size_t i = 0; i < road_actions; ++i) {
    total_sync += medians[i].sync_ms;
    total_paint += medians[i].paint_ms;
    PrintRow(actions[i].substr(0, 42), medians[i]);
  }
  std::printf("road total: sync %.2f ms, paint %.2f ms\n\n", total_sync, total_paint);

  // Per kind of analysis action, the race where its median took longest.
  std::printf("%-42s %9s %9s %9s %9s %7s\n", "analysis action (slowest race)", "model ms", "sync ms",
              "paint ms", "front ms", "paints");
  std::vector<std::string> order;
  std::map<std::string, size_t> slowest_of_kind;
  for (size_t i = road_actions; i < actions.size(); ++i) {
    const std::string& kind = kinds[i - road_actions];
    auto [it, first] = slowest_of_kind.try_emplace(kind, i);
    if (first) order.push_back(kind);
    if (Whole(medians[i]) > Whole(medians[it->second])) it->second = i;
  }
  int over_frame = 0;
  for (size_t i = road_actions; i < actions.size(); ++i) over_frame += Whole(medians[i]) > kClickBudgetMs;
  for (const std::string& kind : order) {
    const size_t i = slowest_of_kind[kind];
    PrintRow(kind + " (race " + std::to_string(races[i - road_actions]) + ")", medians[i]);
  }
  size_t slowest = 0;
  for (size_t i = 0; i < actions.size(); ++i)
    if (Whole(medians[i]) > Whole(medians[slowest])) slowest = i;
  std::printf("slowest action: %s, %.2f ms with its window refresh\n", actions[slowest].c_str(),
              Whole(medians[slowest]));
  std::printf("analysis actions over %.0f ms: %d of %zu\n", kClickBudgetMs, over_frame,
              actions.size() - road_actions);
  std::error_code ignored;
  std::filesystem::remove_all(frames, ignored);
  return 0;
}
