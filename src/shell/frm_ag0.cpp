#include "shell/frm_ag0.h"

#include "shell/app.h"
#include "shell/frm_ag1.h"

namespace shell {

namespace {
constexpr ui::Color kLightGrey = 0x00E0E0E0;
}  // namespace

frmAg0::frmAg0(App& app) : ui::Form(app, "frmAg0"), app_(app) {
  SetCaption(u"  Tarvelo 　( Ver 1.0 )");

  Frame1.Move(0, 0, 9600, 600);
  Label1.Move(350, 275, 1450, 200);
  Label1.SetCaption(u"<   開 催 情 報  >");
  Label2.Move(1900, 200, 3625, 300);
  Label2.SetBackColor(kLightGrey);
  Label2.SetFontBold(true);

  Frame2.Move(9575, 0, 1800, 600);
  Check1.Move(325, 250, 200, 200);
  Command4.Move(600, 180, 900, 350);
  Command4.SetCaption(u"印刷");
  Command4.SetToolTipText(u"Ａ４（横）に印刷します");

  Frame3.Move(11325, 0, 1600, 600);
  Command5.Move(350, 180, 900, 350);
  Command5.SetCaption(u"ＥＮＤ");

  mnuFile.SetCaption(u"ファイル(&F)");
  mnuOpen1.SetCaption(u"開く～デ－タ読込");
  mnuDUmmy1.SetCaption(u"-");
  mnuExit.SetCaption(u"終了(&X)");
  mnuExit.SetShortcut("Ctrl+X");
  mnuPrint.SetCaption(u"印刷(&P)");

  Check1.OnClick = [this] { Check1_Click(); };
  Command4.OnClick = [this] { Command4_Click(); };
  Command5.OnClick = [this] { Command5_Click(); };
  mnuExit.OnClick = [this] { mnuExit_Click(); };
  mnuOpen1.OnClick = [this] { mnuOpen1_Click(); };
  // Closing the main window ends the program, as "ＥＮＤ" does: the analysis window cannot be closed
  // on its own.
  OnUserClose = [this] { Command5_Click(); };
}

// Top bar of the 13000 x 9475 frame, which sits centred across and 200 twips above the middle.
void frmAg0::Form_Load() {
  SetHeight(1250);
  SetWidth(13000);
  SetTop((app_.screen.Height() - 9475) / 2 - 200);
  SetLeft((app_.screen.Width() - 13000) / 2);
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

// The tick is used up by one print; the user ticks again to print again.
void frmAg0::Command4_Click() {
  Command4.SetEnabled(false);
  Check1.SetValue(ui::kUnchecked);
  if (print_analysis_sheet) print_analysis_sheet();
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
