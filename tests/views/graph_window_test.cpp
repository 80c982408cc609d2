// The graph window: its empty frames, kept as bitmap files and restored by every press on the
// analysis window's runner grid, and a runner's plot on them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"
#include "ui/bitmap_file.h"
#include "ui/file_lists.h"
#include "ui/palette.h"
#include "views/frm_ag14.h"
#include "views/frm_ag8.h"
#include "views/graph_frame_files.h"
#include "views/runner_graph.h"
#include "views/stage_handlers.h"

namespace views {
namespace {

using model::Text;
namespace fs = std::filesystem;

// One operation in a line: "text 5600,860 ▲ #0000FF" (colours as &HBBGGRR), "line 1200,1600
// 6600,1600 #00FF00 w1 solid", "box ...".
std::string Describe(const ui::DrawOp& op) {
  auto number = [](double v) { return std::to_string(static_cast<long long>(std::llround(v))); };
  char colour[16];
  std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(op.color));
  std::string at = number(op.x1) + "," + number(op.y1);
  if (op.kind == ui::DrawOpKind::kText) return "text " + at + " " + model::ToUtf8(op.text) + " " + colour;
  return std::string(ui::DrawOpKindName(op.kind)) + " " + at + " " + number(op.x2) + "," + number(op.y2) +
         " " + colour + " w" + std::to_string(op.width) + " " + ui::DrawStyleName(op.style);
}

std::vector<std::string> Describe(const std::vector<ui::DrawOp>& ops) {
  std::vector<std::string> out;
  for (const ui::DrawOp& op : ops) out.push_back(Describe(op));
  return out;
}

using testsupport::ScopedEnv;

// Press points: the middle of a runner's name cell, and of a value cell.
constexpr double kNameX = 800;
double RowY(int row) {
  return row * 230 + 115;
}

TEST(RunnerGridBands, CellUnderThePointer) {
  struct Case {
    double x, y;
    std::optional<GridCell> cell;
  };
  const double nan = std::nan("");
  const Case cases[] = {
      {1, 460, GridCell{2, 0}},     {1574.9, 459.9, GridCell{1, 0}}, {1575, 460, GridCell{2, 1}},
      {2124, 0, GridCell{0, 1}},    {2125, 0, GridCell{0, 2}},       {2425, 229, GridCell{0, 3}},
      {2474, 230, GridCell{1, 3}},  {3025, 800, GridCell{3, 5}},     {3374, 800, GridCell{3, 6}},
      {5949, 800, GridCell{3, 13}}, {6849, 800, GridCell{3, 16}},    {7399, 800, GridCell{3, 18}},
      {8124, 800, GridCell{3, 20}}, {8125, 800, GridCell{3, 21}},    {8674, 4599, GridCell{19, 21}},
      {100, -1, GridCell{0, 0}},    {3500, -5000, GridCell{0, 7}},  // above the grid is row 0
      {0, 800, std::nullopt},       {-3, 800, std::nullopt},         {8675, 800, std::nullopt},
      {9000, 800, std::nullopt},    {100, 4600, std::nullopt},       {100, 9999, std::nullopt},
      {nan, 800, std::nullopt},     {100, nan, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunnerGridCellAt(c.x, c.y), c.cell) << c.x << "," << c.y;
  }
}

// Race 3 with runner 2 set up run by run; runner 4 holds a race card but was never analysed.
class GraphWindow : public ::testing::Test {
 protected:
  static constexpr int kRace = 3;

