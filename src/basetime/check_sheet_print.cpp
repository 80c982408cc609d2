#include "basetime/check_sheet_print.h"

#include <array>

#include "basetime/base_time_tables.h"
#include "basetime/runner_range.h"
#include "intake/race_card_tables.h"
#include "model/analysis_tables.h"
#include "model/numbers.h"

namespace basetime {

using model::Text;

namespace {

const ui::PlacedText kTitle = {u"[ 競馬予想プログラム （ Tarvelo　Ver 1.0 ）]", 27, 8};

const std::array<ui::PlacedText, 8> kFieldLabels = {{
    {u"（開 催 日）", 28, 18},
    {u"（競 馬 場）", 28, 24},
    {u"（ﾚ-ｽ   NO）", 80, 24},
    {u"（条  　件）", 28, 30},
    {u"（タ － フ）", 80, 30},
    {u"（距　  離）", 28, 36},
    {u"（馬場状態）", 80, 36},
    {u"（頭　　数）", 28, 42},
}};

const std::array<ui::PlacedText, 6> kColumnHeads = {{
    {u"馬番", 1, 63},
    {u"＜５走前＞", 37, 63},
    {u"＜４走前＞", 102, 63},
    {u"＜３走前＞", 167, 63},
    {u"＜２走前＞", 232, 63},
    {u"＜前　走＞", 297, 63},
}};

constexpr double kRuleLeft = 1, kRuleRight = 352;
constexpr double kRuleAboveHeads = 59, kRuleBelowHeads = 71;
// One rule under each of the first 18 runner rows.
constexpr double kFirstRowRule = 77, kRowPitch = 6;
constexpr int kRuledRows = 18;

constexpr double kFirstRowY = 72;
constexpr double kRunnerNoX = 2;
// Five runs back at the left, the last run at the right.
constexpr std::array<double, 5> kSummaryX = {13, 81, 149, 217, 285};

void PrintRaceData(const model::Meeting& meeting, ui::Printer& printer, int race) {
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  printer.PrintAt(55, 18, card.RaceDate(race));
  printer.PrintAt(55, 24, card.RaceCourseName(race));
  printer.PrintAt(105, 24, card.RaceNoLabel(race));
  printer.PrintAt(55, 30, card.RaceClassLabel(race));
  printer.PrintAt(107, 30, card.RaceSurfaceLabel(race));
  printer.PrintAt(55, 36, card.RaceDistanceLabel(race));
  printer.PrintAt(105, 36, meeting.Group<model::AnalysisTables>().TodayGoingText());
  printer.PrintAt(55, 42, card.RunnerCount(race));
}

void PrintRunnerRows(const model::Meeting& meeting, ui::Printer& printer, int race) {
  const BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  const int runners = LastRunnerOf(meeting, race);
  for (int i = 1; i <= runners; ++i) {
    const double y = kFirstRowY + kRowPitch * (i - 1);
    printer.PrintAt(kRunnerNoX, y, model::NumberToSpacedText(i));
    for (int k = 5; k >= 1; --k) printer.PrintAt(kSummaryX[5 - k], y, base.RunSummary[k](race, i));
  }
}

}  // namespace

void PrintRaceRunRecords(const model::Meeting& meeting, ui::Printer& printer, int race) {
  printer.SetScaleMode(ui::kScaleMillimeters);
  printer.SetPaperSize(ui::kPaperB4);
  printer.SetOrientation(ui::kLandscape);
  printer.PrintAt(kTitle);
  for (const ui::PlacedText& label : kFieldLabels) printer.PrintAt(label);
  for (const ui::PlacedText& head : kColumnHeads) printer.PrintAt(head);
  printer.Line(kRuleLeft, kRuleAboveHeads, kRuleRight, kRuleAboveHeads);
  printer.Line(kRuleLeft, kRuleBelowHeads, kRuleRight, kRuleBelowHeads);
  for (int m = 0; m < kRuledRows; ++m) {
    const double y = kFirstRowRule + kRowPitch * m;
    printer.Line(kRuleLeft, y, kRuleRight, y);
  }
  PrintRaceData(meeting, printer, race);
  PrintRunnerRows(meeting, printer, race);
  printer.EndDoc();
}

}  // namespace basetime
