#pragma once
// The graph window's empty frames: grid lines, scales and labels, drawn once when the window loads.
// Both share one day scale, so that a run's three markers stand one above another.

#include "ui/picture.h"

namespace views {

// The x at which a text or marker for a run d days before today's race is printed.
double DaysToX(double days);

// The evaluation-value frame. Leaves the picture dotted, width 1.
void DrawEvaluationFrame(ui::PictureBox& picture);
// The margin panel above the finishing-position panel. Leaves the picture dotted, width 1.
void DrawMarginPositionFrame(ui::PictureBox& picture);

}  // namespace views
