// tarvelo-script [--screen WxH] [--timing] SCRIPT|-: runs the program headless and acts on it from a
// script; --timing writes each line's wall time to standard error; --help lists every command.
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "program/program.h"
#include "shell/app.h"
#include "tools/driver/script_driver.h"
#include "ui/bitmap_file.h"
#ifdef TARVELO_WITH_QT
#include "desktop/offscreen.h"
#endif

namespace {

constexpr char kUsage[] = "usage: tarvelo-script [--screen WxH] [--timing] SCRIPT|-\n";

constexpr char kHelp[] = R"(
Runs the program headless and acts on it as a user would, one line of SCRIPT at a time (- reads the
script from standard input). What the program shows is printed one fact a line, PATH<TAB>VALUE, texts
as JSON strings. The first line that cannot be carried out stops the script: "line N: REASON: LINE"
on standard error and exit status 1; a wrong command line gives status 2. An action on a control that
is disabled, hidden or out of view, or on a window that is hidden or not loaded, does nothing, as the
mouse would do nothing there; the script goes on after "line N: ignored, WHY: LINE" on standard error.

Options:
  --screen WxH   the screen's size in pixels (default 1920x1080)     --screen 1280x1024
  --timing       each line's wall time in microseconds, to standard error
  --help         this text

Script lines (blank lines and lines starting with # are skipped). FORM.CONTROL names a control of a
loaded window; a TEXT in double quotes is a JSON string ("競馬", "a "b""), else the rest of
the line as it stands.
  click FORM.CONTROL                 click a button, check box, option button, menu or label
                                       click frmAg1.Command1
  folder PATH                        pick PATH in the folder list of the loaded window that has one;
                                     unquoted, PATH is the line's bytes as they stand
                                       folder sample
  mousedown FORM.GRID X Y [BUTTON [SHIFT]]
                                     press a mouse button (1 unless given) on a grid at X, Y twips
                                       mousedown frmAg2.MSFlexGrid3 1900 100
  select FORM.CONTROL INDEX          pick entry INDEX (from 0) of a list, combo, drive, folder or file list
                                       select frmAg2.File1 0
  type FORM.CONTROL TEXT             type TEXT into a text box or a combo box
                                       type frmAg2.Combo1 *.kd2
  tick FORM.TIMER [N]                fire a timer N times (1 unless given)
                                       tick frmAg2.Timer1 2
  answer WORD                        answer the next message box with WORD: ok, cancel, abort, retry,
                                     ignore, yes or no (a box without one gets its first button)
                                       answer retry
  dump FORM                          every property of a window and of each of its controls
                                       dump frmAg2
  dump FORM.CONTROL                  every property of one control
                                       dump frmAg2.Label1
  dump table NAME                    every cell of a shared table (tarvelo-table-names lists them)
                                       dump table RaceName
  dump forms                         the loaded windows in load order
  dump messages                      the message boxes shown so far, with their answers
  dump printed                       the documents printed so far, operation by operation
  shot FORM FILE.png                 save a picture of a loaded window as the desktop draws it
                                       shot frmAg2 ag2.png
  printto FILE.pdf                   write every document printed from now on into FILE.pdf
                                       printto sheet.pdf
)";

int Usage() {
  std::cerr << kUsage << "(tarvelo-script --help tells more)\n";
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
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage << kHelp;
      return 0;
    }
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
    // Pictures are saved as real bitmap files in the program's folder, the one this executable lies
    // in (as the desktop program's), never wherever the script happens to be run from.
    std::error_code no_self;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", no_self);
    if (!no_self) app.SetProgramFolder(model::FromUtf8(self.parent_path().string()));
    app.SetPictureStore(std::make_unique<ui::BitmapFilePictureStore>());
    app.Start();
    driver::FrontendHooks hooks;
#ifdef TARVELO_WITH_QT
    hooks.shot = [](shell::App& a, const std::string& form, const std::string& png) {
      return desktop::ShotWindow(a, form, png);
    };
    hooks.print_to = [](shell::App& a, const std::string& pdf) { return desktop::PrintTo(a, pdf); };
#endif
    return driver::RunScript(app, *script, std::cout, std::cerr, hooks, options);
  } catch (const std::exception& e) {
    std::cerr << "tarvelo-script: start-up failed: " << e.what() << '\n';
    return 1;
  }
}
