#include "shell/frm_ag0.h"

#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "shell/frm_ag1.h"
#include "ui/design.h"
#include "ui/palette.h"

namespace shell {

namespace {

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg0", .caption = u"  Tarvelo 　( Ver 1.0 )"},
    {.name = "Frame1", .place = {{0, 0, 9600, 600}}},
    {.name = "Label1", .place = {{350, 275, 1450, 200}}, .caption = u"<   開 催 情 報  >"},
    {.name = "Label2", .place = {{1900, 200, 3625, 300}}, .bold = true, .back = ui::palette::kLightGrey},
    {.name = "Frame2", .place = {{9575, 0, 1800, 600}}},
    {.name = "Check1", .place = {{325, 250, 200, 200}}},
    {.name = "Command4",
     .place = {{600, 180, 900, 350}},
     .caption = u"印刷",
     .tool_tip = u"Ａ４（横）に印刷します"},
    {.name = "Frame3", .place = {{11325, 0, 1600, 600}}},
    {.name = "Command5", .place = {{350, 180, 900, 350}}, .caption = u"ＥＮＤ"},
    {.name = "mnuFile", .caption = u"ファイル(&F)"},
    {.name = "mnuOpen1", .caption = u"開く～デ－タ読込"},
    {.name = "mnuDUmmy1", .caption = u"-"},
    {.name = "mnuExit", .caption = u"終了(&X)", .shortcut = "Ctrl+X"},
    {.name = "mnuPrint", .caption = u"印刷(&P)"},
};

}  // namespace

frmAg0::frmAg0(App& app) : ui::Form(app, "frmAg0"), app_(app) {
  ui::ApplyDesign(*this, kDesign);

  Check1.OnClick = [this] { Check1_Click(); };
  Command4.OnClick = [this] { Command4_Click(); };
  Command5.OnClick = [this] { Command5_Click(); };
  mnuExit.OnClick = [this] { mnuExit_Click(); };
  mnuOpen1.OnClick = [this] { mnuOpen1_Click(); };
  // Closing the main window ends the program, as "ＥＮＤ" does: the analysis window cannot be closed
  // on its own.
  OnUserClose = [this] { Command5_Click(); };
}

// The frame's top bar.
void frmAg0::Form_Load() {
  const FrameOrigin origin = MainFrameOrigin(app_.screen);
  SetHeight(kMainWindowHeight);
  SetWidth(kFrameWidth);
  SetTop(origin.top);
  SetLeft(origin.left);
  Command4.SetEnabled(false);
  Label2.SetCaption(u"");
  Check1.SetEnabled(false);
  mnuOpen1.SetEnabled(true);
  mnuPrint.SetEnabled(false);
  app_.Show<frmAg1>();
}

void frmAg0::Check1_Click() {
  if (Check1.Value() == ui::kChecked) {
    Command4.SetEnabled(true);
  } else if (Check1.Value() == ui::kUnchecked) {
    Command4.SetEnabled(false);
  }
}

// The tick is used up by one print; the user ticks again to print again. The print itself is the
// recommendation stage's, attached to this button when the program is assembled.
void frmAg0::Command4_Click() {
  Command4.SetEnabled(false);
  Check1.SetValue(ui::kUnchecked);
}

void frmAg0::Command5_Click() {
  app_.UnloadAll();
}

void frmAg0::mnuExit_Click() {
  Command5_Click();
}

// The data-read window can be opened only once, from here or from "Ｓｔａｒｔ"; the opening window
// stays behind it.
void frmAg0::mnuOpen1_Click() {
  app_.Form<frmAg1>().Command1.SetEnabled(false);
  mnuOpen1.SetEnabled(false);
  app_.FormByName("frmAg2").Show();
}

}  // namespace shell
