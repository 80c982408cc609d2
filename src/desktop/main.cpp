// The desktop program: Qt's application, the frontend and the program's windows.
#include <QApplication>
#include <exception>
#include <iostream>
#include <string>

#include "desktop/frontend.h"
#include "desktop/printing.h"
#include "desktop/start_up.h"
#include "program/program.h"
#include "shell/app.h"

int main(int argc, char** argv) {
  const desktop::DisplayEnvironment env = desktop::ReadDisplayEnvironment();
  if (const std::string reason = desktop::NoDisplayReason(env); !reason.empty()) {
    std::cerr << "tarvelo: " << reason << '\n';
    return 1;
  }
  // X11 or Wayland, whichever the session has, with the other to fall back on.
  if (const std::string platforms = desktop::PlatformsToTry(env); !platforms.empty())
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platforms));
  desktop::StartUpGuard guard("tarvelo", env);
  QApplication application(argc, argv);
  guard.Started();
  desktop::ConfigureApplication(application);
  try {
    program::Program app;
    desktop::Frontend frontend(app);
    frontend.UseDesktopServices(desktop::PrintoutFolder());
    app.Start();
    frontend.Sync();
    if (!app.Running()) return 0;
    return QApplication::exec();
  } catch (const std::exception& e) {
    std::cerr << "tarvelo: " << e.what() << '\n';
    return 1;
  }
}
