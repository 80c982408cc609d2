#pragma once
// The training window: the workouts of the analysed race's runners.
// Its content is still to come: for now it opens empty.

#include "ui/form.h"

namespace shell {
class App;
}

namespace views {

class frmAg12 : public ui::Form {
 public:
  explicit frmAg12(shell::App& app);
};

}  // namespace views
