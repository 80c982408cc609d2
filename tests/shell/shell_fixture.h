#pragma once
// A started program on a given screen, as the desktop starts it, for the tests of the main and
// opening windows.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "program/program.h"
#include "shell/app.h"
#include "shell/frm_ag0.h"
#include "shell/frm_ag1.h"
#include "ui/controls.h"

namespace shell_test {

// A window loaded without being shown, as the base-time build loads its check window.
class HiddenWindow : public ui::Form {
 public:
  explicit HiddenWindow(shell::App& app) : ui::Form(app, "frmHidden") {}
};

inline std::unique_ptr<shell::App> StartedApp(int width_pixels = 1920, int height_pixels = 1080) {
  auto app = std::make_unique<program::Program>();
  app->RegisterForm<HiddenWindow>("frmHidden");
  app->screen.SetSizePixels(width_pixels, height_pixels);
  app->Start();
  return app;
}

inline std::vector<std::string> LoadedNames(const shell::App& app) {
  std::vector<std::string> names;
  for (const ui::Form* form : app.LoadedForms()) names.push_back(form->Name());
  return names;
}

}  // namespace shell_test
