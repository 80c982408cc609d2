// The desktop program: Qt's application, the frontend and the program's windows.
#include <QApplication>
#include <QDir>
#include <exception>
#include <iostream>

#include "shell/app.h"
#include "ui/qt/frontend.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qtui::ConfigureApplication(application);
  try {
    shell::App app;
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
