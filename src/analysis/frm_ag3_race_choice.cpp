// The race choice: UP and DN step a selector through races 1 to 12, "確定" makes the race shown the
// analysed race (races of 2500 m and longer are refused), "取消" releases it.
#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/race_overview.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "ui/palette.h"

namespace analysis {

using model::Text;

namespace {

constexpr double kFirstRace = 1;
constexpr double kRefusedDistance = 2500;  // this distance and longer cannot be analysed

const Text kRefusalMessage = u"２５００ｍ以上の解析は出来ません。！！";

// The selector as a table index; it only ever holds whole numbers 1 to 12 when a table is read.
int RaceIndex(double race) {
  return static_cast<int>(race);
}

}  // namespace

// An empty summary means no race is shown: UP starts again at race 1.
void frmAg3::Command16_Click() {
  Command18.SetEnabled(true);
  if (Label2.Caption().empty()) {
    SetSelectorRace(app_.meeting, kFirstRace);
    ShowSelectorRace();
    Command17.SetEnabled(false);
    return;
  }
  SetSelectorRace(app_.meeting, SelectorRace(app_.meeting) + 1);
  ShowSelectorRace();
  if (SelectorRace(app_.meeting) >= kFirstRace + 1) Command17.SetEnabled(true);
  if (SelectorRace(app_.meeting) == model::kRaces) Command16.SetEnabled(false);
}

void frmAg3::Command17_Click() {
  SetSelectorRace(app_.meeting, SelectorRace(app_.meeting) - 1);
  Command16.SetEnabled(true);
  ShowSelectorRace();
  if (SelectorRace(app_.meeting) == kFirstRace) Command17.SetEnabled(false);
}

void frmAg3::Command18_Click() {
  // "ＮＥＸＴ" before any race was chosen, then "取消", opens this with no race to confirm.
  const double selector = SelectorRace(app_.meeting);
  if (selector < kFirstRace || selector > model::kRaces) return;
  Command16.SetEnabled(false);
  Command17.SetEnabled(false);
  Command18.SetEnabled(false);
  Command19.SetEnabled(true);
  Command20.SetEnabled(true);
  Label2.SetForeColor(ui::palette::kBlue);
  HideRaceOverview(MSFlexGrid3);
  SetAnalysedRace(app_.meeting, SelectorRace(app_.meeting));
  SetSecondaryAnalysisDone(app_.meeting, false);
  const int race = AnalysedRaceIndex(app_.meeting);
  const intake::RaceCardTables& card = app_.meeting.Group<intake::RaceCardTables>();
  Label6.SetCaption(card.RaceEstTimeLabel(race));
  Label7.SetCaption(card.RacePaceLabel(race));
  if (model::TextToNumber(card.RaceDistanceLabel(race)) >= kRefusedDistance) RefuseConfirmation();
}

// The analysed race stays the refused one; nothing can analyse it before the next confirmation.
void frmAg3::RefuseConfirmation() {
  GetDesktop().MsgBox(kRefusalMessage, ui::kOkOnly);
  Command16.SetEnabled(true);
  Command17.SetEnabled(SelectorRace(app_.meeting) > kFirstRace);
  Command18.SetEnabled(true);
  Command19.SetEnabled(false);
  Command20.SetEnabled(false);
  Label2.SetCaption(u"");
  Label6.SetCaption(u"");
  Label7.SetCaption(u"");
  RedrawAndShowRaceOverview(MSFlexGrid3, app_.meeting);
}

// The released race stays shown, so UP and DN step on from it; its labels and the hidden overview
// stay as they are.
void frmAg3::Command19_Click() {
  const double selector = SelectorRace(app_.meeting);
  Command16.SetEnabled(Label2.Caption().empty() || selector < model::kRaces);
  Command17.SetEnabled(selector > kFirstRace);
  Command18.SetEnabled(true);
  Command19.SetEnabled(false);
  Command20.SetEnabled(false);
}

void frmAg3::ShowSelectorRace() {
  Label2.SetCaption(
      app_.meeting.Group<intake::RaceCardTables>().RaceSummary(RaceIndex(SelectorRace(app_.meeting))));
}

}  // namespace analysis
