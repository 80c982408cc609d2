#pragma once
// " 基本  解析": one click analyses the confirmed race from beginning to end and leaves the window
// ready for the secondary analysis.

namespace analysis {
class frmAg3;
}
namespace model {
class Meeting;
}

namespace basic {

// The click of " 基本  解析" on window, whose tables are meeting's.
void RunBasicAnalysis(analysis::frmAg3& window, model::Meeting& meeting);

}  // namespace basic
