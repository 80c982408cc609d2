#include "analysis/frm_ag3.h"

#include "analysis/frm_ag3_design.h"
#include "analysis/going_aptitude_panel.h"
#include "analysis/race_overview.h"
#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"
#include "ui/palette.h"

namespace analysis {

using model::Text;

namespace {

const Text kSwatchCaptions[] = {u" A", u" B", u" C"};

}  // namespace

frmAg3::frmAg3(shell::App& app) : ui::Form(app, "frmAg3"), app_(app) {
  ui::ApplyDesign(*this, frmAg3Design());
  // The road cannot go on without this window: the user closes the program from the main window.
  SetControlBox(false);
  Command16.OnClick = [this] { Command16_Click(); };
  Command17.OnClick = [this] { Command17_Click(); };
  Command18.OnClick = [this] { Command18_Click(); };
  Command19.OnClick = [this] { Command19_Click(); };
  Command12.OnClick = [this] { Command12_Click(); };
  Check2.OnClick = [this] { Check2_Click(); };
  Check4.OnClick = [this] { Check4_Click(); };
  Check5.OnClick = [this] { Check5_Click(); };
  Check6.OnClick = [this] { Check6_Click(); };
  Check7.OnClick = [this] { Check7_Click(); };
  Command6.OnClick = [this] { Command6_Click(); };
  Command7.OnClick = [this] { Command7_Click(); };
  Command8.OnClick = [this] { Command8_Click(); };
  Command13.OnClick = [this] { Command13_Click(); };
}

void frmAg3::Form_Load() {
  shell::PlaceBelowMainWindow(*this, app_.screen);
  ClearResultTexts();
  SetUpPalette();
  SetUpButtons();
  Option2.SetValue(true);
  ui::ApplyGridDesign(MSFlexGrid1, kPastRunGridDesign);
  ui::ApplyGridDesign(MSFlexGrid2, kRunnerGridDesign);
  SetUpRaceOverview(MSFlexGrid3, app_.meeting);
  FillGoingList();
  ui::ApplyGridDesign(MSFlexGrid4, kAptitudePanelDesign);
}

void frmAg3::ClearResultTexts() {
  Text1.SetText(u"");
  for (ui::Label* label : {&Label2,  &Label6,  &Label7,  &Label9,  &Label11, &Label14, &Label15,
                           &Label18, &Label19, &Label20, &Label21, &Label22, &Label23, &Label24,
                           &Label25, &Label30, &Label34, &Label36, &Label37, &Label38, &Label41}) {
    label->SetCaption(u"");
  }
  Combo1.SetText(u"");
}

// The paint colours of the runner grid, and the legends of the reliability colours.
void frmAg3::SetUpPalette() {
  Label27.SetCaption(kSwatchCaptions[0]);
  Label28.SetCaption(kSwatchCaptions[1]);
  Label29.SetCaption(kSwatchCaptions[2]);
  Label27.SetBackColor(ui::palette::kPink);
  Label28.SetBackColor(ui::palette::kLightYellow);
  Label29.SetBackColor(ui::palette::kLightCyan);
  Label30.SetBackColor(ui::palette::kPaleGreen);
  Label34.SetBackColor(ui::palette::kLavender);
  Label38.SetBackColor(ui::palette::kWhite);
  Label31.SetBackColor(ui::palette::kPink);
  Label32.SetBackColor(ui::palette::kLightYellow);
}

// Only UP can start: every other step waits for a race.
void frmAg3::SetUpButtons() {
  for (ui::CommandButton* button :
       {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7, &Command8, &Command9,
        &Command10, &Command11, &Command12, &Command13, &Command14, &Command15}) {
    button->SetEnabled(false);
  }
  Command16.SetEnabled(true);
  for (ui::CommandButton* button : {&Command17, &Command18, &Command19, &Command20})
    button->SetEnabled(false);
}

}  // namespace analysis
