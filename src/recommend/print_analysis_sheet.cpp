#include "recommend/print_analysis_sheet.h"

namespace recommend {

// Prints nothing until the recommendation stage brings the sheet's layout; the main window's print
// controls already behave as they will then.
void PrintAnalysisSheet(shell::App& /*app*/) {}

}  // namespace recommend
