// The benchmark's whole-meeting script (bench/whole_meeting.script) on the sample: every line is a user
// action the program takes, so the script stays runnable as the windows change.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "program/program.h"
#include "tools/driver/script_driver.h"

namespace program {
namespace {

std::string WholeMeetingScript() {
  std::ifstream in(TARVELO_SOURCE_DIR "/bench/whole_meeting.script");
  std::string script, line;
  while (std::getline(in, line))
    script += (line == "folder sample" ? "folder " TARVELO_SOURCE_DIR "/sample" : line) + "\n";
  return script;
}

TEST(WholeMeetingScript, AnalysesEveryRaceOfTheSampleToTheEnd) {
  const std::string script = WholeMeetingScript();
  ASSERT_NE(script.find("folder " TARVELO_SOURCE_DIR "/sample\n"), std::string::npos);
  Program app;
  app.Start();
  std::istringstream lines(script);
  std::ostringstream out, err;
  ASSERT_EQ(driver::RunScript(app, lines, out, err), 0) << err.str();
  // One analysis sheet printed per race, the last race analysed, and back at race selection.
  EXPECT_EQ(app.printer.Documents().size(), 12u);
  EXPECT_EQ(analysis::AnalysedRace(app.meeting), 12);
  const analysis::frmAg3& w = app.Form<analysis::frmAg3>();
  EXPECT_TRUE(w.Command16.Enabled());
  EXPECT_FALSE(w.Command20.Enabled());
  EXPECT_TRUE(app.Messages().empty());
}

}  // namespace
}  // namespace program
