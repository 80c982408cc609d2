#pragma once
// Two small windows for the control-model, App and driver tests: every kind of control, handlers
// that log what ran, and a second window that unloads itself inside its own handler.

#include <memory>
#include <string>
#include <vector>

#include "shell/app.h"
#include "ui/controls.h"
#include "ui/file_lists.h"
#include "ui/grid.h"
#include "ui/picture.h"

namespace testwin {

// What ran, in order, across both windows ("Check1_Click", "frmTestSecond.Form_Load", ...).
using Log = std::vector<std::string>;
Log& Events();

class frmTestMain : public ui::Form {
 public:
  explicit frmTestMain(shell::App& app);
  ~frmTestMain() override;
  void Form_Load() override;

  ui::Menu mnuFile{*this, "mnuFile"};
  ui::Menu mnuOpen{mnuFile, "mnuOpen"};
  ui::Menu mnuDummy{mnuFile, "mnuDummy"};
  ui::Menu mnuExit{mnuFile, "mnuExit"};
  ui::Menu mnuPrint{*this, "mnuPrint"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::OptionButton Option1{Frame1, "Option1"};
  ui::OptionButton Option2{Frame1, "Option2"};
  ui::OptionButton Option3{*this, "Option3"};
  ui::OptionButton Option4{*this, "Option4"};
  ui::CheckBox Check1{*this, "Check1"};
  ui::CheckBox Check2{Frame1, "Check2"};
  ui::CommandButton Command1{*this, "Command1"};
  ui::CommandButton Command2{*this, "Command2"};
  ui::CommandButton Command3{Frame1, "Command3"};
  ui::Label Label1{*this, "Label1"};
  ui::TextBox Text1{*this, "Text1"};
  ui::ComboBox Combo1{*this, "Combo1"};
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};
  ui::Timer Timer1{*this, "Timer1"};
  ui::PictureBox Picture1{*this, "Picture1"};
  ui::Shape Shape1{*this, "Shape1"};
  ui::Line Line1{*this, "Line1"};
  ui::DriveListBox Drive1{*this, "Drive1"};
  ui::DirListBox Dir1{*this, "Dir1"};
  ui::FileListBox File1{*this, "File1"};

  int loads = 0;
  std::vector<std::string> mouse;  // "button shift x y" of each MSFlexGrid1_MouseDown

 private:
  void Log(const std::string& what);
  shell::App& app_;
};

class frmTestSecond : public ui::Form {
 public:
  explicit frmTestSecond(shell::App& app);
  ~frmTestSecond() override;
  void Form_Load() override;

  ui::CommandButton Command1{*this, "Command1"};  // unloads this window, then keeps working
  ui::Timer Timer1{*this, "Timer1"};              // unloads this window on its second tick
  ui::TextBox Text1{*this, "Text1"};              // tick counter

 private:
  shell::App& app_;
};

// An App with both test windows registered; frmTestMain is the start-up window of Start().
std::unique_ptr<shell::App> MakeApp();
void Start(shell::App& app);

}  // namespace testwin
