#include "shell/frame_geometry.h"

namespace shell {

FrameOrigin MainFrameOrigin(const ui::Screen& screen) {
  return {(screen.Width() - kFrameWidth) / 2, (screen.Height() - kFrameHeight) / 2 - 200};
}

void PlaceBelowMainWindow(ui::Form& form, const ui::Screen& screen) {
  const FrameOrigin origin = MainFrameOrigin(screen);
  form.SetHeight(kFrameHeight - kMainWindowHeight);
  form.SetWidth(kFrameWidth);
  form.SetTop(origin.top + kMainWindowHeight);
  form.SetLeft(origin.left);
}

void PlaceFromFrameOrigin(ui::Form& form, const ui::Screen& screen, double left, double top) {
  const FrameOrigin origin = MainFrameOrigin(screen);
  form.SetTop(origin.top + top);
  form.SetLeft(origin.left + left);
}

}  // namespace shell
