// tarvelo-frontend-bench [ROUNDS] [MEETING_FOLDER]: the desktop program's road under Qt's offscreen
// platform, with the real frontend. Each user action goes through the frontend as a click or a timer
// tick does, and is timed in three parts: the model's handler, the frontend bringing its windows up to
// date (the sync), and Qt painting what the sync asked to repaint. Prints, per action, the median of
// the rounds and the widgets painted; the slowest action last.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/frontend.h"
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

// Lets Qt deliver what the sync posted: repaints, deferred deletions, window exposure.
void Settle() {
  for (int i = 0; i < 3; ++i) {
    QApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::string meeting = argc > 2 ? argv[2] : std::string(TARVELO_SOURCE_DIR) + "/sample";
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  qtui::ConfigureApplication(application);
  PaintCounter counter;
  application.installEventFilter(&counter);
  std::filesystem::current_path(TARVELO_SOURCE_DIR);

  const std::vector<std::string> actions = RoadActions(meeting);
  std::vector<std::vector<Sample>> samples(actions.size());
  for (int round = 0; round < rounds; ++round) {
    program::Program app;
    app.screen.SetSizePixels(1920, 1080);
    qtui::Frontend frontend(app, false);
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

  std::printf("%-42s %9s %9s %9s %9s %7s\n", "action (median of rounds)", "model ms", "sync ms", "paint ms",
              "front ms", "paints");
  double total_sync = 0, total_paint = 0;
  size_t slowest = 0;
  double slowest_front = -1;
  for (size_t i = 0; i < actions.size(); ++i) {
    std::vector<double> model, sync, paint, front, paints;
    for (const Sample& s : samples[i]) {
      model.push_back(s.model_ms);
      sync.push_back(s.sync_ms);
      paint.push_back(s.paint_ms);
      front.push_back(s.sync_ms + s.paint_ms);
      paints.push_back(s.paints);
    }
    double f = Median(front);
    total_sync += Median(sync);
    total_paint += Median(paint);
    if (Median(model) + f > slowest_front) {
      slowest_front = Median(model) + f;
      slowest = i;
    }
    std::string name = actions[i].substr(0, 42);
    std::printf("%-42s %9.2f %9.2f %9.2f %9.2f %7.0f\n", name.c_str(), Median(model), Median(sync),
                Median(paint), f, Median(paints));
  }
  std::printf("road total: sync %.2f ms, paint %.2f ms\n", total_sync, total_paint);
  std::printf("slowest action: %s\n", actions[slowest].c_str());
  return 0;
}
