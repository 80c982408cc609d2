#include "analysis/next_race_reset.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/race_overview.h"
#include "analysis/runner_grid.h"
#include "shell/app.h"
#include "shell/frm_ag0.h"
#include "ui/palette.h"

namespace analysis {

namespace {

// The windows each race opens afresh: the navigator, the graph and the evaluation window.
constexpr std::string_view kPerRaceWindows[] = {"frmAg13", "frmAg14", "frmAg15"};

}  // namespace

void EmptyRunnerRows(ui::FlexGrid& grid, int runners, int last_col) {
  const int last_row = kFirstRunnerRow + runners - 1;
  for (int r = kFirstRunnerRow; r <= last_row; ++r) {
    for (int c = 0; c <= last_col; ++c) grid.SetTextMatrix(r, c, u"");
  }
  for (int r = kFirstRunnerRow; r <= last_row; ++r) {
    for (int c = 1; c <= last_col; ++c) {
      grid.SetRow(r);
      grid.SetCol(c);
      grid.SetCellBackColor(ui::palette::kWhite);
    }
  }
}

void UnloadCompanion(shell::App& app, std::string_view name) {
  const std::vector<ui::Form*>& loaded = app.LoadedForms();
  for (size_t position = 1; position < loaded.size(); ++position) {
    if (loaded[position]->Name() == name) {
      loaded[position]->Unload();
      return;
    }
  }
}

// The tables of the analysed race stay: the overview and the printout read them, and the next
// analysis overwrites the per-runner ones.
void frmAg3::Command12_Click() {
  ClearResultsForNextRace();
  ResetButtonsForNextRace();
  SetSecondaryAnalysisDone(app_.meeting, false);
  Check2.SetValue(ui::kUnchecked);
  shell::frmAg0& main_window = app_.Form<shell::frmAg0>();
  main_window.Check1.SetValue(ui::kUnchecked);
  main_window.Check1.SetEnabled(false);
  // Both below the window's visible area.
  Frame1.Move(9850, 12000, 2900, 1100);
  MSFlexGrid4.Move(200, 12000, 3775, 4600);
  MSFlexGrid4.Clear();
  for (ui::CheckBox* box : {&Check4, &Check5, &Check6, &Check7}) box->SetValue(ui::kUnchecked);
  app_.screen.SetMousePointer(ui::pointer::kHourglass);
  const int runners = AnalysedRunnerCount(app_.meeting);
  EmptyRunnerRows(MSFlexGrid1, runners, Index(PastRunColumn::kLastRun));
  EmptyRunnerRows(MSFlexGrid2, runners, Index(RunnerColumn::kOverallCode));
  for (std::string_view name : kPerRaceWindows) UnloadCompanion(app_, name);
  app_.screen.SetMousePointer(ui::pointer::kDefault);
  RedrawAndShowRaceOverview(MSFlexGrid3, app_.meeting);
}

void frmAg3::ClearResultsForNextRace() {
  Text1.SetText(u"");
  for (ui::Label* label :
       {&Label2, &Label6, &Label7, &Label9, &Label11, &Label14, &Label15, &Label18, &Label19, &Label20,
        &Label21, &Label22, &Label23, &Label24, &Label25, &Label36, &Label37, &Label41}) {
    label->SetCaption(u"");
  }
}

// Back to selection: only UP and "取消" open. The basic analysis closes too, so that the analyses of
// two races cannot mix.
void frmAg3::ResetButtonsForNextRace() {
  Command16.SetEnabled(true);
  Command17.SetEnabled(false);
  Command18.SetEnabled(false);
  Command19.SetEnabled(true);
  for (ui::CommandButton* button :
       {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7, &Command8, &Command9,
        &Command10, &Command11, &Command12, &Command13, &Command14, &Command15}) {
    button->SetEnabled(false);
  }
  Command20.SetEnabled(false);
}

}  // namespace analysis
