#include "analysis/companion_windows.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "basetime/base_time_tables.h"
#include "basetime/std_time_view_tables.h"
#include "intake/race_card_tables.h"
#include "shell/app.h"

namespace analysis {

using model::Text;

namespace {

const Text kLauncherCaption = u"[  基本タイムの表示  ]";

struct SwitchCaptions {
  const char16_t* on;
  const char16_t* off;
};
constexpr SwitchCaptions kNavigatorCaptions = {u"軸馬 O N", u"軸馬OFF"};
constexpr SwitchCaptions kGraphCaptions = {u"グラフO N", u"グラフOFF"};
constexpr SwitchCaptions kEvaluationCaptions = {u"評価O N", u"評価OFF"};

// A ticked switch shows its window, an unticked one hides it.
void Switch(shell::App& app, frmAg3& window, ui::CheckBox& box, std::string_view name,
            const SwitchCaptions& captions) {
  if (box.Value() == ui::kChecked) {
    ShowCompanion(app, window, name);
    box.SetCaption(captions.on);
  } else if (box.Value() == ui::kUnchecked) {
    HideCompanion(app, name);
    box.SetCaption(captions.off);
  }
}

}  // namespace

void ShowCompanion(shell::App& app, frmAg3& window, std::string_view name) {
  app.FormByName(name).Show(&window);
}

void HideCompanion(shell::App& app, std::string_view name) {
  if (ui::Form* form = app.FindLoaded(name)) form->Hide();
}

void PressLauncher(frmAg3& window, ui::CommandButton& pressed) {
  for (ui::CommandButton* button :
       {&window.Command6, &window.Command7, &window.Command8, &window.Command13}) {
    button->SetEnabled(button != &pressed);
  }
}

// Selecting the surface's option fills the view by itself when the option was not selected; the
// launcher fills it again under its own caption.
void ShowStandardTimesOfToday(basetime::frmAg9& view, model::Meeting& meeting) {
  const int race = AnalysedRaceIndex(meeting);
  if (race == 0) return;
  const Text& surface = meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(race);
  const basetime::BaseTimeTables& times = meeting.Group<basetime::BaseTimeTables>();
  basetime::StdTimeViewTables& texts = meeting.Group<basetime::StdTimeViewTables>();
  if (surface == u"1") {
    view.MSFlexGrid1.SetTextMatrix(0, 0, basetime::kTurfCorner);
    view.Option1.SetValue(true);
    view.Fill(times.TurfStdTime, texts.TurfStdText, kLauncherCaption);
  } else if (surface == u"0") {
    view.MSFlexGrid1.SetTextMatrix(0, 0, basetime::kDirtCorner);
    view.Option2.SetValue(true);
    view.Fill(times.DirtStdTime, texts.DirtStdText, kLauncherCaption);
  }
}

void frmAg3::Check4_Click() {
  Switch(app_, *this, Check4, "frmAg13", kNavigatorCaptions);
}

void frmAg3::Check5_Click() {
  Switch(app_, *this, Check5, "frmAg14", kGraphCaptions);
}

void frmAg3::Check7_Click() {
  Switch(app_, *this, Check7, "frmAg15", kEvaluationCaptions);
}

void frmAg3::Command6_Click() {
  PressLauncher(*this, Command6);
  ShowCompanion(app_, *this, "frmAg10");
}

void frmAg3::Command7_Click() {
  PressLauncher(*this, Command7);
  ShowCompanion(app_, *this, "frmAg8");
}

void frmAg3::Command8_Click() {
  PressLauncher(*this, Command8);
  ShowCompanion(app_, *this, "frmAg9");
  ShowStandardTimesOfToday(app_.Form<basetime::frmAg9>(), app_.meeting);
}

void frmAg3::Command13_Click() {
  PressLauncher(*this, Command13);
  ShowCompanion(app_, *this, "frmAg12");
}

}  // namespace analysis
