// tarvelo-script [--screen WxH] [--timing] SCRIPT|-: runs the program headless and acts on it from a
// script; --timing writes each line's wall time to standard error.
#include <charconv>
#include <fstream>
#include <iostream>
#include <string>

#include "program/program.h"
#include "shell/app.h"
#include "tools/driver/script_driver.h"
#ifdef TARVELO_WITH_QT
#include "desktop/offscreen.h"
#endif

namespace {

int Usage() {
  std::cerr << "usage: tarvelo-script [--screen WxH] [--timing] SCRIPT|-\n";
  return 2;
}

bool ParseScreen(const std::string& text, int& width, int& height) {
  size_t x = text.find('x');
  if (x == std::string::npos) return false;
  auto w = std::from_chars(text.data(), text.data() + x, width);
  auto h = std::from_chars(text.data() + x + 1, text.data() + text.size(), height);
  return w.ec == std::errc() && w.ptr == text.data() + x && h.ec == std::errc() &&
         h.ptr == text.data() + text.size() && width > 0 && height > 0;
}

}  // namespace

int main(int argc, char** argv) {
  int width = 1920, height = 1080;
  std::string script_name;
  driver::ScriptOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--screen") {
      if (++i >= argc || !ParseScreen(argv[i], width, height)) return Usage();
    } else if (arg == "--timing") {
      options.timing = true;
    } else if (script_name.empty()) {
      script_name = arg;
    } else {
      return Usage();
    }
  }
  if (script_name.empty()) return Usage();

  std::ifstream file;
  std::istream* script = &std::cin;
  if (script_name != "-") {
    file.open(script_name);
    if (!file) {
      std::cerr << "tarvelo-script: cannot read " << script_name << '\n';
      return 2;
    }
    script = &file;
  }

  try {
    program::Program app;
    app.screen.SetSizePixels(width, height);
    app.Start();
    driver::FrontendHooks hooks;
#ifdef TARVELO_WITH_QT
    hooks.shot = [](shell::App& a, const std::string& form, const std::string& png) {
      return qtui::ShotWindow(a, form, png);
    };
    hooks.print_to = [](shell::App& a, const std::string& pdf) { return qtui::PrintTo(a, pdf); };
#endif
    return driver::RunScript(app, *script, std::cout, std::cerr, hooks, options);
  } catch (const std::exception& e) {
    std::cerr << "tarvelo-script: start-up failed: " << e.what() << '\n';
    return 1;
  }
}
