#pragma once
// Start-up to the first paint of the opening window: the desktop program, started as main() starts
// it, against a bare Qt program that shows two empty windows of the same places, sizes and titles.
// Each is a child process; the time runs from the moment the child is started to the moment its
// opening window has been painted.

#include <string>

namespace bench {

// The flag that makes the frontend benchmark a child that starts the desktop program.
inline constexpr const char* kFirstPaintFlag = "--first-paint";

// The child: the desktop program's start-up as main() does it; reports the opening window's first
// paint and exits.
int RunProgramToFirstPaint(int argc, char** argv);

// Starts each child rounds times, in turn, and prints the medians and their ratio.
void PrintStartUpComparison(int rounds);

}  // namespace bench
