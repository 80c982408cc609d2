#pragma once
// The results-record window: the past results of the analysed race's runners.
// Its content is still to come: for now it opens empty.

#include "ui/form.h"

namespace shell {
class App;
}

namespace views {

class frmAg10 : public ui::Form {
 public:
  explicit frmAg10(shell::App& app);
};

}  // namespace views
