#include "analysis/past_run_views.h"

#include <algorithm>

#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "model/meeting_shape.h"

namespace analysis {

void PressViewButton(frmAg3& window, ui::CommandButton& pressed) {
  for (ui::CommandButton* button :
       {&window.Command1, &window.Command2, &window.Command3, &window.Command4, &window.Command14}) {
    button->SetEnabled(button != &pressed);
  }
}

void ShowPastRunView(frmAg3& window, ui::CommandButton& pressed, const model::Text& title,
                     const PastRunText& run_text, int runners) {
  PressViewButton(window, pressed);
  ui::FlexGrid& grid = window.MSFlexGrid1;
  for (int run = model::kPastRuns; run >= 1; --run)
    grid.SetTextMatrix(kGridTitleRow, Index(PastRunColumnOf(run)), title);
  const int last_runner = std::min(runners, grid.Rows() - kFirstRunnerRow);
  for (int i = 1; i <= last_runner; ++i) {
    for (int run = model::kPastRuns; run >= 1; --run)
      grid.SetTextMatrix(RunnerRow(i), Index(PastRunColumnOf(run)), run_text(i, run));
  }
}

}  // namespace analysis
