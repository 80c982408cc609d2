#pragma once
// The analysis window's design: one row per control, in the order the window declares them.

#include <span>

#include "ui/design.h"

namespace analysis {

std::span<const ui::ControlDesign> frmAg3Design();

}  // namespace analysis
