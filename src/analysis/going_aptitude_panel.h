#pragma once
// The going-aptitude panel: for every runner of the analysed race, its aptitude values on today's
// surface for the three soft goings, greyed, with the column of today's going marked where the value
// is high. The colouring of the recommendation computes the values; the panel only shows them.

#include "model/meeting.h"
#include "model/text.h"
#include "ui/grid.h"
#include "ui/grid_design.h"

namespace analysis {

// The mark of today's going column: pink from 4 up, yellow at exactly 3, none otherwise (values
// between 3 and 4 included); the value is the text's leading number with its sign, 0 for none.
enum class AptitudeMark { kNone, kHigh, kTop };
AptitudeMark MarkOf(const model::Text& aptitude);

// The panel's shape as the window loads it: two heading rows, every column centred.
extern const ui::GridDesign kAptitudePanelDesign;

// The panel's frame, rewritten on every change of its switch: widths, heads and the title of today's
// surface (none when the race is of neither surface).
void WriteAptitudePanelFrame(ui::FlexGrid& panel, const model::Meeting& meeting);

// The runners' rows: numbers, grey value cells, the values of today's surface, and the marks in the
// column of today's going when it is one of the soft goings (list position 1 to 3).
void FillAptitudePanel(ui::FlexGrid& panel, const model::Meeting& meeting, int going);

}  // namespace analysis
