#pragma once
// The analysis window. For now only its size and place, below the main window where the
// data-read window was; its grids, legends and controls come with the analysis itself.

#include "ui/form.h"

namespace shell {
class App;
}

namespace analysis {

class frmAg3 : public ui::Form {
 public:
  explicit frmAg3(shell::App& app);

  void Form_Load() override;

 private:
  shell::App& app_;
};

}  // namespace analysis
