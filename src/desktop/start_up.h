#pragma once
// Bringing Qt up on whatever display the user has: X11 or Wayland, falling back from one to the
// other, and, where no display can be opened, one line that says so and exit status 1 instead of
// Qt's abort.

#include <string>
#include <vector>

namespace desktop {

// The environment variables that decide where windows can be shown.
struct DisplayEnvironment {
  std::string qt_platform;      // QT_QPA_PLATFORM
  std::string display;          // DISPLAY (X11)
  std::string wayland_display;  // WAYLAND_DISPLAY
  std::string session_type;     // XDG_SESSION_TYPE
  std::string desktop;          // XDG_CURRENT_DESKTOP and XDG_SESSION_DESKTOP
};
DisplayEnvironment ReadDisplayEnvironment();

// Why no display can even be tried (neither variable set, nor a platform asked for); empty when
// one can.
std::string NoDisplayReason(const DisplayEnvironment& env);

// The platforms for Qt to try, in order, where the user has not named one: with a Wayland display,
// the one Qt itself would pick for the session first and the other after it; without one, X11.
// Empty when QT_QPA_PLATFORM is set.
std::string PlatformsToTry(const DisplayEnvironment& env);

// How the environment's displays read in a message: "DISPLAY=:0, WAYLAND_DISPLAY unset".
std::string DescribeDisplays(const DisplayEnvironment& env);

// Held while QApplication is made. Qt's messages wait; should Qt find no platform it can start,
// the program writes "<program>: no display could be opened (<displays>): <Qt's reasons>" and
// exits with status 1. Started() hands the waiting messages on as Qt would have printed them,
// leaving out those of the platforms that could not start before one did.
class StartUpGuard {
 public:
  StartUpGuard(std::string program, const DisplayEnvironment& env);
  ~StartUpGuard();
  StartUpGuard(const StartUpGuard&) = delete;
  StartUpGuard& operator=(const StartUpGuard&) = delete;
  void Started();
};

// The one line written when no platform could be started.
std::string NoDisplayLine(const std::string& program, const DisplayEnvironment& env,
                          const std::vector<std::string>& reasons);

}  // namespace desktop
