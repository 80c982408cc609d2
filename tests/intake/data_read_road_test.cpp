#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "card_fixture.h"
#include "intake/meeting_files.h"
#include "program/program.h"
#include "shell/app.h"
#include "tests/support/temp_dir.h"
#include "tools/driver/script_driver.h"

namespace intake {
namespace {

namespace fs = std::filesystem;

bool Has(const std::string& out, const std::string& fact) {
  return out.find(fact + "\n") != std::string::npos;
}

// The road a user takes: start, "Ｓｔａｒｔ", a folder, the race-card read, a race pick, a name.
TEST(DataReadRoad, FromStartThroughTheRaceCardReadToThePreview) {
  testsupport::ScopedTempDir temp;
  const fs::path folder = temp.Path() / "meeting";
  fs::create_directories(folder);
  card_fixture::WriteMeeting(folder, {"03", "02"});
  card_fixture::Touch(folder / kHorseFileName);

  program::Program app;
  app.Start();
  std::istringstream script(
      "click frmAg1.Command1\n"
      "tick frmAg2.Timer2\n"
      "folder " +
      folder.generic_string() +
      "\n"
      "tick frmAg2.Timer2\n"
      "click frmAg2.Command1\n"
      "mousedown frmAg2.MSFlexGrid3 2400 0\n"
      "mousedown frmAg2.MSFlexGrid2 900 460 2\n"
      "dump forms\n"
      "dump frmAg0.Label2\n"
      "dump frmAg2\n"
      "dump table PreviewRace\n"
      "dump table PreviewRunnerRow\n"
      "dump table HorseCode\n");
  std::ostringstream out, err;
  ASSERT_EQ(driver::RunScript(app, script, out, err), 0) << err.str();
  const std::string o = out.str();
  EXPECT_TRUE(Has(o, "forms.Count\t2")) << o;
  EXPECT_TRUE(Has(o, "forms[2].Name\t\"frmAg2\""));
  EXPECT_TRUE(Has(o, "frmAg0.Label2.Caption\t\"１回 中山 ６日   H13.01.06\""));
  EXPECT_TRUE(Has(o, "frmAg0.Label2.ForeColor\t&H000000FF"));
  EXPECT_TRUE(Has(o, "frmAg2.Label1.Caption\t\"" + folder.generic_string() + "\""));
  EXPECT_TRUE(Has(o, "frmAg2.Label37.Visible\tfalse"));  // stopped hidden after the first tick
  EXPECT_TRUE(Has(o, "frmAg2.Command1.Enabled\tfalse"));
  EXPECT_TRUE(Has(o, "frmAg2.Command7.Enabled\ttrue"));
  EXPECT_TRUE(Has(o, "frmAg2.Label2.BackColor\t&H000000FF"));
  EXPECT_TRUE(Has(o, "frmAg2.Label7.BackColor\t&H00FF0000"));
  EXPECT_TRUE(Has(o, "frmAg2.MSFlexGrid3[0,2].BackColor\t&H0000FF00"));
  EXPECT_TRUE(Has(o, "frmAg2.MSFlexGrid2[2,2].Text\t\"ホース5\""));
  EXPECT_TRUE(Has(o, "frmAg2.MSFlexGrid2[2,2].BackColor\t&H00C0FFFF"));
  EXPECT_TRUE(Has(o, "frmAg2.MSFlexGrid2[3,2].Text\t\"\""));
  EXPECT_TRUE(Has(o, "frmAg2.MSFlexGrid1[0,0].Text\t\"  ２Ｒ\""));
  EXPECT_TRUE(Has(o, "PreviewRace\t\"2\""));
  EXPECT_TRUE(Has(o, "PreviewRunnerRow\t\"2\""));
  EXPECT_TRUE(Has(o, "HorseCode[2,2]\t\"0000005\""));
}

}  // namespace
}  // namespace intake
