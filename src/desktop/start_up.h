#pragma once
// Bringing Qt up on whatever display the user has: X11 where there is one, so that windows stand where
// the program puts them (a Wayland compositor places windows itself), Wayland where there is nothing
// else; and, where no display can be opened, one line that says so and exit status 1 instead of Qt's
// abort.

#include <string>
#include <vector>

namespace desktop {

// The environment variables that decide where windows can be shown.
struct DisplayEnvironment {
  std::string qt_platform;      // QT_QPA_PLATFORM
  std::string display;          // DISPLAY (X11)
  std::string wayland_display;  // WAYLAND_DISPLAY
};
DisplayEnvironment ReadDisplayEnvironment();

// Why no display can even be tried (neither variable set, nor a platform asked for); empty when
// one can.
std::string NoDisplayReason(const DisplayEnvironment& env);

// The platforms for Qt to try, in order, where the user has not named one: X11 wherever it is offered
// (through XWayland in a Wayland session), with Wayland after it; Wayland alone where it is the only
// display. Empty when QT_QPA_PLATFORM is set.
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
