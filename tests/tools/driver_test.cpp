#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <sstream>

#include "intake/race_card_tables.h"
#include "program/program.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_windows.h"
#include "tools/driver/script_driver.h"

namespace driver {
namespace {

using testwin::frmTestMain;

struct Result {
  int code;
  std::string out, err;
};

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = testwin::MakeApp();
    testwin::Start(*app_);
    testwin::Events().clear();
  }
  Result Run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    int code = RunScript(*app_, in, out, err);
    return {code, out.str(), err.str()};
  }
  // The lines of out that start with prefix.
  static std::string Lines(const std::string& out, const std::string& prefix) {
    std::istringstream in(out);
    std::string line, picked;
    while (std::getline(in, line))
      if (line.rfind(prefix, 0) == 0) picked += line + "\n";
    return picked;
  }
  std::unique_ptr<shell::App> app_;
};

TEST(DriverFormat, ValuesPrintAsJsonNumbersBooleansAndColours) {
  EXPECT_EQ(JsonString(u"a\"b\\c\n\t\x01"), "\"a\\\"b\\\\c\\n\\t\\u0001\"");
  EXPECT_EQ(JsonString(u"開 催　情報"), "\"開 催　情報\"");
  EXPECT_EQ(PlainNumber(2072.5), "2072.5");
  EXPECT_EQ(PlainNumber(-0.0), "0");
  EXPECT_EQ(PlainNumber(-15), "-15");
  EXPECT_EQ(PlainNumber(28800), "28800");
  EXPECT_EQ(PlainNumber(1e21), "1000000000000000000000");
  EXPECT_EQ(PlainNumber(0.1), "0.1");
  EXPECT_EQ(ColorText(0xFF0000), "&H00FF0000");
  EXPECT_EQ(ColorText(0x8000000F), "&H8000000F");
  EXPECT_EQ(ValueText(ui::PropertyValue(true)), "true");
}

// Output stays valid UTF-8: a pair is one character, a surrogate alone is named by its code.
TEST(DriverFormat, SurrogatesPrintAsPairsOrAsEscapes) {
  EXPECT_EQ(JsonString(u"\U0001F40E馬"), "\"\U0001F40E馬\"");
  EXPECT_EQ(JsonString(u"a\xD800"
                       u"b"),
            "\"a\\ud800b\"");
  EXPECT_EQ(JsonString(std::u16string{u'\xDC00', u'\xD83D'}), "\"\\udc00\\ud83d\"");
  EXPECT_EQ(JsonString(std::u16string{u'\xDC00', u'\xDC00'}), "\"\\udc00\\udc00\"");  // low, low: no pair
  EXPECT_EQ(JsonString(u"\xD83D\""), "\"\\ud83d\\\"\"");
}

TEST_F(DriverTest, DumpOfAControlPrintsOneFactPerLine) {
  auto& w = app_->Form<frmTestMain>();
  w.Check2.SetValue(ui::kChecked);
  w.Check2.SetForeColor(0xFF0000);
  Result r = Run("dump frmTestMain.Check2\ndump frmTestMain.Option1\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Lines(r.out, "frmTestMain.Check2.Caption"), "frmTestMain.Check2.Caption\t\"\"\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.Check2.Value"), "frmTestMain.Check2.Value\t1\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.Check2.ForeColor"), "frmTestMain.Check2.ForeColor\t&H00FF0000\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.Check2.Left"), "frmTestMain.Check2.Left\t100\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.Check2.Enabled"), "frmTestMain.Check2.Enabled\ttrue\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.Check2.Container"), "frmTestMain.Check2.Container\t\"Frame1\"\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.Option1.Value"), "frmTestMain.Option1.Value\tfalse\n");
}

