#pragma once
// The axis-horse navigator of the analysed race: the evaluations of every runner's last five runs
// with their same-condition statistics ("解析"), and the axis-horse candidates by five criteria
// in the grid of the race's distance category ("軸馬ナビ"). Each button runs once per load.

#include <vector>

#include "navigator/distance_category.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"

namespace shell {
class App;
}

namespace navigator {

class frmAg13 : public ui::Form {
 public:
  explicit frmAg13(shell::App& app);

  void Form_Load() override;
  void Command2_Click();
  void Command1_Click();

  // The navigator grid of a category; the short one for kNone.
  ui::FlexGrid& NavigatorGrid(DistanceCategory category);

  // Runner numbers of the last "軸馬ナビ" press: all five criteria passed (A), the first four only (B).
  std::vector<int> AxisListA;
  std::vector<int> AxisListB;

 private:
  void ShowCategory(DistanceCategory category);

  shell::App& app_;

 public:
  // The category marks: set by the load, no action of their own.
  ui::OptionButton Option1{*this, "Option1"};
  ui::OptionButton Option2{*this, "Option2"};
  ui::OptionButton Option3{*this, "Option3"};
  ui::Shape Shape1{*this, "Shape1"};
  ui::CommandButton Command2{*this, "Command2"};   // "解析"
  ui::CommandButton Command1{*this, "Command1"};   // "軸馬ナビ"
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // statistics: row i + 1 is runner i
  ui::FlexGrid MSFlexGrid2{*this, "MSFlexGrid2"};  // short
  ui::FlexGrid MSFlexGrid3{*this, "MSFlexGrid3"};  // middle
  ui::FlexGrid MSFlexGrid4{*this, "MSFlexGrid4"};  // long
};

}  // namespace navigator
