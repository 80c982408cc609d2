#pragma once
// The evaluation window: every runner of the analysed race with a rest mark and five index bars
// (overall evaluation, speed, power, front-running and closing), drawn once per load by "総合評価".

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"

namespace shell {
class App;
}

namespace navigator {

class frmAg15 : public ui::Form {
 public:
  explicit frmAg15(shell::App& app);

  void Form_Load() override;
  void Command1_Click();

 private:
  shell::App& app_;

 public:
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // row k + 1 is runner k
  ui::CommandButton Command1{*this, "Command1"};   // "総合評価"
  ui::TextBox Text1{*this, "Text1"};               // below the visible area: takes the focus only
};

}  // namespace navigator
