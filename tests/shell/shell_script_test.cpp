#include <gtest/gtest.h>

#include <sstream>

#include "shell_fixture.h"
#include "tools/driver/script_driver.h"

namespace shell_test {
namespace {

std::string RunLines(shell::App& app, const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  EXPECT_EQ(driver::RunScript(app, in, out, err), 0) << err.str();
  return out.str();
}

// The windows answer to the names a script uses, from the guide through "Ｓｔａｒｔ" to "ＥＮＤ".
TEST(ShellScript, WalksFromTheGuideThroughStartToTheEnd) {
  auto app = StartedApp();
  const std::string out = RunLines(*app,
                                   "click frmAg1.Option2\n"
                                   "dump frmAg1.Option2\n"
                                   "click frmAg1.Command1\n"
                                   "dump forms\n"
                                   "click frmAg0.mnuOpen1\n"
                                   "click frmAg0.Command5\n"
                                   "dump forms\n"
                                   "dump frmAg1\n");
  EXPECT_NE(out.find("frmAg1.Option2.ForeColor\t&H0000FFFF\n"), std::string::npos) << out;
  EXPECT_NE(out.find("frmAg1.Option2.Value\ttrue\n"), std::string::npos) << out;
  EXPECT_NE(out.find("forms.Count\t2\nforms[1].Name\t\"frmAg0\"\nforms[1].Visible\ttrue\n"
                     "forms[2].Name\t\"frmAg2\"\nforms[2].Visible\ttrue\n"
                     "forms.Count\t0\n"
                     "frmAg1.Loaded\tfalse\n"),
            std::string::npos)
      << out;
}

}  // namespace
}  // namespace shell_test

namespace shell_test {
namespace {

// Before "Ｓｔａｒｔ" no window has a folder list, so a folder line cannot be carried out.
TEST(ShellScript, AFolderLineWithoutTheDataReadWindowStopsTheScript) {
  auto app = StartedApp();
  std::istringstream in("folder /\n");
  std::ostringstream out, err;
  EXPECT_EQ(driver::RunScript(*app, in, out, err), 1);
  EXPECT_NE(err.str().find("line 1: no loaded window has a folder list"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace shell_test
