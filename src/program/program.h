#pragma once
// The whole program: the shell's App with every window registered by name and every later stage's
// handlers attached to the earlier windows they act on. The desktop, the script driver and the
// tests start the program as this.

#include "shell/app.h"

namespace program {

class Program : public shell::App {
 public:
  Program();
};

// Adds every window of the program to app's registry (window_catalog.cpp: one line per window).
void RegisterWindows(shell::App& app);

}  // namespace program
