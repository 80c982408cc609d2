#pragma once
// The whole program: the shell's App with every group of shared tables created, every window
// registered by name and every later stage's handlers attached to the earlier windows they act on.
// The desktop, the script driver and the tests start the program as this.

#include "model/meeting.h"
#include "shell/app.h"

namespace program {

class Program : public shell::App {
 public:
  Program();
};

// Creates every group of shared tables in meeting (table_groups.cpp: one line per group).
void CreateTableGroups(model::Meeting& meeting);

// Adds every window of the program to app's registry (window_catalog.cpp: one line per window).
void RegisterWindows(shell::App& app);

}  // namespace program
