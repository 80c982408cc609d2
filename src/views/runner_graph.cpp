#include "views/runner_graph.h"

#include <optional>

#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "ui/palette.h"
#include "views/frm_ag14.h"
#include "views/graph_frames.h"

namespace views {

using model::Text;

namespace {

constexpr int kNameLength = 10;
constexpr double kLastDay = 180;  // runs further back fall left of the frames
constexpr double kHighestValue = 70;
constexpr double kWidestMargin = 3;

// "---" marks a run without that value; an empty text is read the same, so that a runner the
// analysis never reached plots nothing.
bool Missing(const Text& text) {
  return text.empty() || text == basic::kNoValue;
}

// A past run's surface colour and evaluation value, from whichever of its turf and dirt texts holds
// a value (turf first); nothing when neither does.
struct RunValue {
  ui::Color colour;
  double value;
};
std::optional<RunValue> EvaluatedRun(const basic::BasicAnalysisTables& basic, int b, int j) {
  const Text& turf = basic.RunTurfEval[b](j);
  if (!Missing(turf)) return RunValue{ui::palette::kRed, model::TextToNumber(turf)};
  const Text& dirt = basic.RunDirtEval[b](j);
  if (!Missing(dirt)) return RunValue{ui::palette::kBlue, model::TextToNumber(dirt)};
  return std::nullopt;
}

void Marker(ui::PictureBox& picture, double y, ui::Color colour) {
  picture.SetCurrentY(y);
  picture.SetForeColor(colour);
  picture.Print(u"▲");
}

// What one frame plots of a run: its y, or nothing when the run stays off that frame.
enum class Frame { kValue, kMargin, kPosition };

std::optional<double> FrameY(const model::Meeting& meeting, Frame frame, int race, int b, int j, double days,
                             double value) {
  if (days > kLastDay) return std::nullopt;
  const auto& runs = meeting.Group<intake::PastRunTables>();
  switch (frame) {
    case Frame::kValue:
      if (value > kHighestValue) return std::nullopt;
      return value * 20 + 1100;
    case Frame::kMargin: {
      const double margin = model::TextToNumber(runs.RunMarginText[b](race, j));
      if (margin > kWidestMargin) return std::nullopt;
      return margin * 400;
    }
    case Frame::kPosition:
      return model::TextToNumber(runs.RunPositionText[b](race, j)) * 60 + 1400;
  }
  return std::nullopt;
}

// Runs 1 to 5 in turn, later markers over earlier ones.
void PlotRuns(const model::Meeting& meeting, ui::PictureBox& picture, Frame frame, int race, int j) {
  const auto& days_ago = meeting.Group<basic::PastRunViewTables>().RunDaysAgo;
  const auto& basic = meeting.Group<basic::BasicAnalysisTables>();
  for (int b = 1; b <= model::kPastRuns; ++b) {
    const Text& days_text = days_ago[b](race, j);
    if (Missing(days_text)) continue;
    const double days = model::TextToNumber(days_text);
    picture.SetCurrentX(DaysToX(days));
    const std::optional<RunValue> run = EvaluatedRun(basic, b, j);
    if (!run) continue;
    const std::optional<double> y = FrameY(meeting, frame, race, b, j, days, run->value);
    if (y) Marker(picture, *y, run->colour);
  }
}

}  // namespace

Text GraphCaption(const model::Meeting& meeting, int race, int j) {
  const auto& card = meeting.Group<intake::RaceCardTables>();
  const auto& runs = meeting.Group<intake::PastRunTables>();
  return u" < グラフ表示 >  " + model::Left(card.HorseName(race, j), kNameLength) + u"  " +
         card.SexLabel(race, j) + u"  " + card.AgeLabel(race, j) + u"  ( 父\u3000" +
         model::Left(runs.SireName(race, j), kNameLength) + u" )  ( 母 " +
         model::Left(runs.DamName(race, j), kNameLength) + u" )";
}

double RaceLineY(const model::Meeting& meeting, int race) {
  const auto& card = meeting.Group<intake::RaceCardTables>();
  const auto& basic = meeting.Group<basic::BasicAnalysisTables>();
  const Text& estimate = card.RaceEstTimeLabel(race);
  const double minutes = model::TextToNumber(model::Mid(estimate, 1, 1));
  const double seconds = model::TextToNumber(model::Mid(estimate, 3, 2));
  const double tenths = model::TextToNumber(model::Mid(estimate, 6, 1));
  const double estimated = minutes * 60 + seconds + tenths / 10;
  const Text& surface = card.RaceSurfaceCode(race);
  double standard = 0;
  if (surface == u"1") standard = model::TextToNumber(basic.TodayTurfStdTime());
  if (surface == u"0") standard = model::TextToNumber(basic.TodayDirtStdTime());
  const double level = (estimated - standard) * 10;
  return level * 20 + 1200;
}

void PlotRunner(const model::Meeting& meeting, frmAg14& window, int race, int j) {
  window.SetCaption(GraphCaption(meeting, race, j));
  PlotRuns(meeting, window.Picture1, Frame::kValue, race, j);
  const double y = RaceLineY(meeting, race);
  window.Picture1.SetDrawStyle(ui::kDrawSolid);
  window.Picture1.Line(1200, y, 6600, y, ui::palette::kGreen);
  window.Picture1.Line(1200, y + 200, 6600, y + 200, ui::palette::kGreen);
  PlotRuns(meeting, window.Picture2, Frame::kMargin, race, j);
  PlotRuns(meeting, window.Picture2, Frame::kPosition, race, j);
}

}  // namespace views
