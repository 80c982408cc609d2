// One small race through " 基本  解析" and "  ２次   解析", every written cell and label checked
// against values worked out by hand, so that a fault anywhere along the chain shows.
//
// Race 1: 中山 (course "05") turf 1600 m, middle pace, expected 1.36.0 + 0.5 = "1.36.5", today 良.
// Standard times (turf): 中山 1600 = 96.0, 東京 1600 = 95.0, 東京 1800 = 108.0; dirt 中山 1600 = 98.0.
// For a 1600 m run at 中山 the time value is V = D + 1 with D the tenths behind 96.0 (P = D,
// ratio 96/96); the evaluation is V + 2 × (55 − weight) − (trouble + pace − going).
//
//  runner  weight  run 5            run 4   run 3                 run 2                 run 1
//  1       55      -                -       -                     東京 turf 重 1.36.5   turf 1.36.0
//  2       57      turf slow 1.37.0 -       turf trouble 1.36.5   dirt 1.38.5           turf 1.35.0
//  3       55      turf 1.38.5      1.36.0  1.36.0                1.36.5                1.36.0
//  4       54      -                -       東京 turf 1800 1.48.5 course "30" 1.36.0    -
//  5       55      -                -       turf 1.36.0           turf 1.37.0           turf 1.36.5
//  6       55      -                -       -                     course "60" 1.36.0    dirt 1.39.0
//
// Evaluations (time value V, weight term, terms):
//  1/2: D = (96.5 − 95.0) × 10 = 15, V = floor(95/96 × 15) + 1 = 15; going 重 at 1600:
//       A = −(floor(160 × 1 / 20) + 1) = −9, G = −9; 15 + 0 − (0 + 0 + 9) = 6.   1/1: V = 1, eval 1.
//  2/5: V = 11, weight −4, slow pace floor(1600/200) + 1 = 9: 11 − 4 − 9 = −2.
//  2/3: V = 6, trouble floor(9600/1600) + 1 = 7: 6 − 4 − 7 = −5.
//  2/2: dirt V = floor(98/98 × 5) + 1 = 6, 6 − 4 = 2 (dirt only, other surface).   2/1: V = −9, −13.
//  3/5..1: 26, 1, 1, 6, 1.
//  4/3: D = 5, P = floor(1600/1800 × 5 × 10) / 10 = 4.4, V = floor(95/96 × 4.4) + 1 = 5; +2 → 7.
//  5/3..1: 1, 11, 6.   6/1: dirt V = 11, eval 11 (other surface: no valid run, mask "11111").
// Masks: 11155, 51515, 55555, 11511, 11555, 11111.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/frm_ag3.h"
#include "basetime/base_time_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "program/program.h"
#include "tests/support/sample_road.h"
#include "ui/palette.h"

