#pragma once
// The frontend as the headless script driver uses it, under Qt's offscreen platform (made on first use).
// No Qt type appears here, so that the driver does not depend on Qt.

#include <string>

#include "ui/desktop.h"

namespace desktop {

// Renders the loaded window form_name as the desktop draws it and saves it as a PNG file. Empty on
// success, else the reason it failed.
std::string ShotWindow(ui::Desktop& desktop, const std::string& form_name, const std::string& png_path);
// Every document the printer ends from now on is written into the PDF file pdf_path (one page each).
// Empty on success, else the reason it cannot be done.
std::string PrintTo(ui::Desktop& desktop, const std::string& pdf_path);

}  // namespace desktop
