#pragma once
// The individual-data window: one runner of the analysed race at a time, its last five runs above
// and the parts of each run's evaluation value below. Filled from outside by a press on a horse
// name in the analysis window's runner grid.

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"

namespace shell {
class App;
}

namespace views {

class frmAg8 : public ui::Form {
 public:
  explicit frmAg8(shell::App& app);

  void Form_Load() override;

 private:
  shell::App& app_;

 public:
  ui::Label Label1{*this, "Label1"};
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // race history: column 1 five runs back, 5 the last
  ui::FlexGrid MSFlexGrid2{*this, "MSFlexGrid2"};  // evaluation parts: a turf and a dirt column per run
};

}  // namespace views
