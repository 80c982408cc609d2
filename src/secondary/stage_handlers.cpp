#include "secondary/stage_handlers.h"

#include "analysis/frm_ag3.h"
#include "shell/app.h"

namespace secondary {

namespace {

// The view buttons behave as a group: the pressed one is disabled, the others enabled.
void PressViewButton(analysis::frmAg3& window, ui::CommandButton& pressed) {
  for (ui::CommandButton* button :
       {&window.Command1, &window.Command2, &window.Command3, &window.Command4, &window.Command14}) {
    button->SetEnabled(button != &pressed);
  }
}

}  // namespace

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg3", [](shell::App&, ui::Form& form) {
    auto& window = static_cast<analysis::frmAg3&>(form);
    window.Command5.OnClick = [&window] { Command5_Click(window); };
    window.Command3.OnClick = [&window] { Command3_Click(window); };
    window.Command4.OnClick = [&window] { Command4_Click(window); };
  });
}

// The values are still to come; the click already leaves the controls as the analysis will: its own view
// ("仮評価") shown, the other views, the launchers and "色分け" open.
void Command5_Click(analysis::frmAg3& window) {
  window.Command5.SetEnabled(false);
  PressViewButton(window, window.Command1);
  for (ui::CommandButton* button :
       {&window.Command6, &window.Command7, &window.Command8, &window.Command13, &window.Command9}) {
    button->SetEnabled(true);
  }
}

// The views' texts are still to come.
void Command3_Click(analysis::frmAg3& window) {
  PressViewButton(window, window.Command3);
}

void Command4_Click(analysis::frmAg3& window) {
  PressViewButton(window, window.Command4);
}

}  // namespace secondary
