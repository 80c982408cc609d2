#pragma once
// The past-run grid's views: one text per past run of every runner of the analysed race, the runs
// from five back (column 1) to the last (column 5). Five buttons choose the view and behave as one
// group; every stage that writes a view's texts shows it through here, so that all views fill the
// same cells the same way.

#include <functional>

#include "model/text.h"
#include "ui/controls.h"

namespace analysis {

class frmAg3;

// The titles of the views of the provisional and actual evaluations and of the run intervals.
inline const model::Text kProvisionalEvalTitle = u"仮  評  価";
inline const model::Text kRealEvalTitle = u"実  評  価";
inline const model::Text kRunIntervalTitle = u"レ－ス間隔";

// The text of past run `run` (1 the last run, 5 five runs back) of runner `runner` (1 to 18).
using PastRunText = std::function<model::Text(int runner, int run)>;

// The view buttons' group rule: the pressed one is disabled, the other four enabled.
void PressViewButton(frmAg3& window, ui::CommandButton& pressed);

// Shows one view: presses its button, writes its title over the five run columns and, for runners 1
// to `runners` (at most the grid's 18 runner rows), the texts of runs 5 to 1 as they are stored.
// Column 0, the heading row, the rows below and every cell colour keep what they hold.
void ShowPastRunView(frmAg3& window, ui::CommandButton& pressed, const model::Text& title,
                     const PastRunText& run_text, int runners);

}  // namespace analysis
