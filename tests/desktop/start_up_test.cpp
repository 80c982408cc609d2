#include "desktop/start_up.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_dir.h"

namespace desktop {
namespace {

// X11 wherever it is offered, so that the windows stand where the program puts them; Wayland where it
// is all there is; nothing to try without either; the user's own choice left alone.
TEST(StartUp, ThePlatformIsX11WhereverItIsOfferedAndWaylandOnlyWhereItIsAlone) {
  const char* const no_display =
      "no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session.";
  struct Case {
    const char* what;
    DisplayEnvironment env;
    std::string platforms;
    std::string no_display_reason;
  };
  const Case cases[] = {
      {"both displays, as GNOME and KDE offer them", {"", ":0", "wayland-0"}, "xcb;wayland", ""},
      {"X11 only", {"", ":0", ""}, "xcb", ""},
      {"Wayland only", {"", "", "wayland-0"}, "wayland", ""},
      {"neither", {"", "", ""}, "xcb", no_display},
      {"a platform the user named, with both displays", {"wayland", ":0", "wayland-0"}, "", ""},
      {"a platform the user named, without a display", {"offscreen", "", ""}, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlatformsToTry(c.env), c.platforms) << c.what;
    EXPECT_EQ(NoDisplayReason(c.env), c.no_display_reason) << c.what;
  }
}

TEST(StartUp, NoDisplayIsToldInOneLine) {
  EXPECT_EQ(NoDisplayLine("tarvelo", {"", ":99", ""}, {"could not connect to display :99"}),
            "tarvelo: no display could be opened (DISPLAY=:99, WAYLAND_DISPLAY unset): could not connect to "
            "display :99");
  EXPECT_EQ(
      NoDisplayLine("tarvelo", {"xcb", "", "w"}, {"a", "b"}),
      "tarvelo: no display could be opened (DISPLAY unset, WAYLAND_DISPLAY=w, QT_QPA_PLATFORM=xcb): a; b");
}
struct Outcome {
  bool exited = false;  // ended by itself, not by a signal (Qt's abort) nor by the test's patience
  int status = -1;
  std::string err;
};

// Runs the desktop program with exactly these environment variables and collects its standard error.
Outcome RunDesktopProgram(const std::vector<std::string>& environment) {
  int pipe_fds[2];
  if (::pipe(pipe_fds) != 0) return {};
  const std::string program = std::string(TARVELO_BINARY_DIR) + "/tarvelo";
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(pipe_fds[1], 2);
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    std::vector<char*> envp;
    for (const std::string& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    ::execve(program.c_str(), argv, envp.data());
    ::_exit(127);
  }
  ::close(pipe_fds[1]);
  // A program that found a display after all would run on; it is stopped after a while.
  std::thread patience([child] {
    for (int i = 0; i < 300; ++i) {
      if (::kill(child, 0) != 0) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(child, SIGKILL);
  });
  Outcome outcome;
  char buffer[4096];
  ssize_t got;
  while ((got = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0)
    outcome.err.append(buffer, static_cast<size_t>(got));
  ::close(pipe_fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  patience.join();
  outcome.exited = WIFEXITED(status);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

// A display number no X server serves here.
std::string UnservedDisplay() {
  for (int n = 4000 + ::getpid() % 1000;; ++n) {
    if (!std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n))) return ":" + std::to_string(n);
  }
}

TEST(StartUp, WithoutADisplayTheDesktopProgramSaysSoInOneLineAndExits1) {
  testsupport::ScopedTempDir runtime;
  std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all);
  const std::string home = "HOME=" + runtime.Path().string();
  const std::string runtime_dir = "XDG_RUNTIME_DIR=" + runtime.Path().string();
  const std::string display = UnservedDisplay();
  struct Case {
    const char* what;
    std::vector<std::string> environment;
    std::string line_start;
  };
  const Case cases[] = {
      {"no display at all",
       {home, runtime_dir},
       "tarvelo: no display found (DISPLAY and WAYLAND_DISPLAY are unset)"},
      {"a stale DISPLAY",
       {home, runtime_dir, "DISPLAY=" + display},
       "tarvelo: no display could be opened (DISPLAY=" + display +
           ", WAYLAND_DISPLAY unset): could not connect to display " + display},
      {"a stale WAYLAND_DISPLAY",
       {home, runtime_dir, "WAYLAND_DISPLAY=tarvelo-no-compositor"},
       "tarvelo: no display could be opened (DISPLAY unset, WAYLAND_DISPLAY=tarvelo-no-compositor): "},
      {"both stale",
       {home, runtime_dir, "DISPLAY=" + display, "WAYLAND_DISPLAY=tarvelo-no-compositor"},
       "tarvelo: no display could be opened (DISPLAY=" + display +
           ", WAYLAND_DISPLAY=tarvelo-no-compositor): "},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunDesktopProgram(c.environment);
    EXPECT_TRUE(outcome.exited) << c.what << ": ended by a signal\n" << outcome.err;
    EXPECT_EQ(outcome.status, 1) << c.what;
    EXPECT_EQ(outcome.err.rfind(c.line_start, 0), 0u) << c.what << ":\n" << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << c.what << ": not one line:\n" << outcome.err;
  }
}

}  // namespace
}  // namespace desktop