TEST_F(DriverTest, GridDumpPrintsShapeWidthsAndEveryCell) {
  auto& g = app_->Form<frmTestMain>().MSFlexGrid1;
  g.SetColWidth(0, 400);
  g.SetRow(2);
  g.SetCol(1);
  g.SetCellBackColor(0xFF00);
  g.SetText(u"名");
  Result r = Run("dump frmTestMain.MSFlexGrid1");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Lines(r.out, "frmTestMain.MSFlexGrid1.Rows"), "frmTestMain.MSFlexGrid1.Rows\t3\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.MSFlexGrid1.Row\t"), "frmTestMain.MSFlexGrid1.Row\t2\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.MSFlexGrid1.ColWidth"),
            "frmTestMain.MSFlexGrid1.ColWidth(0)\t400\nfrmTestMain.MSFlexGrid1.ColWidth(1)\t960\n"
            "frmTestMain.MSFlexGrid1.ColWidth(2)\t960\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.MSFlexGrid1[2,1]."),
            "frmTestMain.MSFlexGrid1[2,1].Text\t\"名\"\nfrmTestMain.MSFlexGrid1[2,1].BackColor\t&H0000FF00\n"
            "frmTestMain.MSFlexGrid1[2,1].ForeColor\t&H80000008\nfrmTestMain.MSFlexGrid1[2,1].Alignment\t9\n"
            "frmTestMain.MSFlexGrid1[2,1].FontSize\t9\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.MSFlexGrid1[0,1].Text"), "frmTestMain.MSFlexGrid1[0,1].Text\t\"頭\"\n");
}

TEST_F(DriverTest, UserCommandsActAsAUserWould) {
  Result r =
      Run("# comment and blank lines are skipped\n"
          "\n"
          "click frmTestMain.Check1\n"
          "click frmTestMain.Option3\n"
          "click frmTestMain.Option3\n"
          "click frmTestMain.mnuOpen\n"
          "select frmTestMain.Combo1 1\n"
          "type frmTestMain.Text1 two words\n"
          "type frmTestMain.Combo1 \"  padded \\u3000\"\n"
          "mousedown frmTestMain.MSFlexGrid1 1400 230.5 2 1\n"
          "mousedown frmTestMain.MSFlexGrid1 10 20\n"
          "tick frmTestMain.Timer1 3\n");
  ASSERT_EQ(r.code, 0) << r.err;
  auto& w = app_->Form<frmTestMain>();
  EXPECT_EQ(w.Text1.Text(), u"two words");
  EXPECT_EQ(w.Combo1.Text(), u"  padded \u3000");
  EXPECT_EQ(w.mouse, (std::vector<std::string>{"2 1 1400.000000 230.500000", "1 0 10.000000 20.000000"}));
  EXPECT_EQ(testwin::Events(), (std::vector<std::string>{"Check1_Click 1", "Option3_Click", "mnuOpen_Click",
                                                         "Combo1_Click", "Text1_Change", "Combo1_Change",
                                                         "MSFlexGrid1_MouseDown", "MSFlexGrid1_MouseDown",
                                                         "Timer1_Timer", "Timer1_Timer", "Timer1_Timer"}));
  EXPECT_EQ(r.err, "");
}

TEST_F(DriverTest, ActionsOnDisabledControlsOrWindowsNotShownDoNothing) {
  auto& w = app_->Form<frmTestMain>();
  w.Command1.SetEnabled(false);
  w.Timer1.SetInterval(0);
  testwin::Events().clear();
  Result r =
      Run("click frmTestMain.Command1\n"
          "tick frmTestMain.Timer1 2\n"
          "click frmTestSecond.Command1\n"  // not loaded: nothing, and it stays unloaded
          "dump forms\n");
  ASSERT_EQ(r.code, 0) << r.err;
  // Only the look at the unloaded window's design (built and dropped to check the control's name).
  EXPECT_EQ(testwin::Events(), (std::vector<std::string>{"frmTestSecond destroyed"}));
  EXPECT_EQ(r.out, "forms.Count\t1\nforms[1].Name\t\"frmTestMain\"\nforms[1].Visible\ttrue\n");
}

