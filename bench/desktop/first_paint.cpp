#include "bench/desktop/first_paint.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/desktop/first_paint_probe.h"
#include "desktop/form_window.h"
#include "desktop/frontend.h"
#include "desktop/painting.h"
#include "desktop/printing.h"
#include "desktop/start_up.h"
#include "program/program.h"
#include "shell/frm_ag0.h"
#include "shell/frm_ag1.h"

extern char** environ;

namespace bench {

namespace {

// A window's client area on the screen and its title, as the bare program takes them.
std::vector<std::string> PlaceArguments(const ui::Form& form) {
  const desktop::NonClient nc = desktop::NonClientOf(form);
  const int left = desktop::TwipsToPixels(form.Left()) + nc.border;
  const int top = desktop::TwipsToPixels(form.Top()) + nc.border + nc.caption;
  const int width = desktop::TwipsToPixels(form.Width()) - 2 * nc.border;
  const int height = desktop::TwipsToPixels(form.Height()) - 2 * nc.border - nc.caption;
  return {std::to_string(left), std::to_string(top), std::to_string(width), std::to_string(height),
          desktop::ToQString(form.Caption()).toStdString()};
}

// The bare program's arguments: the main window's and the opening window's places, as the program
// puts them on a screen of 1920 x 1080 pixels.
std::vector<std::string> BareArguments() {
  program::Program app;
  app.screen.SetSizePixels(1920, 1080);
  app.Start();
  std::vector<std::string> args = PlaceArguments(app.Form<shell::frmAg0>());
  for (std::string& arg : PlaceArguments(app.Form<shell::frmAg1>())) args.push_back(std::move(arg));
  app.UnloadAll();
  return args;
}

// From starting the child to the moment it reports: the wall time, and the processor time the child
// spent (which a busy machine disturbs far less); negative when it reported nothing.
struct StartUpTime {
  double wall_ms = -1;
  double cpu_ms = -1;
};

StartUpTime TimeToFirstPaint(const std::filesystem::path& program, const std::vector<std::string>& args) {
  int out[2];
  if (::pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  // Qt's start-up remarks, once per child, would bury the figures.
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> words = {program.string()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const long long started = MonotonicNanoseconds();
  const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  std::string reported;
  char buffer[256];
  ssize_t got = 0;
  while (failed == 0 && (got = ::read(out[0], buffer, sizeof buffer)) > 0)
    reported.append(buffer, static_cast<size_t>(got));
  ::close(out[0]);
  if (failed != 0) return {};
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  if (reported.empty()) return {};
  auto ms = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
  };
  return {static_cast<double>(std::stoll(reported) - started) / 1e6, ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int RunProgramToFirstPaint(int argc, char** argv) {
  const desktop::DisplayEnvironment env = desktop::ReadDisplayEnvironment();
  if (const std::string platforms = desktop::PlatformsToTry(env); !platforms.empty())
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platforms));
  QApplication application(argc, argv);
  desktop::ConfigureApplication(application);
  program::Program app;
  desktop::Frontend frontend(app);
  frontend.UseDesktopServices(desktop::PrintoutFolder());
  app.Start();
  frontend.Sync();
  desktop::FormWindow* opening = frontend.WindowOf(app.Form<shell::frmAg1>());
  if (opening == nullptr) return 1;
  ReportFirstPaintAndExit(*opening);
  return QApplication::exec();
}

void PrintStartUpComparison(int rounds) {
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  const std::filesystem::path bare = self.parent_path() / "tarvelo-bare-qt-bench";
  const std::vector<std::string> bare_args = BareArguments();
  std::vector<double> program_wall, program_cpu, bare_wall, bare_cpu;
  for (int round = 0; round < rounds; ++round) {
    const StartUpTime program = TimeToFirstPaint(self, {kFirstPaintFlag});
    const StartUpTime bare_qt = TimeToFirstPaint(bare, bare_args);
    program_wall.push_back(program.wall_ms);
    program_cpu.push_back(program.cpu_ms);
    bare_wall.push_back(bare_qt.wall_ms);
    bare_cpu.push_back(bare_qt.cpu_ms);
  }
  std::printf("start-up to the opening window's first paint (median of %d starts):\n", rounds);
  auto row = [](const char* what, double program, double bare_qt) {
    std::printf("  %-15s program %8.1f ms, bare Qt %8.1f ms", what, program, bare_qt);
    if (program > 0 && bare_qt > 0) std::printf(", ratio %.2f", program / bare_qt);
    std::printf("\n");
  };
  row("wall time", Median(program_wall), Median(bare_wall));
  row("processor time", Median(program_cpu), Median(bare_cpu));
  std::printf("\n");
}

}  // namespace bench
