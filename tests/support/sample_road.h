#pragma once
// The sample meeting's road from the opening window to the analysis window, for the tests that start
// where the data-read window hands over. Header-only: the sample's folder is the test program's.

#include <sstream>
#include <string>

#include "shell/app.h"
#include "tools/driver/script_driver.h"

namespace testsupport {

// Runs script lines on a started app; the empty text when every line was carried out, else the
// driver's report of the line that failed.
inline std::string RunLines(shell::App& app, const std::string& lines) {
  std::istringstream script(lines);
  std::ostringstream out, err;
  driver::RunScript(app, script, out, err);
  return err.str();
}

// "Ｓｔａｒｔ", the sample folder, the three steps of the data-read window and its hand-over.
inline std::string RoadToAnalysisWindow(shell::App& app) {
  return RunLines(app,
                  "click frmAg1.Command1\n"
                  "folder " TARVELO_SOURCE_DIR
                  "/sample\n"
                  "click frmAg2.Command1\n"
                  "click frmAg2.Command7\n"
                  "click frmAg2.Command8\n"
                  "tick frmAg2.Timer1 2\n");
}

}  // namespace testsupport
