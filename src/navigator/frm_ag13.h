#pragma once
// The axis-horse navigator of the analysed race.
// Its content is still to come: for now it opens empty.

#include "ui/form.h"

namespace shell {
class App;
}

namespace navigator {

class frmAg13 : public ui::Form {
 public:
  explicit frmAg13(shell::App& app);
};

}  // namespace navigator
