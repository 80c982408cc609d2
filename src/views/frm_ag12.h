#pragma once
// The training window: every runner's three workouts of the analysed race, one row per runner, in a
// flat-course view and a slope view that share one place; two option buttons switch between them.
// The load builds the workouts' course texts and the flat view; both views keep to the race and
// runner count of the load, so one grid never mixes two races while the window stays open across
// races.

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"

namespace shell {
class App;
}

namespace views {

class frmAg12 : public ui::Form {
 public:
  explicit frmAg12(shell::App& app);

  void Form_Load() override;
  // The flat-course view: its grid into view, the slope grid out, and the flat rows written.
  void Option1_Click();
  // The slope view: its grid into view, the flat grid out, the counts of runs shortened in the shared
  // tables and the slope rows written.
  void Option2_Click();

 private:
  void Place();

  shell::App& app_;
  int race_ = 0;  // the analysed race at the load, 0 when none was confirmed
  int runner_count_ = 0;

 public:
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // flat-course view
  ui::OptionButton Option1{*this, "Option1"};
  ui::OptionButton Option2{*this, "Option2"};
  ui::FlexGrid MSFlexGrid2{*this, "MSFlexGrid2"};  // slope view
};

}  // namespace views