  GraphWindow() {
    app_.SetProgramFolder(ui::DisplayPath(folder_.Path()));
    auto& card = app_.meeting.Group<intake::RaceCardTables>();
    card.RaceEstTimeLabel(kRace) = u"1.12.5";
    card.RaceSurfaceCode(kRace) = u"1";
    card.HorseName(kRace, 2) = u"ABCDEFGHIJKL";
    card.SexLabel(kRace, 2) = u"牝";
    card.AgeLabel(kRace, 2) = u"4才";
    card.HorseName(kRace, 4) = u"Debut";
    auto& runs = app_.meeting.Group<intake::PastRunTables>();
    runs.SireName(kRace, 2) = u"SIRE" + Text(30, u' ');
    runs.DamName(kRace, 2) = u"DAMNAMELONGER";
    auto& basic = app_.meeting.Group<basic::BasicAnalysisTables>();
    basic.TodayTurfStdTime() = u"70.5";
    basic.TodayDirtStdTime() = u"99";
    auto& days = app_.meeting.Group<basic::PastRunViewTables>().RunDaysAgo;
    struct Run {
      const char16_t *days, *turf, *dirt, *margin, *position;
    };
    const Run run[] = {
        {u"30", u" -12", u"---", u"0.5", u"03"},  // turf, in every frame
        {u"180", u"---", u" 70", u"3.0", u"20"},  // dirt, on every limit
        {u"181", u" 5", u"---", u"0.1", u"01"},   // too far back
        {u"", u" 10", u"---", u"0.1", u"01"},     // no date
        {u"90", u"", u" 71", u"3.1", u"なし"},    // dirt, beyond the value and margin limits
    };
    for (int b = 1; b <= 5; ++b) {
      const Run& r = run[b - 1];
      days[b](kRace, 2) = r.days;
      basic.RunTurfEval[b](2) = r.turf;
      basic.RunDirtEval[b](2) = r.dirt;
      runs.RunMarginText[b](kRace, 2) = r.margin;
      runs.RunPositionText[b](kRace, 2) = r.position;
      days[b](kRace, 4) = u"30";  // dated, but neither evaluation was written
      runs.RunMarginText[b](kRace, 4) = u"0.2";
      runs.RunPositionText[b](kRace, 4) = u"02";
    }
  }

  void Confirm() { analysis::SetAnalysedRace(app_.meeting, kRace); }
  void Press(double x, double y) { Grid().UserMouseDown(1, 0, x, y); }
  ui::FlexGrid& Grid() { return window_.MSFlexGrid2; }
  frmAg14& Graph() { return app_.Form<frmAg14>(); }

