#include "navigator/window_place.h"

#include "shell/frame_geometry.h"

namespace navigator {

namespace {

constexpr double kWidth = 11425;
constexpr double kHeight = 5500;
constexpr double kBelowAnalysisWindowTop = 1425;

}  // namespace

void PlaceOverAnalysisWindow(ui::Form& form, const ui::Screen& screen) {
  form.SetHeight(kHeight);
  form.SetWidth(kWidth);
  const shell::FrameOrigin origin = shell::MainFrameOrigin(screen);
  form.SetTop(origin.top + shell::kMainWindowHeight + kBelowAnalysisWindowTop);
  form.SetLeft(origin.left);
}

}  // namespace navigator