// An action the program ignores is told on standard error, one line each, and the script goes on.
TEST(DriverIgnoredActions, EachIgnoredActionIsToldWithWhatBlocksIt) {
  struct Case {
    const char* line;
    std::function<void(frmTestMain&)> block;
    const char* why;
  };
  const Case cases[] = {
      {"click frmTestMain.Command1", [](frmTestMain& w) { w.Command1.SetEnabled(false); },
       "Command1 is disabled"},
      {"click frmTestMain.Check2", [](frmTestMain& w) { w.Frame1.SetVisible(false); }, "Frame1 is hidden"},
      {"click frmTestMain.Command2", [](frmTestMain& w) { w.Command2.SetLeft(1e6); },
       "Command2 is out of view"},
      {"click frmTestMain.mnuOpen", [](frmTestMain& w) { w.mnuFile.SetEnabled(false); },
       "mnuFile is disabled"},
      {"select frmTestMain.Combo1 1", [](frmTestMain& w) { w.Hide(); }, "frmTestMain is hidden"},
      {"type frmTestMain.Text1 two words", [](frmTestMain& w) { w.SetEnabled(false); },
       "frmTestMain is disabled"},
      {"mousedown frmTestMain.MSFlexGrid1 10 20", [](frmTestMain& w) { w.MSFlexGrid1.SetEnabled(false); },
       "MSFlexGrid1 is disabled"},
      {"folder /", [](frmTestMain& w) { w.Dir1.SetEnabled(false); }, "Dir1 is disabled"},
      {"click frmTestSecond.Command1", [](frmTestMain&) {}, "frmTestSecond is not loaded"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<shell::App> app = testwin::MakeApp();
    testwin::Start(*app);
    auto& w = app->Form<frmTestMain>();
    c.block(w);
    const model::Text text_before = w.Text1.Text();
    const std::filesystem::path folder_before = w.Dir1.Path();
    testwin::Events().clear();
    std::istringstream in(std::string(c.line) + "\n# then the script goes on\ndump frmTestMain.Check1\n");
    std::ostringstream out, err;
    EXPECT_EQ(RunScript(*app, in, out, err), 0) << c.line;
    EXPECT_EQ(err.str(), "line 1: ignored, " + std::string(c.why) + ": " + c.line + "\n");
    EXPECT_NE(out.str().find("frmTestMain.Check1.Value"), std::string::npos) << c.line;
    for (const std::string& event : testwin::Events()) EXPECT_EQ(event, "frmTestSecond destroyed") << c.line;
    EXPECT_EQ(w.Text1.Text(), text_before) << c.line;
    EXPECT_EQ(w.Dir1.Path(), folder_before) << c.line;
    EXPECT_TRUE(w.mouse.empty()) << c.line;
  }
}

TEST_F(DriverTest, DumpOfAWindowThatIsNotLoadedDoesNotLoadIt) {
  Result r = Run("dump frmTestSecond\ndump frmTestSecond.Command1\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "frmTestSecond.Loaded\tfalse\nfrmTestSecond.Loaded\tfalse\n");
  EXPECT_FALSE(app_->IsLoaded<testwin::frmTestSecond>());
}

TEST_F(DriverTest, WindowDumpStartsWithTheWindowsOwnStateThenEveryControl) {
  auto& w = app_->Form<frmTestMain>();
  w.SetTop(2072.5);
  w.Line(1000, 900, 9200, 900, ui::Rgb(0, 0, 255));
  Result r = Run("dump frmTestMain");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(
      r.out.substr(0, r.out.find("frmTestMain.Enabled")),
      "frmTestMain.Loaded\ttrue\nfrmTestMain.Visible\ttrue\nfrmTestMain.Caption\t\"テスト　主窓\"\n"
      "frmTestMain.Left\t0\nfrmTestMain.Top\t2072.5\nfrmTestMain.Width\t9000\nfrmTestMain.Height\t6000\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.Ops") + Lines(r.out, "frmTestMain.Op["),
            "frmTestMain.Ops\t1\nfrmTestMain.Op[1].Kind\t\"line\"\nfrmTestMain.Op[1].X1\t1000\n"
            "frmTestMain.Op[1].Y1\t900\nfrmTestMain.Op[1].X2\t9200\nfrmTestMain.Op[1].Y2\t900\n"
            "frmTestMain.Op[1].Color\t&H00FF0000\nfrmTestMain.Op[1].Width\t1\nfrmTestMain.Op[1]."
            "Style\t\"solid\"\n");
  EXPECT_NE(r.out.find("frmTestMain.mnuExit.Shortcut\t\"Ctrl+X\"\n"), std::string::npos);
  EXPECT_NE(r.out.find("frmTestMain.Combo1.List(1)\t\" 稍重 \"\n"), std::string::npos);
  EXPECT_NE(r.out.find("frmTestMain.Timer1.Interval\t400\n"), std::string::npos);
}

TEST_F(DriverTest, DumpTablePrintsEveryCellFirstIndexSlowest) {
  app_->meeting.Group<intake::RaceCardTables>().HorseName(1, 3) = u"サクラ\"";
  Result r = Run("dump table HorseName\ndump table RaceDate");
  ASSERT_EQ(r.code, 0) << r.err;
  std::string horse = Lines(r.out, "HorseName[");
  EXPECT_EQ(std::count(horse.begin(), horse.end(), '\n'), 12 * 28);
  EXPECT_EQ(horse.substr(0, horse.find("HorseName[1,4]")),
            "HorseName[1,1]\t\"\"\nHorseName[1,2]\t\"\"\nHorseName[1,3]\t\"サクラ\\\"\"\n");
  EXPECT_NE(r.out.find("HorseName[2,1]\t\"\"\n"), std::string::npos);
  EXPECT_EQ(Lines(r.out, "RaceDate[12]"), "RaceDate[12]\t\"\"\n");
}

TEST_F(DriverTest, MessagesAreAnsweredAsScriptedAndListed) {
  Result r = Run("answer cancel\n");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(app_->MsgBox(u"ドライブ\n読めません", ui::kRetryCancel + ui::kInformation), ui::kCancel);
  EXPECT_EQ(app_->MsgBox(u"２５００ｍ以上の解析は出来ません。！！"), ui::kOk);
  r = Run("dump messages");
  EXPECT_EQ(r.out,
            "messages.Count\t2\n"
            "messages[1].Text\t\"ドライブ\\n読めません\"\nmessages[1].Style\t69\nmessages[1]."
            "Buttons\t\"retrycancel\"\n"
            "messages[1].Icon\t\"information\"\nmessages[1].Title\t\"\"\nmessages[1].Answer\t\"cancel\"\n"
            "messages[2].Text\t\"２５００ｍ以上の解析は出来ません。！！\"\nmessages[2].Style\t0\n"
            "messages[2].Buttons\t\"ok\"\nmessages[2].Icon\t\"none\"\nmessages[2].Title\t\"\"\n"
            "messages[2].Answer\t\"ok\"\n");
}

TEST_F(DriverTest, PrintedDocumentsAreListed) {
  ui::Printer& p = app_->printer;
  p.SetScaleMode(ui::kScaleMillimeters);
  p.SetPaperSize(ui::kPaperB4);
  p.SetOrientation(ui::kLandscape);
  p.SetFontSize(9);
  p.SetCurrentX(27.5);
  p.SetCurrentY(10);
  p.Print(u"…");
  p.Line(20, 30, 270, 30);
  p.EndDoc();
  Result r = Run("dump printed");
  EXPECT_EQ(r.out,
            "printed.Count\t1\nprinted[1].ScaleMode\t6\nprinted[1].PaperSize\t12\nprinted[1].Orientation\t2\n"
            "printed[1].FontSize\t9\nprinted[1].Settings\t4\nprinted[1].Setting[1].Kind\t\"ScaleMode\"\n"
            "printed[1].Setting[1].Value\t6\nprinted[1].Setting[2].Kind\t\"PaperSize\"\nprinted[1].Setting[2]"
            ".Value\t12\n"
            "printed[1].Setting[3].Kind\t\"Orientation\"\nprinted[1].Setting[3].Value\t2\n"
            "printed[1].Setting[4].Kind\t\"FontSize\"\nprinted[1].Setting[4].Value\t9\n"
            "printed[1].Ops\t2\nprinted[1].Op[1].Kind\t\"text\"\nprinted[1].Op[1].X\t27.5\n"
            "printed[1].Op[1].Y\t10\nprinted[1].Op[1].Text\t\"…\"\nprinted[1].Op[2].Kind\t\"line\"\n"
            "printed[1].Op[2].X1\t20\nprinted[1].Op[2].Y1\t30\nprinted[1].Op[2].X2\t270\nprinted[1].Op[2]."
            "Y2\t30\n");
}

TEST_F(DriverTest, FolderPicksInTheLoadedFolderList) {
  namespace fs = std::filesystem;
  testsupport::ScopedTempDir temp;
  fs::path dir = temp.Path();
  fs::create_directories(dir / "with space");
  Result r = Run("folder " + (dir / "with space").string() + "\ndump frmTestMain.Label1");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Lines(r.out, "frmTestMain.Label1.Caption"),
            "frmTestMain.Label1.Caption\t\"" + (dir / "with space").string() + "\"\n");
  r = Run("folder " + (dir / "missing").string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("line 1: not a folder"), std::string::npos) << r.err;
}

