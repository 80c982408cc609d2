#pragma once
// The evaluation window: the overall indices of the analysed race's runners as bars.
// Its content is still to come: for now it opens empty.

#include "ui/form.h"

namespace shell {
class App;
}

namespace navigator {

class frmAg15 : public ui::Form {
 public:
  explicit frmAg15(shell::App& app);
};

}  // namespace navigator
