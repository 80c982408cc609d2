#pragma once
// "  ２次   解析": one click derives, from the basic analysis of the confirmed race, every runner's
// values and grades and the race's own, and opens the views, the detail windows and "色分け".

namespace analysis {
class frmAg3;
}
namespace model {
class Meeting;
}

namespace secondary {

// The click of "  ２次   解析" on window, whose tables are meeting's.
void RunSecondaryAnalysis(analysis::frmAg3& window, model::Meeting& meeting);

}  // namespace secondary
