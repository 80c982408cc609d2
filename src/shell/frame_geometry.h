#pragma once
// The frame every window of the program stands in: 13000 x 9475 twips, centred across the screen
// and 200 twips above its middle. The main window is the frame's top bar; the opening, data-read
// and analysis windows fill the rest of it, one at a time; the other windows sit at fixed offsets
// from its corner.

#include "ui/form.h"
#include "ui/services.h"

namespace shell {

constexpr double kFrameWidth = 13000;
constexpr double kFrameHeight = 9475;
constexpr double kMainWindowHeight = 1250;

// The frame's top left corner on the screen, in twips.
struct FrameOrigin {
  double left;
  double top;
};
FrameOrigin MainFrameOrigin(const ui::Screen& screen);

// Sizes and places a window over the frame below the main window.
void PlaceBelowMainWindow(ui::Form& form, const ui::Screen& screen);

// Places a window at an offset from the frame's corner; its size stays as its design states it.
void PlaceFromFrameOrigin(ui::Form& form, const ui::Screen& screen, double left, double top);

}  // namespace shell
