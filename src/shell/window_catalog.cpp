// Every window of the program, by the name its code and the script driver use.
#include "shell/app.h"

namespace shell {

void RegisterWindows(App& app) {
  (void)app;
}

}  // namespace shell
