#pragma once
// The results-record window: for every runner of the analysed race, its horse's places by course
// direction, going and distance band on both surfaces (today's surface in the left half) beside
// its running styles. All of it is built once, when the window loads.

#include "ui/form.h"
#include "ui/grid.h"

namespace shell {
class App;
}

namespace views {

class frmAg10 : public ui::Form {
 public:
  explicit frmAg10(shell::App& app);

  void Form_Load() override;

 private:
  void Place();
  void WriteGroupHeads(bool turf_first);
  void TintRunnerRows(int runner_count);
  void FillRunnerRows(int race, int runner_count, bool turf_first);

  shell::App& app_;

 public:
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // row j + 2 is runner j; no runner column
};

}  // namespace views