namespace secondary {
namespace {

using analysis::frmAg3;
using model::Text;

constexpr int kRace = 1;
constexpr int kRunners = 6;

struct PastRun {
  Text course = u"  ";
  Text surface = u" ";
  Text distance = u"    ";
  Text going = u" ";
  Text pace = u" ";
  Text trouble = u"なし";
  Text time = u"なし";
  Text date = u"なし";
  Text first3f = u"なし";
  Text last3f = u"なし";
};

// A run at 中山 1600 m on good going at middle pace, without trouble, unless changed.
PastRun Run(const Text& surface, const Text& time, const Text& first3f, const Text& last3f) {
  return {.course = u"05",
          .surface = surface,
          .distance = u"1600",
          .going = u"0",
          .pace = u"1",
          .time = time,
          .date = u"140901",
          .first3f = first3f,
          .last3f = last3f};
}
PastRun Turf(const Text& time, const Text& first3f = u"35.0", const Text& last3f = u"36.0") {
  return Run(u"1", time, first3f, last3f);
}
PastRun Dirt(const Text& time) {
  return Run(u"0", time, u"36.0", u"37.0");
}
PastRun At(PastRun run, const Text& course) {
  run.course = course;
  return run;
}

struct Runner {
  Text weight;
  Text trend;
  std::array<PastRun, 6> runs;  // [1] last run .. [5] five back
};

Runner MakeRunner(const Text& weight, const Text& trend) {
  return {weight, trend, {}};
}

std::array<Runner, kRunners + 1> Field() {
  std::array<Runner, kRunners + 1> f;
  f[1] = MakeRunner(u"55", u"4");
  f[1].runs[2] = At(Turf(u"1.36.5", u"35.0", u"36.0"), u"04");
  f[1].runs[2].going = u"2";
  f[1].runs[1] = Turf(u"1.36.0", u"35.5", u"35.5");

  f[2] = MakeRunner(u"57", u"");
  f[2].runs[5] = Turf(u"1.37.0", u"36.0", u"35.0");
  f[2].runs[5].pace = u"2";
  f[2].runs[3] = Turf(u"1.36.5", u"35.5", u"36.0");
  f[2].runs[3].trouble = u"あり";
  f[2].runs[2] = Dirt(u"1.38.5");
  f[2].runs[1] = Turf(u"1.35.0", u"34.5", u"35.5");

  f[3] = MakeRunner(u"55", u"1");
  f[3].runs[5] = Turf(u"1.38.5", u"36.0", u"37.0");
  f[3].runs[4] = Turf(u"1.36.0");
  f[3].runs[3] = Turf(u"1.36.0");
  f[3].runs[2] = Turf(u"1.36.5");
  f[3].runs[1] = Turf(u"1.36.0");

  f[4] = MakeRunner(u"54", u"");
  f[4].runs[3] = At(Turf(u"1.48.5", u"36.0", u"36.5"), u"04");
  f[4].runs[3].distance = u"1800";
  f[4].runs[2] = At(Turf(u"1.36.0"), u"30");

  f[5] = MakeRunner(u"55", u"");
  f[5].runs[3] = Turf(u"1.36.0", u"35.0", u"35.0");
  f[5].runs[2] = Turf(u"1.37.0", u"34.0", u"35.0");
  f[5].runs[1] = Turf(u"1.36.5", u"35.0", u"34.0");

  f[6] = MakeRunner(u"55", u"");
  f[6].runs[2] = At(Turf(u"1.36.0"), u"60");
  f[6].runs[1] = Dirt(u"1.39.0");
  return f;
}

void WriteMeeting(model::Meeting& meeting) {
  auto& card = meeting.Group<intake::RaceCardTables>();
  card.RaceSummary(kRace) = u"race 1";
  card.RaceCourseCode(kRace) = u"05";
  card.RaceDate(kRace) = u"H14.10.19";
  card.RaceSurfaceCode(kRace) = u"1";
  card.RaceDistance(kRace) = u"1600";
  card.RaceDistanceLabel(kRace) = u"1600";
  card.RunnerCount(kRace) = model::NumberToText(kRunners);
  card.RaceEstTimeLabel(kRace) = u"1.36.5";
  card.RacePaceCode(kRace) = u"1";
  auto& past = meeting.Group<intake::PastRunTables>();
  const auto field = Field();
  for (int i = 1; i <= kRunners; ++i) {
    const Runner& r = field[static_cast<size_t>(i)];
    card.HorseNo(kRace, i) = model::NumberToText(i);
    card.HorseName(kRace, i) = u"horse " + model::NumberToText(i);
    card.WeightLabel(kRace, i) = r.weight;
    card.TrainTrendCode1(kRace, i) = r.trend;
    for (int b = 1; b <= 5; ++b) {
      const PastRun& run = r.runs[static_cast<size_t>(b)];
      past.RunCourseCode[b](kRace, i) = run.course;
      past.RunSurfaceCode[b](kRace, i) = run.surface;
      past.RunDistance[b](kRace, i) = run.distance;
      past.RunGoingCode[b](kRace, i) = run.going;
      past.RunPaceCode[b](kRace, i) = run.pace;
      past.RunTroubleFlag[b](kRace, i) = run.trouble;
      past.RunTimeText[b](kRace, i) = run.time;
      past.RunDateText[b](kRace, i) = run.date;
      past.RunFirst3FText[b](kRace, i) = run.first3f;
      past.RunLast3FText[b](kRace, i) = run.last3f;
    }
  }
  auto& base = meeting.Group<basetime::BaseTimeTables>();
  for (int course = 1; course <= 10; ++course) {
    for (int distance = 1; distance <= 12; ++distance) {
      base.TurfStdTime(course, distance) = u"90.0";
      base.DirtStdTime(course, distance) = u"90.0";
    }
  }
  base.TurfStdTime(2, 5) = u"96.0";   // 中山 1600
  base.TurfStdTime(1, 5) = u"95.0";   // 東京 1600
  base.TurfStdTime(1, 7) = u"108.0";  // 東京 1800
  base.DirtStdTime(2, 5) = u"98.0";
}

// The cells of one grid row joined by "|".
Text Row(const ui::FlexGrid& grid, int row, std::initializer_list<int> columns) {
  Text joined;
  for (int column : columns) joined += (joined.empty() ? u"" : u"|") + grid.TextMatrix(row, column);
  return joined;
}

class HandWorkedRace : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteMeeting(app_.meeting);
    app_.Show<frmAg3>();
    ASSERT_EQ(testsupport::RunLines(app_,
                                    "select frmAg3.Combo1 0\n"
                                    "click frmAg3.Command16\n"
                                    "click frmAg3.Command18\n"
                                    "click frmAg3.Command20\n"),
              "");
    ASSERT_TRUE(app_.Messages().empty());
  }
  void RunSecondary() { ASSERT_EQ(testsupport::RunLines(app_, "click frmAg3.Command5\n"), ""); }
  frmAg3& Window() { return app_.Form<frmAg3>(); }
  program::Program app_;
};