// Unquoted, the path is the line's bytes, so a folder named in CP932 can be named; quoted, it is text.
TEST_F(DriverTest, FolderTakesTheLinesBytesOrAQuotedText) {
  namespace fs = std::filesystem;
  testsupport::ScopedTempDir temp;
  const fs::path japan = temp.Path() / "\x93\xfa\x96\x7b";
  fs::create_directories(japan);
  fs::create_directories(temp.Path() / "競馬");
  Result r = Run("folder " + japan.string() + "\ndump frmTestMain.Dir1");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Lines(r.out, "frmTestMain.Dir1.Path"),
            "frmTestMain.Dir1.Path\t\"" + temp.Path().string() + "/\uFFFD\uFFFD\uFFFD{\"\n");
  r = Run("folder \"" + temp.Path().string() + "/\\u7af6\\u99ac\"\ndump frmTestMain.Dir1");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Lines(r.out, "frmTestMain.Dir1.Path"),
            "frmTestMain.Dir1.Path\t\"" + temp.Path().string() + "/競馬\"\n");
}

TEST_F(DriverTest, SelectChoosesInEveryKindOfList) {
  namespace fs = std::filesystem;
  testsupport::ScopedTempDir temp;
  fs::path dir = temp.Path();
  fs::create_directories(dir / "meet");
  std::ofstream(dir / "meet" / "a.kd2") << "x";
  std::ofstream(dir / "meet" / "b.kd2") << "x";
  Result r = Run("folder " + dir.string() + "\nselect frmTestMain.Dir1 0\nselect frmTestMain.File1 1\n" +
                 "select frmTestMain.Drive1 0\nselect frmTestMain.Combo1 1\n" +
                 "dump frmTestMain.File1\ndump frmTestMain.Combo1\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Lines(r.out, "frmTestMain.File1.Path"),
            "frmTestMain.File1.Path\t\"" + (dir / "meet").string() + "\"\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.File1.ListIndex"), "frmTestMain.File1.ListIndex\t1\n");
  EXPECT_EQ(Lines(r.out, "frmTestMain.Combo1.ListIndex"), "frmTestMain.Combo1.ListIndex\t1\n");
}

