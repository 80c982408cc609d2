#pragma once
// The data-read window: the user picks the folder holding the three KOL files, then runs the
// race-card read, the past-performance read and the base-time build one button after the
// other; lamps above and below each button tell which step may run and which is done. Its
// grids preview the races and their runners. When the build is done it hands over to the
// analysis window.

#include <array>
#include <filesystem>
#include <vector>

#include "intake/record_file.h"
#include "model/text.h"
#include "ui/controls.h"
#include "ui/file_lists.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/palette.h"

namespace model {
class Meeting;
}
namespace shell {
class App;
}

namespace intake {

// Lamp colours: white until then, blue above a step that may run, red below a step that is done.
constexpr ui::Color kLampWaiting = ui::palette::kWhite;
constexpr ui::Color kLampMayRun = ui::palette::kBlue;
constexpr ui::Color kLampDone = ui::palette::kRed;

// Rows 1 to 7 of a race's column in the race grids: name, class, surface, distance, runner
// count, estimated time and expected pace, as the race-card read stored them.
std::array<model::Text, 7> RaceGridTexts(const model::Meeting& meeting, int race);

class frmAg2 : public ui::Form {
 public:
  explicit frmAg2(shell::App& app);

  void Form_Load() override;
  void Timer2_Timer();
  void Drive1_Change();
  void Dir1_Click();
  void Dir1_Change();
  void Option14_Click();
  void Command6_Click();
  void Command1_Click();
  void Command7_Click();
  // Command8_Click, the base-time build, is the base-time stage's.
  void Timer1_Timer();
  void MSFlexGrid3_MouseDown(int button, int shift, double x, double y);
  void MSFlexGrid4_MouseDown(int button, int shift, double x, double y);
  void MSFlexGrid2_MouseDown(int button, int shift, double x, double y);

 private:
  shell::App& app_;

 public:
  ui::Frame Frame1{*this, "Frame1"};
  ui::Label Label37{Frame1, "Label37"};  // the folder hint, blinking until a folder is chosen
  ui::Label Label5{Frame1, "Label5"};
  ui::DirListBox Dir1{Frame1, "Dir1"};
  ui::Label Label9{Frame1, "Label9"};
  ui::DriveListBox Drive1{Frame1, "Drive1"};
  ui::Label Label8{Frame1, "Label8"};
  // Made with its pattern rather than given it by the design, so that the folder is listed once.
  ui::FileListBox File1{Frame1, "File1", u"*.kd2"};
  ui::ComboBox Combo1{Frame1, "Combo1"};
  ui::OptionButton Option14{Frame1, "Option14"};   // unlocks "取消"
  ui::CommandButton Command6{Frame1, "Command6"};  // "取消"
  ui::Label Label1{Frame1, "Label1"};              // the chosen folder
  ui::Label Label6{Frame1, "Label6"};              // lamps above the step buttons
  ui::Label Label7{Frame1, "Label7"};
  ui::Label Label29{Frame1, "Label29"};
  ui::CommandButton Command1{Frame1, "Command1"};  // race-card read
  ui::CommandButton Command7{Frame1, "Command7"};  // past-performance read
  ui::CommandButton Command8{Frame1, "Command8"};  // base-time build
  ui::Label Label2{Frame1, "Label2"};              // lamps below the step buttons
  ui::Label Label3{Frame1, "Label3"};
  ui::Label Label4{Frame1, "Label4"};
  ui::TextBox Text1{Frame1, "Text1"};  // hand-over timer's tick count
  ui::TextBox Text2{Frame1, "Text2"};  // hint timer's tick count
  ui::Timer Timer1{Frame1, "Timer1"};  // hand-over to the analysis window
  ui::Timer Timer2{Frame1, "Timer2"};  // hint blink
  ui::Label Label30{*this, "Label30"};
  ui::Label Label31{*this, "Label31"};
  ui::Label Label32{*this, "Label32"};             // "click a race number", once the races are shown
  ui::FlexGrid MSFlexGrid3{*this, "MSFlexGrid3"};  // races 1 to 6
  ui::FlexGrid MSFlexGrid4{*this, "MSFlexGrid4"};  // races 7 to 12
  ui::FlexGrid MSFlexGrid2{*this, "MSFlexGrid2"};  // runners of the picked race
  // The five-run sheet of the clicked runner, kept below the window's visible area.
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};

 private:
  // Label1 shows the folder; the reads open it by the path the file system gave.
  void ShowChosenFolder(const std::filesystem::path& folder);
  // Whether the folder shown in Label1 lists the three files by their exact names.
  bool ChosenFolderHasTheFiles();
  void FillRaceGrids();
  // The race-grid click shared by both race grids; first_race is the race of column 1.
  void PickRace(ui::FlexGrid& clicked, int first_race, double x, double y);
  void ListRunners(int race);
  void ComposeFiveRunSheet(int race, int runner);
  void WarnOfIncompleteFiles(const model::Text& data, const std::vector<RecordFileUse>& files);

  std::filesystem::path chosen_folder_;  // the folder Label1 shows
};

}  // namespace intake
