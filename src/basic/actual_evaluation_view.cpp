#include "basic/actual_evaluation_view.h"

#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace basic {

using model::Text;

namespace {

// The blanks between the characters are ideographic ones.
const Text kTitle = u"実\u3000評\u3000価";

// The text of a run by the numeric value of its surface-match code: on today's surface between
// blanks, on the other surface in brackets. A code of no usable run reads " --- ", and so does a code
// outside the five, which would otherwise leave a text of an earlier race in place.
Text RealEvalTextOf(const Text& surface_match, const Text& turf_text, const Text& dirt_text) {
  const double code = model::TextToNumber(surface_match);
  if (code == 2) return u" " + turf_text + u" ";
  if (code == 3) return u"(" + turf_text + u")";
  if (code == 4) return u" " + dirt_text + u" ";
  if (code == 5) return u"(" + dirt_text + u")";
  return kNoRealEval;
}

void UpdateRealEvalTexts(model::Meeting& meeting, int runner) {
  const BasicAnalysisTables& analysis = meeting.Group<BasicAnalysisTables>();
  PastRunViewTables& views = meeting.Group<PastRunViewTables>();
  for (int run = model::kPastRuns; run >= 1; --run) {
    views.RealEvalText[run](runner) =
        RealEvalTextOf(analysis.RunSurfaceMatch[run](runner), analysis.RunTurfEvalText[run](runner),
                       analysis.RunDirtEvalText[run](runner));
  }
}

void WriteRunnerRow(analysis::PastRunGridWriter& grid, model::Meeting& meeting, int race, int runner) {
  const int row = analysis::RunnerRow(runner);
  grid.SetCellText(row, analysis::PastRunColumn::kHorseNo,
                   meeting.Group<intake::RaceCardTables>().HorseNo(race, runner));
  const PastRunViewTables& views = meeting.Group<PastRunViewTables>();
  for (int run = model::kPastRuns; run >= 1; --run) {
    grid.SetCellText(row, analysis::PastRunColumnOf(run), views.RealEvalText[run](runner));
  }
}

}  // namespace

void WriteActualEvalTitle(analysis::PastRunGridWriter& grid) {
  for (int run = model::kPastRuns; run >= 1; --run)
    grid.SetCellText(analysis::kGridTitleRow, analysis::PastRunColumnOf(run), kTitle);
}

void BuildActualEvalRow(analysis::PastRunGridWriter& grid, model::Meeting& meeting, int race, int runner) {
  if (!model::IsRace(race) || !model::IsAnalysedRunner(runner)) return;
  UpdateRealEvalTexts(meeting, runner);
  WriteRunnerRow(grid, meeting, race, runner);
}

}  // namespace basic