TEST_F(HandWorkedRace, BasicAnalysisShowsTheActualEvaluationsAveragesAndValidity) {
  const frmAg3& w = Window();
  // Turf day: today's-surface runs between blanks, the dirt runs bracketed, code "1" " --- ".
  const Text expected[kRunners] = {
      u"1| --- | --- | --- | +06 | +01 ",  //
      u"2| -02 | --- | -05 |(+02)| -13 ",  //
      u"3| +26 | +01 | +01 | +06 | +01 ",  //
      u"4| --- | --- | +07 | --- | --- ",  // course "30" is no usable run
      u"5| --- | --- | +01 | +11 | +06 ",  //
      u"6| --- | --- | --- | --- |(+11)",  // course "60" likewise
  };
  for (int i = 1; i <= kRunners; ++i) {
    EXPECT_EQ(Row(w.MSFlexGrid1, i + 1, {0, 1, 2, 3, 4, 5}), expected[i - 1]) << i;
    EXPECT_EQ(w.MSFlexGrid2.TextMatrix(i + 1, 0), u"horse " + model::NumberToText(i));
  }
  // Column averages of the valid runs: run 5 (−2 + 26) / 2 = 12; run 4: 1; run 3 (−5 + 1 + 7 + 1) / 4
  // = 1; run 2 (6 + 6 + 11) / 3 = 7.67 → 7.7; run 1 (1 − 13 + 1 + 6) / 4 = −1.25 → −1.3 (half away
  // from zero).
  EXPECT_EQ(Row(w.MSFlexGrid1, 0, {1, 2, 3, 4, 5}),
            u"実　評　価|実　評　価|実　評　価|実　評　価|実　評　価");
  const Text averages = w.Label19.Caption() + u"|" + w.Label20.Caption() + u"|" + w.Label21.Caption() + u"|" +
                        w.Label22.Caption() + u"|" + w.Label23.Caption();
  EXPECT_EQ(averages, u"+12.0|+ 1.0|+ 1.0|+ 7.7|- 1.3");
  // 30 runs; 14 at a central course on turf (2 + 3 + 5 + 1 + 3 + 0), runner 6 without one.
  // p = floor(14 / 30 × 100) = 46 → 5; c = 100 − floor(1 / 6 × 100) = 84 → 40; validity 45.
  EXPECT_EQ(w.Label9.Caption(), u"30");
  EXPECT_EQ(w.Label11.Caption(), u"14");
  EXPECT_EQ(w.Label14.Caption(), u"6");
  EXPECT_EQ(w.Label15.Caption(), u"1");
  EXPECT_EQ(w.Label36.Caption(), u"45%");
  EXPECT_EQ(w.Label37.Caption(), u"不可");
  EXPECT_EQ(w.Label36.ForeColor(), ui::palette::kRed);
  EXPECT_EQ(w.Label37.ForeColor(), ui::palette::kRed);
}

