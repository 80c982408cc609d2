#pragma once
// The main window: the thin bar at the top of the window frame. It shows the meeting line, carries
// the print controls and the way out of the program; loading it opens the opening window.

#include "ui/controls.h"
#include "ui/form.h"

namespace shell {

class App;

class frmAg0 : public ui::Form {
 public:
  explicit frmAg0(App& app);

  void Form_Load() override;
  void Check1_Click();
  // "印刷" uses up the tick; what prints is the recommendation stage's, attached by type.
  void Command4_Click();
  void Command5_Click();
  void mnuExit_Click();
  void mnuOpen1_Click();

 private:
  App& app_;

 public:
  ui::Frame Frame1{*this, "Frame1"};
  ui::Label Label1{Frame1, "Label1"};
  ui::Label Label2{Frame1, "Label2"};  // the meeting line, written by the race-card read
  ui::Frame Frame2{*this, "Frame2"};
  ui::CheckBox Check1{Frame2, "Check1"};  // unlocks "印刷"
  ui::CommandButton Command4{Frame2, "Command4"};
  ui::Frame Frame3{*this, "Frame3"};
  ui::CommandButton Command5{Frame3, "Command5"};
  ui::Menu mnuFile{*this, "mnuFile"};
  ui::Menu mnuOpen1{mnuFile, "mnuOpen1"};
  ui::Menu mnuDUmmy1{mnuFile, "mnuDUmmy1"};
  ui::Menu mnuExit{mnuFile, "mnuExit"};
  ui::Menu mnuPrint{*this, "mnuPrint"};
};

}  // namespace shell