TEST_F(DriverTest, TheFirstLineThatCannotBeCarriedOutStopsTheScript) {
  struct Case {
    std::string line, message;
  };
  const Case cases[] = {
      {"frobnicate x", "unknown command \"frobnicate\""},
      {"click frmNowhere.Command1", "unknown window \"frmNowhere\""},
      {"click frmTestMain.Command9", "unknown control \"Command9\" on frmTestMain"},
      {"click frmTestSecond.Command9", "unknown control \"Command9\" on frmTestSecond"},
      {"click frmTestMain.Text1", "cannot click Text1 (a TextBox)"},
      {"select frmTestMain.Combo1 2", "Combo1 has no entry 2 (it has 2)"},
      {"select frmTestMain.Combo1 x", "bad INDEX \"x\""},
      {"mousedown frmTestMain.Label1 1 1", "cannot press the mouse on Label1 (a Label)"},
      {"tick frmTestMain.Command1", "cannot tick Command1 (a CommandButton)"},
      {"select frmTestMain.Label1 0", "cannot select in Label1 (a Label)"},
      {"type frmTestMain.Check1 x", "cannot type into Check1 (a CheckBox)"},
      {"answer maybe", "unknown answer \"maybe\""},
      {"dump table NoSuchTable", "unknown table \"NoSuchTable\""},
      {"dump frmNowhere", "unknown window \"frmNowhere\""},
      {"shot frmTestMain out.png", "shot needs the desktop frontend"},
      {"printto out.pdf", "printto needs the desktop frontend"},
      {"click frmTestMain.Command1 frmTestMain.Command2", "too many arguments: \"frmTestMain.Command2\""},
      {"answer ok cancel", "too many arguments"},
      {"dump forms frmTestMain", "too many arguments"},
      {"dump table RaceDate HorseName", "too many arguments"},
      {"dump frmTestMain.Label1 Caption", "too many arguments"},
  };
  for (const Case& c : cases) {
    Result r = Run("dump forms\n\n" + c.line + "\ndump forms\n");
    EXPECT_EQ(r.code, 1) << c.line;
    EXPECT_EQ(r.err.rfind("line 3: " + c.message, 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.line), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3) << c.line;  // the first dump only
  }
}

TEST_F(DriverTest, AQueuedAnswerTheBoxDoesNotOfferFailsTheLineThatShowedIt) {
  app_->Form<frmTestMain>().Command3.OnClick = [this] { app_->MsgBox(u"x", ui::kOkOnly); };
  Result r = Run("answer retry\nclick frmTestMain.Command3\n");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err.rfind("line 2: the message box has no button \"retry\"", 0), 0u) << r.err;
}

