#pragma once
// The graph window: one runner's past values, plotted by a click on its name in the analysis
// window's runner grid.
// Its content is still to come: for now it opens empty.

#include "ui/form.h"

namespace shell {
class App;
}

namespace views {

class frmAg14 : public ui::Form {
 public:
  explicit frmAg14(shell::App& app);
};

}  // namespace views
