#pragma once
// The one place the navigator and the evaluation window share: the frame's left edge, 1425 twips
// below the analysis window's top, 11425 x 5500 twips. Shown together, they cover each other.

#include "ui/form.h"
#include "ui/services.h"

namespace navigator {

void PlaceOverAnalysisWindow(ui::Form& form, const ui::Screen& screen);

}  // namespace navigator