TEST_F(DriverTest, TimingWritesOneLineOfMicrosecondsPerLineCarriedOut) {
  const std::string script =
      "# a comment\ndump frmTestMain.Check2\n\n  click frmTestMain.Command3  \nbogus\n";
  std::istringstream plain_in(script), timed_in(script);
  std::ostringstream plain_out, plain_err, timed_out, timed_err;
  EXPECT_EQ(RunScript(*app_, plain_in, plain_out, plain_err), 1);
  EXPECT_EQ(RunScript(*app_, timed_in, timed_out, timed_err, {}, {.timing = true}), 1);
  EXPECT_EQ(timed_out.str(), plain_out.str());
  // Comments and blank lines take no time line; the failing line gets only its error.
  const std::regex expected(
      "line 2: [0-9]+ us: dump frmTestMain\\.Check2\n"
      "line 4: [0-9]+ us: click frmTestMain\\.Command3\n" +
      std::regex_replace(plain_err.str(), std::regex("[.]"), "\\."));
  EXPECT_TRUE(std::regex_match(timed_err.str(), expected)) << timed_err.str();
}

TEST(TarveloScript, RunsTheProgramFromAScriptOnStandardInput) {
  std::string cmd = std::string("printf 'dump forms\\n' | ") + TARVELO_BINARY_DIR +
                    "/tarvelo-script --screen 1024x768 - 2>&1";
  FILE* pipe = popen(cmd.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  EXPECT_EQ(pclose(pipe), 0) << out;
  EXPECT_EQ(out.rfind("forms.Count\t", 0), 0u) << out;
  EXPECT_NE(out.find("forms[1].Name\t\"frmAg0\"\n"), std::string::npos) << out;
}

TEST(TarveloScript, TimingGoesToStandardErrorAndLeavesTheFactsAlone) {
  testsupport::ScopedTempDir temp;
  const std::string err_file = (temp.Path() / "err.txt").string();
  std::string cmd = std::string("printf '# start\\ndump forms\\n' | ") + TARVELO_BINARY_DIR +
                    "/tarvelo-script --timing - 2>" + err_file;
  FILE* pipe = popen(cmd.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  EXPECT_EQ(pclose(pipe), 0) << out;
  EXPECT_EQ(out.rfind("forms.Count\t", 0), 0u) << out;
  std::ifstream err_in(err_file);
  const std::string err{std::istreambuf_iterator<char>(err_in), std::istreambuf_iterator<char>()};
  EXPECT_TRUE(std::regex_match(err, std::regex("line 2: [0-9]+ us: dump forms\n"))) << err;
}

std::string Output(const std::string& cmd, int& status) {
  FILE* pipe = popen(cmd.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  status = pclose(pipe);
  return out;
}

// --help names every command and option, and each example it gives is a line the driver takes.
TEST(TarveloScript, HelpListsEveryCommandWithExamplesTheDriverTakes) {
  int status = -1;
  const std::string help = Output(std::string(TARVELO_BINARY_DIR) + "/tarvelo-script --help 2>&1", status);
  EXPECT_EQ(status, 0) << help;
  for (const char* word : {"click ", "folder ", "mousedown ", "select ", "type ", "tick ", "answer ",
                           "dump FORM", "dump FORM.CONTROL", "dump table ", "dump forms", "dump messages",
                           "dump printed", "shot ", "printto ", "--screen ", "--timing", "--help"})
    EXPECT_NE(help.find("\n  " + std::string(word)), std::string::npos) << word;
  std::istringstream lines(help);
  std::string line;
  int examples = 0;
  while (std::getline(lines, line)) {
    if (line.rfind(std::string(39, ' '), 0) != 0) continue;
    ++examples;
    program::Program app;
    app.Start();
    std::istringstream script(line);
    std::ostringstream out, err;
    RunScript(app, script, out, err);
    // Lines that run into the state of this program are fine; lines the driver cannot read are not.
    for (const char* refusal : {"unknown command", "unknown answer", "too many arguments", "bad ",
                                "expected FORM", "needs a PATH", "needs FORM", "needs FILE"})
      EXPECT_EQ(err.str().find(refusal), std::string::npos) << err.str();
  }
  EXPECT_GE(examples, 12);
  const std::string usage = Output(std::string(TARVELO_BINARY_DIR) + "/tarvelo-script 2>&1", status);
  EXPECT_NE(status, 0);
  EXPECT_NE(usage.find("--help"), std::string::npos) << usage;
}

}  // namespace
}  // namespace driver
