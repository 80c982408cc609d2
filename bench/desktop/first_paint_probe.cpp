#include "bench/desktop/first_paint_probe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace bench {

namespace {

// Watches paint events of the window and its children; the first pass is over when the events Qt
// posted during it are handled.
class FirstPaintWatcher : public QObject {
 public:
  explicit FirstPaintWatcher(QWidget& window) : window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget != nullptr && widget->window() == &window_) {
        seen_ = true;
        QTimer::singleShot(0, [] {
          std::printf("%lld\n", MonotonicNanoseconds());
          std::fflush(stdout);
          std::_Exit(0);
        });
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& window_;
  bool seen_ = false;
};

}  // namespace

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void ReportFirstPaintAndExit(QWidget& window) {
  // Lives until the process ends.
  auto* watcher = new FirstPaintWatcher(window);
  QApplication::instance()->installEventFilter(watcher);
}

}  // namespace bench