  testsupport::ScopedTempDir folder_;
  program::Program app_;
  analysis::frmAg3& window_ = app_.Show<analysis::frmAg3>();
};

TEST_F(GraphWindow, LoadsWithBothEmptyFrames) {
  frmAg14& g = Graph();
  EXPECT_EQ(g.Caption(), u"  <  グラフ表示  >");
  EXPECT_EQ(g.Width(), 7275);
  EXPECT_EQ(g.Height(), 6615);
  EXPECT_EQ(g.Left(), (app_.screen.Width() - 13000) / 2 + 5650);
  EXPECT_EQ(g.Top(), (app_.screen.Height() - 9475) / 2 + 1250 - 200 + 1475);
  for (ui::PictureBox* p : {&g.Picture1, &g.Picture2}) {
    EXPECT_EQ(p->BackColor(), ui::Rgb(255, 224, 192));
    EXPECT_TRUE(p->AutoRedraw());
    EXPECT_EQ(p->DrawStyle(), ui::kDrawDot);
    EXPECT_EQ(p->DrawWidth(), 1);
  }
  EXPECT_EQ(g.Picture1.Left(), 50);
  EXPECT_EQ(g.Picture1.Top(), 150);
  EXPECT_EQ(g.Picture2.Top(), 3250);
  EXPECT_EQ(g.Picture2.Height(), 2900);

  const std::vector<std::string> p1 = Describe(g.Picture1.Drawing().Ops());
  ASSERT_EQ(p1.size(), 1u + 1 + 7 + 11 + 12 + 14);
  EXPECT_EQ(p1[0], "box 900,200 6900,2600 #000000 w2 solid");
  EXPECT_EQ(p1[1], "line 900,1200 6900,1200 #000000 w1 solid");
  EXPECT_EQ(p1[2], "line 1200,200 1200,2600 #000000 w1 solid");
  EXPECT_EQ(p1[8], "line 6600,200 6600,2600 #000000 w1 solid");
  EXPECT_EQ(p1[9], "line 1200,1400 6600,1400 #000000 w1 dotted");
  EXPECT_EQ(p1[15], "line 1200,1200 6600,1200 #000000 w1 dotted");  // over the solid ± 0 line
  EXPECT_EQ(p1[19], "line 1200,400 6600,400 #000000 w1 dotted");
  EXPECT_EQ(p1[20], "line 1500,200 1500,2600 #000000 w1 dotted");
  EXPECT_EQ(p1[31], "line 6300,200 6300,2600 #000000 w1 dotted");
  const std::vector<std::string> p1_texts(p1.begin() + 32, p1.end());
  // Texts are black: nothing set the picture's colour before the frames were drawn.
  EXPECT_EQ(p1_texts,
            (std::vector<std::string>{
                "text 450,100 - 50 #000000", "text 450,1100 ± 0 #000000", "text 450,2100 + 50 #000000",
                "text 450,2500 + 70 #000000", "text 1100,2700 180 #000000", "text 2000,2700 150 #000000",
                "text 2900,2700 120 #000000", "text 3800,2700  90 #000000", "text 4700,2700  60 #000000",
                "text 5600,2700  30 #000000", "text 6500,2700   0 #000000", "text 150,500 評 #000000",
                "text 150,1100 価 #000000", "text 150,1750 値 #000000"}));

  const std::vector<std::string> p2 = Describe(g.Picture2.Drawing().Ops());
  ASSERT_EQ(p2.size(), (1u + 7 + 5 + 12 + 6) + (1 + 7 + 3 + 12 + 5));
  EXPECT_EQ(p2[0], "box 900,100 6900,1300 #000000 w2 solid");
  EXPECT_EQ(p2[1], "line 1200,100 1200,1300 #000000 w1 solid");
  EXPECT_EQ(p2[8], "line 1200,300 6600,300 #000000 w1 dotted");
  EXPECT_EQ(p2[13], "line 1500,100 1500,1300 #000000 w1 dotted");
  EXPECT_EQ(p2[25], "text 450,50   0 #000000");
  EXPECT_EQ(p2[30], "text 150,800 差 #000000");
  EXPECT_EQ(p2[31], "box 900,1500 6900,2700 #000000 w2 solid");
  EXPECT_EQ(p2[32], "line 1200,1500 1200,2700 #000000 w1 solid");
  EXPECT_EQ(p2[39], "line 1200,1800 6600,1800 #000000 w1 dotted");
  EXPECT_EQ(p2[42], "line 1500,1500 1500,2700 #000000 w1 dotted");
  const std::vector<std::string> p2_texts(p2.begin() + 54, p2.end());
  EXPECT_EQ(p2_texts, (std::vector<std::string>{"text 450,1450    1 #000000", "text 450,2000   10 #000000",
                                                "text 450,2600   20 #000000", "text 150,1800 順 #000000",
                                                "text 150,2200 位 #000000"}));
}

TEST_F(GraphWindow, PlotsTheRunnerOnTheRestoredFrames) {
  Confirm();
  Press(kNameX, RowY(3));
  frmAg14& g = Graph();
  EXPECT_FALSE(g.Visible());
  EXPECT_EQ(g.Caption(), u" < グラフ表示 >  ABCDEFGHIJ  牝  4才  ( 父\u3000SIRE       )  ( 母 DAMNAMELON )");
  // The frames are the background now; the drawing is the plot alone.
  EXPECT_EQ(g.Picture1.BackgroundOps().size(), 46u);
  EXPECT_EQ(g.Picture2.BackgroundOps().size(), 59u);
  // 72.5 s estimated against 70.5 s: 20 tenths, the lines at 20 and 30.
  EXPECT_EQ(Describe(g.Picture1.Drawing().Ops()),
            (std::vector<std::string>{"text 5600,860 ▲ #0000FF", "text 1100,2500 ▲ #FF0000",
                                      "line 1200,1600 6600,1600 #00FF00 w1 solid",
                                      "line 1200,1800 6600,1800 #00FF00 w1 solid"}));
  EXPECT_EQ(Describe(g.Picture2.Drawing().Ops()),
            (std::vector<std::string>{"text 5600,200 ▲ #0000FF", "text 1100,1200 ▲ #FF0000",
                                      "text 5600,1580 ▲ #0000FF", "text 1100,2600 ▲ #FF0000",
                                      "text 3800,1400 ▲ #FF0000"}));
  EXPECT_EQ(g.Picture1.DrawStyle(), ui::kDrawSolid);

  // Every press starts from the empty frames: the same runner again gives the same plot.
  const std::vector<ui::DrawOp> first = g.Picture2.Drawing().Ops();
  Press(kNameX, RowY(3));
  EXPECT_EQ(g.Picture2.Drawing().Ops(), first);
  EXPECT_EQ(g.Picture1.Drawing().Ops().size(), 4u);
}

TEST_F(GraphWindow, RunnerNeverAnalysedGetsOnlyCaptionAndRaceLines) {
  Confirm();
  Press(kNameX, RowY(5));
  frmAg14& g = Graph();
  EXPECT_TRUE(g.Caption().starts_with(u" < グラフ表示 >  Debut  "));
  EXPECT_EQ(Describe(g.Picture1.Drawing().Ops()),
            (std::vector<std::string>{"line 1200,1600 6600,1600 #00FF00 w1 solid",
                                      "line 1200,1800 6600,1800 #00FF00 w1 solid"}));
  EXPECT_TRUE(g.Picture2.Drawing().Ops().empty());
}

TEST_F(GraphWindow, RaceLinesFollowTheRaceSurface) {
  Confirm();
  auto& card = app_.meeting.Group<intake::RaceCardTables>();
  struct Case {
    const char16_t* surface;
    double y;
  };
  // 72.5 s against turf 70.5, dirt 99, or nothing.
  const Case cases[] = {{u"1", 1600}, {u"0", -4100}, {u"2", 15700}, {u"", 15700}};
  for (const Case& c : cases) {
    card.RaceSurfaceCode(kRace) = c.surface;
    EXPECT_DOUBLE_EQ(RaceLineY(app_.meeting, kRace), c.y) << model::ToUtf8(c.surface);
  }
  card.RaceEstTimeLabel(kRace) = u"";
  card.RaceSurfaceCode(kRace) = u"1";
  EXPECT_DOUBLE_EQ(RaceLineY(app_.meeting, kRace), -70.5 * 200 + 1200);
}

TEST_F(GraphWindow, OtherPressesWipeThePlotAndKeepTheCaption) {
  Confirm();
  Press(kNameX, RowY(3));
  const Text caption = Graph().Caption();
  const Text filled = app_.Form<frmAg8>().MSFlexGrid1.TextMatrix(0, 1);
  struct Case {
    double x, y;
    bool paints;
  };
  const Case cases[] = {
      {kNameX, RowY(0), false}, {kNameX, RowY(1), false}, {kNameX, -50, false},   // the name heads
      {8700, RowY(3), false},   {0, RowY(3), false},      {kNameX, 4600, false},  // in no cell
      {3500, RowY(3), true},                                                      // a value cell
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    Press(kNameX, RowY(3));
    Grid().SetCol(7);
    Grid().SetRow(3);
    Grid().SetCellBackColor(ui::palette::kWhite);
    Press(c.x, c.y);
    frmAg14& g = Graph();
    EXPECT_TRUE(g.Picture1.Drawing().Ops().empty());
    EXPECT_TRUE(g.Picture2.Drawing().Ops().empty());
    EXPECT_EQ(g.Picture1.BackgroundOps().size(), 46u);
    EXPECT_EQ(g.Caption(), caption);
    EXPECT_EQ(app_.Form<frmAg8>().MSFlexGrid1.TextMatrix(0, 1), filled);
    EXPECT_EQ(Grid().CellBackColorAt(3, 7), c.paints ? ui::palette::kPink : ui::palette::kWhite);
  }
}

TEST_F(GraphWindow, NamePressBeforeAnyRaceIsConfirmedOnlyRestoresTheFrames) {
  Press(kNameX, RowY(3));
  ASSERT_TRUE(app_.IsLoaded<frmAg14>());
  frmAg14& g = Graph();
  EXPECT_FALSE(g.Visible());
  EXPECT_EQ(g.Caption(), u"  <  グラフ表示  >");
  EXPECT_EQ(g.Picture1.BackgroundOps().size(), 46u);
  EXPECT_TRUE(g.Picture1.Drawing().Ops().empty());
  EXPECT_TRUE(g.Picture2.Drawing().Ops().empty());
  EXPECT_FALSE(app_.IsLoaded<frmAg8>());
  // Palette painting works all the same.
  Press(3500, RowY(3));
  EXPECT_EQ(Grid().CellBackColorAt(3, 7), ui::palette::kPink);
}

// The files themselves: the headless program's bitmap store, as the script driver uses it.
class FrameFiles : public GraphWindow {
 protected:
  FrameFiles() { app_.SetPictureStore(std::make_unique<ui::BitmapFilePictureStore>()); }
  fs::path data_home_ = folder_.Path() / "data";
  ScopedEnv xdg_{"XDG_DATA_HOME", data_home_.string()};
};

std::optional<ui::Raster> ReadBitmap(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ui::DecodeBitmap(bytes);
}

TEST_F(FrameFiles, AreWrittenToTheProgramFolderAndReadBack) {
  frmAg14& g = Graph();
  const std::vector<ui::DrawOp> frame1 = g.Picture1.Drawing().Ops();
  for (const char* name : {"GRAPTH1.bmp", "GRAPTH2.bmp"}) {
    const std::optional<ui::Raster> bitmap = ReadBitmap(folder_.Path() / name);
    ASSERT_TRUE(bitmap) << name;
    EXPECT_EQ(bitmap->width, 7100 / 15);
    EXPECT_EQ(bitmap->pixels[0], ui::Rgb(255, 224, 192));
  }
  EXPECT_EQ(ReadBitmap(folder_.Path() / "GRAPTH2.bmp")->height, 2900 / 15);
  // The box's top left corner, 900 and 200 twips in.
  EXPECT_EQ(ReadBitmap(folder_.Path() / "GRAPTH1.bmp")->pixels[(200 / 15) * (7100 / 15) + 60],
            ui::colors::kBlack);
  EXPECT_FALSE(fs::exists(data_home_));

  g.RestoreFrames();
  EXPECT_EQ(g.Picture1.PicturePath(), ui::DisplayPath(folder_.Path() / "GRAPTH1.bmp"));
  EXPECT_EQ(g.Picture1.BackgroundOps(), frame1);
  EXPECT_TRUE(g.Picture1.Drawing().Ops().empty());

  // A file changed since it was written is read as the bitmap it now holds.
  ui::Raster other{2, 1, {ui::palette::kRed, ui::palette::kBlue}};
  std::ofstream(folder_.Path() / "GRAPTH1.bmp", std::ios::binary | std::ios::trunc)
      << ui::EncodeBitmap(other);
  g.RestoreFrames();
  EXPECT_EQ(g.Picture1.BackgroundRaster(), other);
  EXPECT_TRUE(g.Picture1.BackgroundOps().empty());

  // A file that is gone, or no bitmap, leaves the frame drawn at load.
  fs::remove(folder_.Path() / "GRAPTH1.bmp");
  std::ofstream(folder_.Path() / "GRAPTH2.bmp", std::ios::trunc) << "not a bitmap";
  g.RestoreFrames();
  EXPECT_EQ(g.Picture1.BackgroundOps(), frame1);
  EXPECT_TRUE(g.Picture1.BackgroundRaster().Empty());
  EXPECT_EQ(g.Picture2.BackgroundOps().size(), 59u);
}

TEST_F(FrameFiles, LoadingAgainWritesTheSameFiles) {
  Graph();
  std::ifstream first_in(folder_.Path() / "GRAPTH2.bmp", std::ios::binary);
  const std::string first((std::istreambuf_iterator<char>(first_in)), std::istreambuf_iterator<char>());
  app_.UnloadIfLoaded<frmAg14>();
  fs::remove(folder_.Path() / "GRAPTH2.bmp");
  Graph();
  std::ifstream second_in(folder_.Path() / "GRAPTH2.bmp", std::ios::binary);
  const std::string second((std::istreambuf_iterator<char>(second_in)), std::istreambuf_iterator<char>());
  EXPECT_FALSE(first.empty());
  EXPECT_EQ(first, second);
}

TEST_F(FrameFiles, AnUnwritableProgramFolderSendsThemToTheDataFolder) {
  // A folder below a plain file can be written by nobody, root included.
  std::ofstream(folder_.Path() / "plain") << "x";
  app_.SetProgramFolder(ui::DisplayPath(folder_.Path() / "plain"));
  Confirm();
  Press(kNameX, RowY(3));
  frmAg14& g = Graph();
  EXPECT_TRUE(ReadBitmap(data_home_ / "tarvelo" / "GRAPTH1.bmp"));
  EXPECT_TRUE(ReadBitmap(data_home_ / "tarvelo" / "GRAPTH2.bmp"));
  EXPECT_EQ(g.Frame1().Path(), ui::DisplayPath(data_home_ / "tarvelo" / "GRAPTH1.bmp"));
  EXPECT_EQ(g.Picture1.BackgroundOps().size(), 46u);
  EXPECT_EQ(g.Picture1.Drawing().Ops().size(), 4u);
}

TEST_F(FrameFiles, NoWritableFolderAtAllKeepsTheFramesInMemory) {
  std::ofstream(folder_.Path() / "plain") << "x";
  app_.SetProgramFolder(ui::DisplayPath(folder_.Path() / "plain"));
  ScopedEnv unwritable("XDG_DATA_HOME", (folder_.Path() / "plain" / "data").string());
  Confirm();
  Press(kNameX, RowY(3));
  frmAg14& g = Graph();
  EXPECT_TRUE(g.Frame1().Path().empty());
  EXPECT_EQ(g.Picture1.BackgroundOps().size(), 46u);
  EXPECT_EQ(g.Picture2.BackgroundOps().size(), 59u);
  EXPECT_EQ(g.Picture2.Drawing().Ops().size(), 5u);
}

TEST(FramePaths, JoinTheFolderAndTheName) {
  EXPECT_EQ(FramePath(u"/opt/tarvelo", u"GRAPTH1.bmp"), u"/opt/tarvelo/GRAPTH1.bmp");
  EXPECT_EQ(FramePath(u"/", u"GRAPTH1.bmp"), u"/GRAPTH1.bmp");
  EXPECT_EQ(FramePath(u"/opt/", u"GRAPTH2.bmp"), u"/opt/GRAPTH2.bmp");
}

TEST(FramePaths, UserDataFolder) {
  {
    ScopedEnv xdg("XDG_DATA_HOME", "/srv/share");
    EXPECT_EQ(UserDataFolder(), std::optional<Text>(u"/srv/share/tarvelo"));
  }
  ScopedEnv home("HOME", "/home/someone");
  for (const char* xdg_value : {"", "relative/share"}) {
    ScopedEnv xdg("XDG_DATA_HOME", xdg_value);
    EXPECT_EQ(UserDataFolder(), std::optional<Text>(u"/home/someone/.local/share/tarvelo")) << xdg_value;
  }
  ScopedEnv no_home("HOME", "");
  ScopedEnv xdg("XDG_DATA_HOME", "");
  EXPECT_EQ(UserDataFolder(), std::nullopt);
}

}  // namespace
}  // namespace views
