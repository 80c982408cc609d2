#include "recommend/print_analysis_sheet.h"

#include <array>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "intake/race_card_tables.h"
#include "model/analysis_tables.h"
#include "model/numbers.h"
#include "recommend/colouring_tables.h"
#include "recommend/sheet_predicted_time.h"
#include "secondary/secondary_analysis_tables.h"
#include "shell/app.h"
#include "ui/printer.h"

namespace recommend {

using model::Text;

namespace {

const ui::PlacedText kTitle = {u"[ 競馬予想プログラム （ Tarvelo　Ver 1.0 ）]", 27, 8};

// The race data block's captions, each beside the value printed later at the same y.
const std::array<ui::PlacedText, 14> kCaptions = {{
    {u"（開 催 日）", 28, 18},
    {u"（競 馬 場）", 80, 18},
    {u"（ﾚ-ｽ NO）", 122, 18},
    {u"（条  　件）", 28, 24},
    {u"（タ － フ）", 80, 24},
    {u"（距　  離）", 28, 30},
    {u"（馬場状態）", 80, 30},
    {u"（頭　　数）", 28, 36},
    {u"（推定タイム）", 80, 36},
    {u"（予想ペ－ス）", 80, 42},
    {u"（検討対象馬番）", 135, 36},
    {u"（解析有効性）", 198, 24},
    {u"（基本タイム）", 198, 30},
    {u"（評価値平均）", 198, 36},
}};

// The runner table's headings, two lines where a column's heading has two words.
// clang-format off
const std::array<ui::PlacedText, 20> kHeadings = {{
    {u"馬番", 26, 63},
    {u" ＜仮評価値＞", 81, 54},
    {u"  馬        名", 38, 63},
    {u"３走", 78, 60},
    {u"２走", 90, 60},
    {u"前走", 103, 60},
    {u"速力", 116, 63},
    {u"現力", 132, 63},
    {u"合6F値", 145, 63},
    {u"前3F", 163, 60},
    {u"Time", 163, 65},
    {u"後3F", 176, 60},
    {u"Time", 176, 65},
    {u"上昇値", 189, 63},
    {u"調教", 206, 60},
    {u"状態", 206, 65},
    {u"馬番", 219, 63},
    {u"所要", 233, 60},
    {u"Time", 233, 65},
    {u"総合評価", 248, 63},
}};
// clang-format on

constexpr double kFontPoints = 9;
constexpr double kRuleLeft = 25, kRuleRight = 271;
constexpr double kTableTop = 59, kUnderHeadings = 71, kTableBottom = 179;
// One rule under each of 18 rows, whatever the field.
constexpr double kFirstRowRule = 77, kRowPitch = 6;
constexpr int kRuledRows = 18;
constexpr double kFirstRowY = 72;

struct RunnerColumns {
  double number, name;
  std::array<double, 3> runs;  // runs 3, 2 and 1
  double speed, grade_speed, ability, grade_ability, total_6f, grade_3f, front_3f, back_3f, rise, grade_rise,
      training, number_again, predicted, overall_code, overall_eval;
};
constexpr RunnerColumns kColumns = {.number = 27,
                                    .name = 37,
                                    .runs = {80, 91, 102},
                                    .speed = 114,
                                    .grade_speed = 123,
                                    .ability = 130,
                                    .grade_ability = 139,
                                    .total_6f = 145,
                                    .grade_3f = 156,
                                    .front_3f = 161,
                                    .back_3f = 175,
                                    .rise = 190,
                                    .grade_rise = 199,
                                    .training = 206,
                                    .number_again = 220,
                                    .predicted = 231,
                                    .overall_code = 249,
                                    .overall_eval = 260};

void SetUpPage(ui::Printer& printer) {
  printer.SetScaleMode(ui::kScaleMillimeters);
  printer.SetPaperSize(ui::kPaperA4);
  printer.SetOrientation(ui::kLandscape);
  printer.SetFontSize(kFontPoints);
}

void PrintFixedTexts(ui::Printer& printer) {
  printer.PrintAt(kTitle);
  for (const ui::PlacedText& caption : kCaptions) printer.PrintAt(caption);
  for (const ui::PlacedText& heading : kHeadings) printer.PrintAt(heading);
}

void PrintRules(ui::Printer& printer) {
  printer.Line(kRuleLeft, kTableTop, kRuleRight, kTableTop);
  printer.Line(kRuleLeft, kUnderHeadings, kRuleRight, kUnderHeadings);
  for (int m = 0; m < kRuledRows; ++m) {
    const double y = kFirstRowRule + kRowPitch * m;
    printer.Line(kRuleLeft, y, kRuleRight, y);
  }
  printer.Line(kRuleLeft, kTableTop, kRuleLeft, kTableBottom);
  printer.Line(kRuleRight, kTableTop, kRuleRight, kTableBottom);
}

void PrintRaceData(const model::Meeting& meeting, const analysis::frmAg3& window, ui::Printer& printer,
                   int race) {
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  printer.PrintAt(55, 18, card.RaceDate(race));
  printer.PrintAt(108, 18, card.RaceCourseName(race));
  printer.PrintAt(143, 18, card.RaceNoLabel(race));
  printer.PrintAt(55, 24, card.RaceClassLabel(race));
  printer.PrintAt(107, 24, card.RaceSurfaceLabel(race));
  printer.PrintAt(55, 30, card.RaceDistanceLabel(race) + u" m");
  printer.PrintAt(105, 30, meeting.Group<model::AnalysisTables>().TodayGoingText());
  printer.PrintAt(55, 36, card.RunnerCount(race));
  printer.PrintAt(113, 36, window.Label6.Caption());
  printer.PrintAt(113, 42, window.Label7.Caption());
  printer.PrintAt(227, 24, u"  " + window.Label36.Caption() + u"  " + window.Label37.Caption());
  printer.PrintAt(227, 30, window.Label18.Caption());
  printer.PrintAt(229, 36, window.Label24.Caption() + u"  " + window.Label25.Caption());
  printer.PrintAt(135, 42, window.Text1.Text());
  printer.PrintAt(75, 65, window.Label21.Caption());
  printer.PrintAt(87, 65, window.Label22.Caption());
  printer.PrintAt(99, 65, window.Label23.Caption());
}

void PrintRunnerRow(const model::Meeting& meeting, ui::Printer& printer, int race, int runner) {
  const auto& t = meeting.Group<secondary::SecondaryAnalysisTables>();
  const RunnerColumns& c = kColumns;
  const double y = kFirstRowY + kRowPitch * (runner - 1);
  const Text number = model::NumberToSpacedText(runner);
  printer.PrintAt(c.number, y, number);
  printer.PrintAt(c.name, y, meeting.Group<intake::RaceCardTables>().HorseName(race, runner));
  for (int k = 0; k < 3; ++k) printer.PrintAt(c.runs[k], y, t.ProvEvalText[3 - k](runner));
  printer.PrintAt(c.speed, y, t.SpeedValueText(runner));
  printer.PrintAt(c.grade_speed, y, t.GradeSpeed(runner));
  printer.PrintAt(c.ability, y, t.CurrentAbilityText(runner));
  printer.PrintAt(c.grade_ability, y, t.GradeAbility(runner));
  printer.PrintAt(c.total_6f, y, t.Total6FText(runner));
  printer.PrintAt(c.grade_3f, y, t.Grade3F(runner));
  printer.PrintAt(c.front_3f, y, t.Front3FText(runner));
  printer.PrintAt(c.back_3f, y, t.Back3FText(runner));
  printer.PrintAt(c.rise, y, t.RiseValue(runner));
  printer.PrintAt(c.grade_rise, y, t.GradeRise(runner));
  printer.PrintAt(c.training, y, t.TrainingState(race, runner));
  printer.PrintAt(c.number_again, y, number);
  printer.PrintAt(c.predicted, y, t.PredictedTime(runner));
  printer.PrintAt(c.overall_code, y, t.OverallGrade(runner));
  const Text& overall = meeting.Group<ColouringTables>().OverallEval(runner);
  printer.PrintAt(c.overall_eval, y, model::NumberToPatternText(model::TextToNumber(overall), u"000"));
}

}  // namespace

void PrintAnalysisSheet(shell::App& app) {
  const int race = analysis::AnalysedRaceIndex(app.meeting);
  if (race == 0) return;
  const int runners = analysis::AnalysedRunnerCount(app.meeting);
  const analysis::frmAg3& window = app.Form<analysis::frmAg3>();
  ui::Printer& printer = app.printer;
  SetUpPage(printer);
  RecomputePredictedTimes(app.meeting, window.Label18.Caption(), runners);
  PrintFixedTexts(printer);
  PrintRules(printer);
  PrintRaceData(app.meeting, window, printer, race);
  for (int runner = 1; runner <= runners; ++runner) PrintRunnerRow(app.meeting, printer, race, runner);
  printer.EndDoc();
}

}  // namespace recommend
