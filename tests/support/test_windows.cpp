#include "tests/support/test_windows.h"

#include "program/program.h"

namespace testwin {

Log& Events() {
  static Log log;
  return log;
}

frmTestMain::frmTestMain(shell::App& app) : ui::Form(app, "frmTestMain"), app_(app) {
  SetCaption(u"テスト　主窓");
  Move(0, 0, 9000, 6000);
  mnuFile.SetCaption(u"ファイル(&F)");
  mnuOpen.SetCaption(u"開く");
  mnuDummy.SetCaption(u"-");
  mnuExit.SetCaption(u"終了(&X)");
  mnuExit.SetShortcut("Ctrl+X");
  mnuPrint.SetCaption(u"印刷(&P)");
  Frame1.Move(100, 100, 3000, 2000);
  Option1.Move(100, 200, 1000, 200);
  Option2.Move(100, 500, 1000, 200);
  Check2.Move(100, 800, 1000, 200);
  Command3.Move(100, 1100, 1000, 300);
  Option3.Move(3500, 200, 1000, 200);
  Option4.Move(3500, 500, 1000, 200);
  Check1.Move(3500, 800, 200, 200);
  Command1.Move(3500, 1100, 1000, 300);
  Command1.SetCaption(u"開く");
  Command2.Move(4600, 1100, 1000, 300);
  Command2.SetCaption(u"ＥＮＤ");
  Label1.Move(3500, 1500, 2000, 200);
  Text1.Move(3500, 1800, 2000, 300);
  Combo1.Move(3500, 2200, 2000, 300);
  MSFlexGrid1.Move(100, 2600, 4000, 2000);
  Picture1.Move(4200, 2600, 2000, 1000);
  Shape1.Move(6300, 100, 500, 500);
  Line1.SetPoints(6300, 700, 8000, 700);
  Drive1.Move(6300, 900, 2000, 300);
  Dir1.Move(6300, 1300, 2000, 1000);
  File1.Move(6300, 2400, 2000, 1000);

  mnuOpen.OnClick = [this] { Log("mnuOpen_Click"); };
  mnuExit.OnClick = [this] { Log("mnuExit_Click"); };
  Option1.OnClick = [this] { Log("Option1_Click"); };
  Option2.OnClick = [this] { Log("Option2_Click"); };
  Option3.OnClick = [this] { Log("Option3_Click"); };
  Option4.OnClick = [this] { Log("Option4_Click"); };
  Check1.OnClick = [this] { Log("Check1_Click " + std::to_string(Check1.Value())); };
  Check2.OnClick = [this] { Log("Check2_Click"); };
  Command1.OnClick = [this] {
    Log("Command1_Click");
    app_.Show<frmTestSecond>(this);
  };
  Command2.OnClick = [this] {
    Log("Command2_Click");
    app_.UnloadAll();
  };
  Command3.OnClick = [this] { Log("Command3_Click"); };
  Text1.OnChange = [this] { Log("Text1_Change"); };
  Combo1.OnClick = [this] { Log("Combo1_Click"); };
  Combo1.OnChange = [this] { Log("Combo1_Change"); };
  Timer1.OnTimer = [this] { Log("Timer1_Timer"); };
  MSFlexGrid1.OnMouseDown = [this](int button, int shift, double x, double y) {
    mouse.push_back(std::to_string(button) + " " + std::to_string(shift) + " " + std::to_string(x) + " " +
                    std::to_string(y));
    Log("MSFlexGrid1_MouseDown");
  };
  Drive1.OnChange = [this] { Log("Drive1_Change"); };
  Dir1.OnClick = [this] {
    Log("Dir1_Click");
    Dir1.SetPath(Dir1.ClickedEntry());
  };
  Dir1.OnChange = [this] {
    Log("Dir1_Change");
    File1.SetPath(Dir1.Path());
    Label1.SetCaption(ui::DisplayPath(Dir1.Path()));
  };
}

frmTestMain::~frmTestMain() {
  Log("frmTestMain destroyed");
}

void frmTestMain::Log(const std::string& what) {
  Events().push_back(what);
}

void frmTestMain::Form_Load() {
  ++loads;
  Log("frmTestMain.Form_Load");
  File1.SetPattern(u"*.kd2");
  Combo1.AddItem(u"  良  ");
  Combo1.AddItem(u" 稍重 ");
  MSFlexGrid1.SetRows(3);
  MSFlexGrid1.SetCols(3);
  MSFlexGrid1.SetTextMatrix(0, 1, u"頭");
  Timer1.SetInterval(400);
}

frmTestSecond::frmTestSecond(shell::App& app) : ui::Form(app, "frmTestSecond"), app_(app) {
  SetCaption(u"second");
  Move(1000, 1000, 5000, 4000);
  Command1.Move(100, 100, 1000, 300);
  Text1.SetVisible(false);
  Command1.OnClick = [this] {
    Events().push_back("frmTestSecond.Command1_Click");
    Unload();
    // Still alive until this handler returns, as on the platform.
    Command1.SetCaption(u"after unload");
    Events().push_back("frmTestSecond.Command1_Click end " + model::ToUtf8(Command1.Caption()));
  };
  Timer1.OnTimer = [this] {
    Text1.SetText(Text1.Text() == u"1" ? u"2" : u"1");
    Events().push_back("frmTestSecond.Timer1_Timer " + model::ToUtf8(Text1.Text()));
    if (Text1.Text() == u"2") {
      Unload();
      app_.Form<frmTestMain>().Label1.SetCaption(u"handed over");
    }
  };
}

frmTestSecond::~frmTestSecond() {
  Events().push_back("frmTestSecond destroyed");
}

void frmTestSecond::Form_Load() {
  Events().push_back("frmTestSecond.Form_Load");
  Timer1.SetInterval(400);
}

std::unique_ptr<shell::App> MakeApp() {
  Events().clear();
  auto app = std::make_unique<program::Program>();
  app->RegisterForm<frmTestMain>("frmTestMain");
  app->RegisterForm<frmTestSecond>("frmTestSecond");
  return app;
}

void Start(shell::App& app) {
  app.Start("frmTestMain");
}

}  // namespace testwin
