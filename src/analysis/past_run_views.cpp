#include "analysis/past_run_views.h"

#include <algorithm>

#include "analysis/frm_ag3.h"
#include "model/meeting_shape.h"

namespace analysis {

namespace {

constexpr int kTitleRow = 0;
constexpr int kFirstRunnerRow = 2;  // below the two heading rows

}  // namespace

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
  for (int c = 1; c <= model::kPastRuns; ++c) grid.SetTextMatrix(kTitleRow, c, title);
  const int last_runner = std::min(runners, grid.Rows() - kFirstRunnerRow);
  for (int i = 1; i <= last_runner; ++i) {
    for (int c = 1; c <= model::kPastRuns; ++c)
      grid.SetTextMatrix(i + kFirstRunnerRow - 1, c, run_text(i, model::kPastRuns + 1 - c));
  }
}

}  // namespace analysis