// Provisional values with A = 12, 1, 1, 7.7, −1.3 for runs 5..1 (E = floor(A(m) − A(k) + W) + 1):
//  1 (11155): 5 ← 2, 1: E 11, 15 → floor(26/2) + 1 = 14; 4 ← 5, 2, 1: E 4, 0, 4 → floor(8/3) + 1 = 3;
//             3 ← 5, 4, 2, 1: E 4, 4, 0, 4 → 4.                            values 14, 3, 4, 6, 1
//  2 (51515): 4 ← 5, 3, 1: E −12, −4, −10 → floor(−26/3) + 1 = −8;
//             2 ← 5, 4, 3, 1: E −6, −1, 2, −3 → floor(−8/4) + 1 = −1.        values −2, −8, −5, −1, −13
//  3 (55555): 26, 1 differ by 25: k = floor(5/2) + 1 = 3 → 23, 4.          values 23, 4, 1, 6, 1
//  4 (11511): 5 ← 3 single: floor(12 − 1 + 7) + 1 = 19; 4 ← 5, 3: E 9, 8 → 9;
//             2 ← 5, 4, 3: E 15, 16, 14 → 16; 1 ← 5, 4, 3, 2: E 6, 7, 5, 8 → 7.  values 19, 9, 7, 16, 7
//  5 (11555): 5 ← 3, 2, 1: E 13, 16, 20 → 17; 4 ← 5, 3, 2, 1: E 7, 2, 5, 9 → 6.  values 17, 6, 1, 11, 6
// Cell texts end in "." for a run of code 1, 3 or 5.
TEST_F(HandWorkedRace, SecondaryAnalysisShowsTheProvisionalEvaluations) {
  RunSecondary();
  const frmAg3& w = Window();
  EXPECT_EQ(Row(w.MSFlexGrid1, 0, {1, 2, 3, 4, 5}),
            u"仮　評　価|仮　評　価|仮　評　価|仮　評　価|仮　評　価");
  const Text expected[kRunners] = {
      u"1|+14.|+03.|+04.|+06 |+01 ",  //
      u"2|-02 |-08.|-05 |-01.|-13 ",  //
      u"3|+23 |+04 |+01 |+06 |+01 ",  //
      u"4|+19.|+09.|+07 |+16.|+07.",  //
      u"5|+17.|+06.|+01 |+11 |+06 ",  //
      u"6|---.|---.|---.|---.|---.",  //
  };
  for (int i = 1; i <= kRunners; ++i) {
    EXPECT_EQ(Row(w.MSFlexGrid1, i + 1, {0, 1, 2, 3, 4, 5}), expected[i - 1]) << i;
  }
}

