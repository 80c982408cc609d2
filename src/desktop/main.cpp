// The desktop program: Qt's application, the frontend and the program's windows.
#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "desktop/frontend.h"
#include "program/program.h"
#include "shell/app.h"

namespace {

// Qt would abort without a word a user understands when there is no screen to show windows on.
bool HasDisplay() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::cerr << "tarvelo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop "
                 "session.\n";
    return 1;
  }
  QApplication application(argc, argv);
  qtui::ConfigureApplication(application);
  try {
    program::Program app;
    qtui::Frontend frontend(app);
    frontend.UseDesktopServices(QDir::currentPath());
    app.Start();
    frontend.Sync();
    if (!app.Running()) return 0;
    return QApplication::exec();
  } catch (const std::exception& e) {
    std::cerr << "tarvelo: " << e.what() << '\n';
    return 1;
  }
}
