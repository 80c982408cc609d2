#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell_fixture.h"
#include "tools/driver/script_driver.h"

namespace shell_test {
namespace {

std::set<std::string> DumpedFacts(shell::App& app, const std::string& form) {
  std::ostringstream out;
  driver::DumpForm(app, form, out);
  std::istringstream in(out.str());
  std::set<std::string> facts;
  for (std::string line; std::getline(in, line);) facts.insert(line);
  return facts;
}

std::vector<std::string> ControlNames(const ui::Form& form) {
  std::vector<std::string> names;
  for (const ui::Control* c : form.Controls()) names.push_back(c->Name());
  return names;
}

// Where each control stands and how it looks is the windows' design tables (and the road snapshot
// holds them). Here what the tables do not say, as the driver prints it once the program has
// started: which controls each window has, of which kind, in which container or menu, and the
// state loading leaves them in.
TEST(WindowLayout, MainAndOpeningWindowsHoldExactlyTheirControlsInTheirLoadedState) {
  auto app = StartedApp();
  EXPECT_EQ(
      ControlNames(app->Form<shell::frmAg0>()),
      (std::vector<std::string>{"Frame1", "Label1", "Label2", "Frame2", "Check1", "Command4", "Frame3",
                                "Command5", "mnuFile", "mnuOpen1", "mnuDUmmy1", "mnuExit", "mnuPrint"}));
  EXPECT_EQ(ControlNames(app->Form<shell::frmAg1>()),
            (std::vector<std::string>{"Command1", "Label4", "Label8", "Label5", "Label12", "MSFlexGrid1",
                                      "Option1", "Option2", "Option3", "Option4", "Label1"}));

  std::set<std::string> shown = DumpedFacts(*app, "frmAg0");
  shown.merge(DumpedFacts(*app, "frmAg1"));
  const char* const expected[] = {
      "frmAg0.Frame1.Kind\t\"Frame\"",
      "frmAg0.Frame1.Container\t\"frmAg0\"",
      "frmAg0.Label1.Kind\t\"Label\"",
      "frmAg0.Label1.Container\t\"Frame1\"",
      "frmAg0.Label2.Kind\t\"Label\"",
      "frmAg0.Label2.Container\t\"Frame1\"",
      "frmAg0.Label2.Caption\t\"\"",
      "frmAg0.Frame2.Kind\t\"Frame\"",
      "frmAg0.Frame2.Container\t\"frmAg0\"",
      "frmAg0.Check1.Kind\t\"CheckBox\"",
      "frmAg0.Check1.Container\t\"Frame2\"",
      "frmAg0.Command4.Kind\t\"CommandButton\"",
      "frmAg0.Command4.Container\t\"Frame2\"",
      "frmAg0.Frame3.Kind\t\"Frame\"",
      "frmAg0.Frame3.Container\t\"frmAg0\"",
      "frmAg0.Command5.Kind\t\"CommandButton\"",
      "frmAg0.Command5.Container\t\"Frame3\"",
      "frmAg0.mnuFile.Parent\t\"\"",
      "frmAg0.mnuOpen1.Parent\t\"mnuFile\"",
      "frmAg0.mnuDUmmy1.Parent\t\"mnuFile\"",
      "frmAg0.mnuExit.Parent\t\"mnuFile\"",
      "frmAg0.mnuPrint.Parent\t\"\"",
      "frmAg1.Command1.Kind\t\"CommandButton\"",
      "frmAg1.Command1.Container\t\"frmAg1\"",
      "frmAg1.Label4.Kind\t\"Label\"",
      "frmAg1.Label4.Container\t\"frmAg1\"",
      "frmAg1.Label8.Kind\t\"Label\"",
      "frmAg1.Label8.Container\t\"frmAg1\"",
      "frmAg1.Label5.Kind\t\"Label\"",
      "frmAg1.Label5.Container\t\"frmAg1\"",
      "frmAg1.Label12.Kind\t\"Label\"",
      "frmAg1.Label12.Container\t\"frmAg1\"",
      "frmAg1.MSFlexGrid1.Kind\t\"MSFlexGrid\"",
      "frmAg1.MSFlexGrid1.Container\t\"frmAg1\"",
      "frmAg1.MSFlexGrid1.Rows\t15",
      "frmAg1.MSFlexGrid1.Cols\t1",
      "frmAg1.MSFlexGrid1.FixedRows\t0",
      "frmAg1.MSFlexGrid1.FixedCols\t0",
      "frmAg1.MSFlexGrid1.ColWidth(0)\t6400",
      "frmAg1.MSFlexGrid1.ColAlignment(0)\t1",
      "frmAg1.MSFlexGrid1.FontSize\t9",
      "frmAg1.MSFlexGrid1.Visible\tfalse",
      "frmAg1.Option1.Kind\t\"OptionButton\"",
      "frmAg1.Option1.Container\t\"frmAg1\"",
      "frmAg1.Option1.ForeColor\t&H80000008",
      "frmAg1.Option1.Value\tfalse",
      "frmAg1.Option2.Kind\t\"OptionButton\"",
      "frmAg1.Option2.Container\t\"frmAg1\"",
      "frmAg1.Option2.ForeColor\t&H80000008",
      "frmAg1.Option2.Value\tfalse",
      "frmAg1.Option3.Kind\t\"OptionButton\"",
      "frmAg1.Option3.Container\t\"frmAg1\"",
      "frmAg1.Option3.ForeColor\t&H80000008",
      "frmAg1.Option3.Value\tfalse",
      "frmAg1.Option4.Kind\t\"OptionButton\"",
      "frmAg1.Option4.Container\t\"frmAg1\"",
      "frmAg1.Option4.ForeColor\t&H80000008",
      "frmAg1.Option4.Value\ttrue",
      "frmAg1.Label1.Kind\t\"Label\"",
      "frmAg1.Label1.Container\t\"frmAg1\"",
  };
  for (const char* fact : expected) EXPECT_TRUE(shown.count(fact)) << fact;
}

// A design table is checked when its window is built: a row for a control the window does not have,
// or a field its control's kind does not have, throws.
TEST(WindowDesign, EveryWindowOfTheProgramBuildsFromItsDesignTable) {
  program::Program app;
  ASSERT_FALSE(app.RegisteredNames().empty());
  for (const std::string& name : app.RegisteredNames()) {
    EXPECT_NO_THROW({
      const std::unique_ptr<ui::Form> window = app.BuildUnloaded(name);
      EXPECT_NE(window, nullptr);
    }) << name;
  }
}

}  // namespace
}  // namespace shell_test