// Runner grid, columns 1 2 | 4 5 | 7 8 9 10 11 12 | 14 15 | 17 | 19 | 21.
//  Speed (best b, second s):  1: b 1 (run 1) → 2, s 3 (run 4) → floor(3 × 1.125) = 3, floor(5/2) = 2;
//   2: b −13 (run 1) → 1 − 13 = −12, s −8 (run 4) → −floor(8 × 0.875) = −7, floor(−9.5) = −10;
//   3: b = s = 1 (run 1) → 2, 1 → 1;  4: b = s = 7 (run 1) → 8, 7 → 7;
//   5: b 1 (run 3) → floor(1.08) + 1 = 2, s 6 (run 1) → 6 → 4.  Reference −10: ≤ −4 "9", ≤ 2 "8", ≤ 8 "7".
//  Current ability (trend sign "+" for all, S < 0), M = (P2 + P1) / 2:
//   1: D −0.05, 0.015, −0.015, t = 0.034/3, 3.5 + 1.13 → 4;  2: D −0.015, 0.035, −0.04, t = 0.064/3,
//   −7 + 2.13 → −5;  3: D −0.11, 0.01, 0, t = 0.028/3, 3.5 + 0.93 → 4;  4: D −0.06, 0.035, 0,
//   t = 0.011, 11.5 + 1.1 → 12;  5: D −0.08, 0.025, 0.025, t = 0.056/3, 8.5 + 1.87 → 10.
//   Minimum −5: ≤ 1 "9", ≤ 7 "8", ≤ 13 "7".
//  3F (today 1600 m, middle pace; front + i/20): 1: (35.0 + 35.5)/2 + 0.05 = 35.3, back 35.75 → 35.7;
//   2: slow run 36.0 + 0.8, 35.0 − 0.8: (36.8 + 35.5 + 34.5)/3 + 0.1 = 35.7, (34.2 + 36.0 + 35.5)/3 → 35.2;
//   3: 176/5 + 0.15 = 35.35 → 35.3, 181/5 = 36.2;  4: 1800 m, g = 0.99: 35.64 → 35.6 + 0.2 = 35.8,
//   36.135 → 36.1;  5: 104/3 + 0.25 → 34.9, 104/3 → 34.6.  Bests 34.9 and 34.6; bounds inclusive
//   (35.2 = 34.6 + 0.6 is 差, 36.2 = 34.6 + 1.6 is 追).  Best total 69.5: diffs 15, 14, 20, 24, 00.
//  Rise r = (p3 − p1) / 240: 1: 3/240 → +01 "1"; 2: 8/240 → +03 "2"; 3, 4: +00 "1"; 5: −5/240 → −02 "0".
//  Predicted: 96.0 + c/10: 96.4, 95.5, 96.4, 97.2, 97.0.
TEST_F(HandWorkedRace, SecondaryAnalysisFillsTheRunnerGridAndLabels) {
  RunSecondary();
  const frmAg3& w = Window();
  const Text expected[kRunners] = {
      u"+02|8|+04|8| 35.3| 35.7|71.0|15|6|逃追|+01|1|良化|1.36.4|8861",
      u"-10|9|-05|9| 35.7| 35.2|70.9|14|6|先差|+03|2|    |1.35.5|9962",
      u"+01|8|+04|8| 35.3| 36.2|71.5|20|5|逃追|+00|1|一変|1.36.4|8851",
      u"+07|7|+12|7| 35.8| 36.1|71.9|24|4|先追|+00|1|    |1.37.2|7741",
      u"+04|7|+10|7| 34.9| 34.6|69.5|00|9|逃差|-02|0|    |1.37.0|7790",
      u"***|-|***|-| **.*| **.*|**.*|**|-|－－|***|-|    |*.**.*|----",
  };
  for (int i = 1; i <= kRunners; ++i) {
    EXPECT_EQ(Row(w.MSFlexGrid2, i + 1, {1, 2, 4, 5, 7, 8, 9, 10, 11, 12, 14, 15, 17, 19, 21}),
              expected[i - 1])
        << i;
  }
  // Base time 96.0; level floor((96.5 − 96.0) × 10) + 1 = 6.
  EXPECT_EQ(w.Label18.Caption(), u"  1.36.0");
  EXPECT_EQ(w.Label41.Caption(), u"+ 6");
  // Mean ability (4 − 5 + 4 + 12 + 10) / 5 = 5.0; turf group 1, band 五 (4 ≤ 5 < 10, W 6):
  // floor(100 − 1 / 0.06) = 83.
  EXPECT_EQ(w.Label24.Caption(), u" +  5.0");
  EXPECT_EQ(w.Label25.Caption(), u"五83");
}

}  // namespace
}  // namespace secondary
