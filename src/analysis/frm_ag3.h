#pragma once
// The analysis window: the user chooses today's going, steps to a race of the meeting and confirms
// it, runs the analyses and reads their results here, and opens the companion windows from here. It
// is loaded once per program run, by the data-read window's hand-over, and stays loaded.
//
// Its own handlers are the load, the race choice, the data-reliability colours, the going-aptitude
// panel, the companion windows' switches and launchers and the reset for the next race; the buttons
// of the analyses get their handlers from their own stages when the program is assembled.

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/grid_design.h"

namespace shell {
class App;
}

namespace analysis {

class frmAg3 : public ui::Form {
 public:
  explicit frmAg3(shell::App& app);

  void Form_Load() override;
  void Command16_Click();  // UP
  void Command17_Click();  // DN
  void Command18_Click();  // "確定"
  void Command19_Click();  // "取消"
  void Command12_Click();  // "ＮＥＸＴ"
  void Check2_Click();     // data reliability
  void Check6_Click();     // the going-aptitude panel
  // The switches and launchers of the companion windows.
  void Check4_Click();
  void Check5_Click();
  void Check7_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command13_Click();

 private:
  shell::App& app_;

 public:
  ui::Shape Shape10{*this, "Shape10"};  // around the race selection strip
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};  // the race shown by UP and DN
  ui::CommandButton Command16{*this, "Command16"};
  ui::CommandButton Command17{*this, "Command17"};
  ui::CommandButton Command18{*this, "Command18"};
  ui::CommandButton Command19{*this, "Command19"};
  ui::Label Label4{*this, "Label4"};
  ui::Label Label6{*this, "Label6"};    // estimated time of the confirmed race
  ui::Label Label41{*this, "Label41"};  // race time level
  ui::Label Label5{*this, "Label5"};
  ui::Label Label7{*this, "Label7"};  // expected pace of the confirmed race
  ui::Label Label3{*this, "Label3"};
  ui::ComboBox Combo1{*this, "Combo1"};  // today's going
  ui::Shape Shape7{*this, "Shape7"};
  ui::CommandButton Command20{*this, "Command20"};  // the basic analysis
  ui::CommandButton Command5{*this, "Command5"};    // the secondary analysis
  // The button bar: launchers, colouring, filter, recommendation, ＮＥＸＴ.
  ui::Frame Frame2{*this, "Frame2"};
  ui::Shape Shape3{Frame2, "Shape3"};
  ui::CommandButton Command6{Frame2, "Command6"};
  ui::CommandButton Command13{Frame2, "Command13"};
  ui::CommandButton Command7{Frame2, "Command7"};
  ui::CommandButton Command8{Frame2, "Command8"};
  ui::CommandButton Command9{Frame2, "Command9"};
  ui::CommandButton Command10{Frame2, "Command10"};
  ui::CommandButton Command11{Frame2, "Command11"};
  ui::Shape Shape1{Frame2, "Shape1"};
  ui::OptionButton Option1{Frame2, "Option1"};       // arms ＮＥＸＴ
  ui::CommandButton Command12{Frame2, "Command12"};  // ＮＥＸＴ
  ui::Shape Shape2{*this, "Shape2"};
  ui::CommandButton Command1{*this, "Command1"};  // past-run views
  ui::CommandButton Command2{*this, "Command2"};
  ui::CommandButton Command3{*this, "Command3"};
  ui::CommandButton Command4{*this, "Command4"};
  ui::CommandButton Command14{*this, "Command14"};
  ui::Label Label35{*this, "Label35"};
  ui::Label Label36{*this, "Label36"};             // validity of the analysis
  ui::Label Label37{*this, "Label37"};             // its grade
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // past runs of every runner
  ui::FlexGrid MSFlexGrid2{*this, "MSFlexGrid2"};  // the runners' names and values
  ui::FlexGrid MSFlexGrid4{*this, "MSFlexGrid4"};  // going aptitudes, out of view until asked for
  ui::FlexGrid MSFlexGrid3{*this, "MSFlexGrid3"};  // race overview, in front of the two grids above
  ui::Label Label33{*this, "Label33"};
  ui::Label Label19{*this, "Label19"};  // race run averages, five runs back to the last
  ui::Label Label20{*this, "Label20"};
  ui::Label Label21{*this, "Label21"};
  ui::Label Label22{*this, "Label22"};
  ui::Label Label23{*this, "Label23"};
  ui::Shape Shape6{*this, "Shape6"};
  ui::CheckBox Check2{*this, "Check2"};  // data reliability
  ui::Label Label31{*this, "Label31"};   // legend of the reliability colours
  ui::Label Label32{*this, "Label32"};
  ui::Label Label8{*this, "Label8"};
  ui::Label Label9{*this, "Label9"};
  ui::Label Label10{*this, "Label10"};
  ui::Label Label11{*this, "Label11"};
  ui::Label Label12{*this, "Label12"};
  ui::Label Label14{*this, "Label14"};
  ui::Label Label13{*this, "Label13"};
  ui::Label Label15{*this, "Label15"};
  ui::Shape Shape5{*this, "Shape5"};
  ui::CheckBox Check1{*this, "Check1"};  // arms "色解除"
  ui::CommandButton Command15{*this, "Command15"};
  ui::Frame Frame4{*this, "Frame4"};  // the palette that runner-grid clicks paint with
  ui::OptionButton Option2{Frame4, "Option2"};
  ui::Label Label27{Frame4, "Label27"};  // swatch; A, B and C double as the legend of the colour bands
  ui::OptionButton Option3{Frame4, "Option3"};
  ui::Label Label28{Frame4, "Label28"};
  ui::OptionButton Option4{Frame4, "Option4"};
  ui::Label Label29{Frame4, "Label29"};
  ui::OptionButton Option5{Frame4, "Option5"};
  ui::Label Label30{Frame4, "Label30"};
  ui::OptionButton Option6{Frame4, "Option6"};
  ui::Label Label34{Frame4, "Label34"};
  ui::OptionButton Option7{Frame4, "Option7"};
  ui::Label Label38{Frame4, "Label38"};
  ui::Line Line2{*this, "Line2"};
  ui::Line Line3{*this, "Line3"};
  ui::Line Line4{*this, "Line4"};
  ui::Label Label26{*this, "Label26"};
  ui::Label Label24{*this, "Label24"};  // current-ability average of the race
  ui::Label Label40{*this, "Label40"};
  ui::Label Label25{*this, "Label25"};  // its class position
  ui::Label Label17{*this, "Label17"};
  ui::Label Label18{*this, "Label18"};  // standard time of today's race
  ui::Label Label16{*this, "Label16"};
  ui::TextBox Text1{*this, "Text1"};  // recommended horse numbers
  ui::Frame Frame1{*this, "Frame1"};  // the navigation switches, out of view until colouring
  ui::CheckBox Check4{Frame1, "Check4"};
  ui::CheckBox Check5{Frame1, "Check5"};
  ui::CheckBox Check6{Frame1, "Check6"};
  ui::CheckBox Check7{Frame1, "Check7"};

 private:
  void ClearResultTexts();
  void SetUpPalette();
  void SetUpButtons();
  // The grids' designs and the going list (frm_ag3_grids.cpp).
  static const ui::GridDesign kPastRunGridDesign;
  static const ui::GridDesign kRunnerGridDesign;
  void FillGoingList();
  // The race choice's shared steps (frm_ag3_race_choice.cpp).
  void ShowSelectorRace();
  void RefuseConfirmation();
  // The reset's steps on the window's own controls (next_race_reset.cpp).
  void ClearResultsForNextRace();
  void ResetButtonsForNextRace();
};

}  // namespace analysis
