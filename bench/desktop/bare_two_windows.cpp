// tarvelo-bare-qt-bench LEFT TOP WIDTH HEIGHT TITLE LEFT TOP WIDTH HEIGHT TITLE: the least a Qt program
// does to show the desktop program's first two windows (the main window, then the opening window) at
// the same places, sizes and titles: two empty widgets. Reports when the second has first been painted
// (see first_paint_probe.h); the start-up benchmark sets the desktop program against it.
#include <QApplication>
#include <QString>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "bench/desktop/first_paint_probe.h"

namespace {

void Place(QWidget& window, char** place) {
  window.setGeometry(std::atoi(place[0]), std::atoi(place[1]), std::atoi(place[2]), std::atoi(place[3]));
  window.setWindowTitle(QString::fromUtf8(place[4]));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 11) {
    std::fprintf(stderr, "usage: %s LEFT TOP WIDTH HEIGHT TITLE LEFT TOP WIDTH HEIGHT TITLE\n", argv[0]);
    return 2;
  }
  QApplication application(argc, argv);
  QWidget main_window, opening_window;
  Place(main_window, argv + 1);
  Place(opening_window, argv + 6);
  bench::ReportFirstPaintAndExit(opening_window);
  main_window.show();
  opening_window.show();
  return QApplication::exec();
}
