#pragma once
// The individual-data window: one runner's own data, filled by a click on its name in the
// analysis window's runner grid.
// Its content is still to come: for now it opens empty.

#include "ui/form.h"

namespace shell {
class App;
}

namespace views {

class frmAg8 : public ui::Form {
 public:
  explicit frmAg8(shell::App& app);
};

}  // namespace views
