#pragma once
// The check window of the base-time build: the running sums and class averages by course, class
// and distance in two course grids (turf and dirt, swapped in one place), the run summaries of one
// race in the record grid, and step buttons that re-run the build's stages one at a time. The
// build loads it hidden with its first cell write; nothing shows it.

#include "basetime/class_grid_writer.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"

namespace shell {
class App;
}

namespace basetime {

class frmAg7 : public ui::Form, public ClassGridWriter {
 public:
  explicit frmAg7(shell::App& app);

  void Form_Load() override;
  void Option1_Click();
  void Option2_Click();
  void Check1_Click();
  void Command1_Click();  // 表示: accumulate one race or all twelve, show one race's summaries
  void Command2_Click();  // 平均: class averages
  void Command3_Click();  // 構築: standard times, with the work row shown after each stage
  void Command4_Click();  // 上消去
  void Command5_Click();  // 印刷
  void Command6_Click();  // 下消去

  // The class cells of the course grids: surface 1 the turf grid, 2 the dirt grid.
  void SetClassCell(int surface, int row, int col, const model::Text& text) override;

 private:
  void ShowRaceRecords(int race);
  void ShowWorkLine(int surface, int course, int line);
  ui::FlexGrid* CourseGrid(int surface);

  shell::App& app_;

 public:
  // In tab order.
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // turf course grid
  ui::FlexGrid MSFlexGrid2{*this, "MSFlexGrid2"};  // record grid
  ui::CommandButton Command1{*this, "Command1"};
  ui::ComboBox Combo1{*this, "Combo1"};  // race of "表示"
  ui::CommandButton Command2{*this, "Command2"};
  ui::CommandButton Command3{*this, "Command3"};
  ui::CommandButton Command4{*this, "Command4"};
  ui::CommandButton Command5{*this, "Command5"};
  ui::ComboBox Combo2{*this, "Combo2"};  // race of "印刷"
  ui::CommandButton Command6{*this, "Command6"};
  ui::CheckBox Check1{*this, "Check1"};            // unlocks "印刷"
  ui::FlexGrid MSFlexGrid3{*this, "MSFlexGrid3"};  // dirt course grid
  ui::Frame Frame1{*this, "Frame1"};
  ui::OptionButton Option1{Frame1, "Option1"};
  ui::OptionButton Option2{Frame1, "Option2"};
  ui::Line Line1{*this, "Line1"};
};

// The check window's class grids as the build writes them: every write goes to the loaded window,
// and the first one loads it (hidden), so that every cell lands in laid-out grids.
class CheckWindowGrids : public ClassGridWriter {
 public:
  explicit CheckWindowGrids(shell::App& app) : app_(app) {}
  void SetClassCell(int surface, int row, int col, const model::Text& text) override;

 private:
  frmAg7& Window();

  shell::App& app_;
  // The window the last write went to; a build writes thousands of cells, and looking the window
  // up by its class for each one cost more than the writes.
  ui::Form* window_ = nullptr;
};

}  // namespace basetime
