// The training window: the course texts of the three workouts, the two views cell by cell over a
// small race whose runners show every kind of workout, the slope counts shortened in the shared
// tables, and both views kept to the race of the load.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "program/program.h"
#include "tests/support/sample_road.h"
#include "views/frm_ag12.h"
#include "views/slope_counts.h"
#include "views/training_course_texts.h"
#include "views/training_view_tables.h"
#include "views/training_workouts.h"

namespace views {
namespace {

using model::Text;
using Row = std::vector<Text>;

const Text kRunsMark = u"回";
const Text kSlope = u"坂";
const Text kRemark = u"中間軽め";
const Text kRemark2 = u"放牧明け";
const Text kRemark3 = u"脚元不安";

Text Blanks(int n) {
  return model::Spaces(n);
}

TEST(TrainCourseText, DatePartIsMonthAndDayOfAHeldWorkoutElseOneBlank) {
  struct Case {
    Text date, part;
  };
  const Case cases[] = {
      {u"20001224", u"12/24"}, {u"20050412", u"04/12"},
      {u"19991130", u" "},  // a "1" without a "2": not held
      {Blanks(8), u" "},       {u"", u" "},
      {u"2005", u"/"},  // too short for a month and day: what there is, no failure
  };
  for (const Case& c : cases) EXPECT_EQ(WorkoutDatePart(c.date), c.part) << model::ToUtf8(c.date);
}

TEST(TrainCourseText, CentreLetterIsThatOfTheFirstCentreContained) {
  struct Case {
    Text centre, letter;
  };
  const Case cases[] = {
      {u"栗東  ", u"栗"}, {u"美南", u"南"},   {u"美北", u"北"},     {u"函館", u"函"},
      {u"笠松", u"笠"},   {u"プ－ル", u"プ"}, {u"美北栗東", u"栗"},  // tried in order, not by position
      {u"ﾌﾟｰﾙ", u" "},                                               // half-width katakana is another text
      {Blanks(6), u" "},  {u"", u" "},
  };
  for (const Case& c : cases) EXPECT_EQ(CentreLetter(c.centre), c.letter) << model::ToUtf8(c.centre);
}

TEST(TrainCourseText, JoinsDateCentreCourseAndGoingTrimmingHalfWidthBlanksOnly) {
  struct Case {
    Text date, centre, course, going, text;
  };
  const Case cases[] = {
      {u"20001224", u"栗東  ", u"CW", u"良", u"12/24栗CW良"},
      {u"20001223", u"栗東", u"坂", u"  ", u"12/23栗坂"},  // slope work has no going
      {u"20001224", u" 美南 ", u" Ｂ", u"重 ", u"12/24南Ｂ重"},
      {u"20001224", u"", u"\u3000Ｂ", u"良\u3000", u"12/24 \u3000Ｂ良\u3000"},
      {Blanks(8), u"栗東", u"CW", u"良", u"  "},  // the race card's field of no workout
      {u"", u"", u"", u"", u"  "},                // a workout the basic analysis never found
      {u"19991130", u"栗東", u"Ｂ", u"良", u" 栗Ｂ良"},
      {Blanks(7), u"", u"", u"", u"  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WorkoutCourseText(c.date, c.centre, c.course, c.going), c.text) << model::ToUtf8(c.text);
  }
}

TEST(SlopeCount, KeepsTheCountBeforeTheFirstRunsMark) {
  struct Case {
    Text slot, shortened;
  };
  const Case cases[] = {
      {u" 3回  ", u"3回"},  {u"3回", u"3回"},       {u"12回", u"12回"},  // two digits and more are all kept
      {u" 12回 ", u"12回"}, {u"x123回", u"123回"},  {u"1 2回", u"2回"},  // only the digits next to the mark
      {u"７回", u"７回"},  // a full-width digit is one character like any other
      {u"７８回", u"８回"}, {u" a回 ", u"a回"},     {u"  回", u" 回"},
      {u"回  ", u"回  "},  // no character before the mark: unchanged
      {u"5回3回", u"5回"},  {u"  83.5", u"  83.5"}, {Blanks(6), Blanks(6)},
      {u"", u""},
  };
  for (const Case& c : cases) {
    const Text once = ShortenSlopeCount(c.slot);
    EXPECT_EQ(once, c.shortened) << model::ToUtf8(c.slot);
    EXPECT_EQ(ShortenSlopeCount(once), once) << model::ToUtf8(c.slot);
  }
}

// The fields of one workout as the race card (workout 1) or the basic analysis (2 and 3) leave them.
struct Workout {
  Text date, centre, course, going, c, d, e, f, g, action, remark;
};

class TrainingWindow : public ::testing::Test {
 protected:
  static constexpr int kRace = 5;

  void SetUp() override {
    app_.screen.SetSizePixels(1024, 768);
    WriteFixtureRace();
  }

  model::TextTable& Table(const std::string& family, int k) {
    model::TextTable* table = app_.meeting.Registry().Find(family + std::to_string(k));
    if (table == nullptr) throw std::logic_error(family);
    return *table;
  }
  void Put(int race, int runner, int k, const Workout& w) {
    Table("TrainDate", k)(race, runner) = w.date;
    Table("TrainCentre", k)(race, runner) = w.centre;
    Table("TrainCourse", k)(race, runner) = w.course;
    Table("TrainGoing", k)(race, runner) = w.going;
    Table("TrainTimeC", k)(race, runner) = w.c;
    Table("TrainTimeD", k)(race, runner) = w.d;
    Table("TrainTimeE", k)(race, runner) = w.e;
    Table("TrainTimeF", k)(race, runner) = w.f;
    Table("TrainTimeG", k)(race, runner) = w.g;
    Table("TrainAction", k)(race, runner) = w.action;
    Table("TrainRemark", k)(race, runner) = w.remark;
  }
  void SetRunnerCount(int race, int n) {
    app_.meeting.Group<intake::RaceCardTables>().RunnerCount(race) = model::NumberToPatternText(n, u"00");
  }

  // Runner 1: three flat workouts. Runner 2: a slope workout, a flat one, and one the basic analysis
  // never found. Runner 3: no workout 1 but a remark, a workout of 1999 whose remark is two blanks,
  // a slope workout counted in two digits. Runner 4: a workout 1 of 1999 with a blank remark, a slope
  // workout whose count has nothing before its mark, a flat workout whose 6F slot holds the mark.
  // Runner 5: a slope workout, then two not held, each with a remark of its own.
  void WriteFixtureRace() {
    SetRunnerCount(kRace, 5);
    analysis::SetAnalysedRace(app_.meeting, kRace);
    const Text no_remark = Blanks(40);
    Put(kRace, 1, 1,
        {u"20001224", u"栗東  ", u"CW", u"良", u"  83.5", u"  67.1", u"  52.3", u"  38.4", u"  12.6",
         u"馬なり", no_remark});
    Put(kRace, 1, 2,
        {u"20001217", u"美南", u"Ｗ", u"重", u" 84.0", u" 68.0", u" 53.0", u" 39.0", u" 12.9", u"強め",
         u"  "});
    Put(kRace, 1, 3,
        {u"20001210", u"函館", u"ダ", u"稍", u"  ", u" 70.2", u" 55.0", u" 40.1", u" 13.0", u"一杯", u"  "});
    Put(kRace, 2, 1,
        {u"20001223", u"栗東", kSlope, u"  ", u" 3" + kRunsMark + u"  ", u"", u"  52.0", u"  38.1", u"  12.4",
         u"馬なり", no_remark});
    Put(kRace, 2, 2,
        {u"20001216", u"美北", u"Ｂ", u"良", u" 85.0", u" 69.0", u" 54.0", u" 39.5", u" 12.8", u"末強め",
         u"  "});
    Put(kRace, 3, 1,
        {Blanks(8), Blanks(6), u"  ", u"  ", Blanks(6), Blanks(6), Blanks(6), Blanks(6), Blanks(6), Blanks(6),
         kRemark + Blanks(32)});
    Put(kRace, 3, 2, {u"19991130", u"栗東", u"Ｂ", u"良", u"", u"", u"", u"", u"", u"", u"  "});
    Put(kRace, 3, 3,
        {u"20001209", u"美南", kSlope, u"  ", u"12" + kRunsMark + u"  ", u"", u"51.0", u"37.5", u"12.2",
         u"強め", u"  "});
    Put(kRace, 4, 1, {u"19991130", u"栗東  ", u"CW", u"良", u"  80.0", u"", u"", u"", u"", u"", no_remark});
    Put(kRace, 4, 2,
        {u"20001215", u"プ－ル", kSlope, u"  ", kRunsMark + u"   ", u"", u"53.3", u"39.9", u"13.3", u"馬なり",
         u"  "});
    Put(kRace, 4, 3,
        {u"20001208", u"笠松", u"芝", u"不", u" 7a" + kRunsMark, u" 71.0", u" 56.0", u" 41.0", u" 13.5",
         u"\u3000一杯 ", u"  "});
    Put(kRace, 5, 1,
        {u"20001222", u"美南", kSlope, u"  ", u" 4" + kRunsMark + u"  ", u"", u"53.0", u"38.8", u"12.7",
         u"一杯", no_remark});
    Put(kRace, 5, 2,
        {Blanks(8), Blanks(6), u"  ", u"  ", Blanks(6), Blanks(6), Blanks(6), Blanks(6), Blanks(6), Blanks(6),
         kRemark2 + Blanks(32)});
    Put(kRace, 5, 3, {u"19991130", u"栗東", u"Ｂ", u"良", u"", u"", u"", u"", u"", u"", kRemark3 + u"  "});
  }

  frmAg12& Open() { return app_.Show<frmAg12>(); }

  static Row RowOf(const ui::FlexGrid& grid, int row) {
    Row cells;
    for (int c = 0; c < grid.Cols(); ++c) cells.push_back(grid.TextMatrix(row, c));
    return cells;
  }
  static void ExpectRows(const ui::FlexGrid& grid, const std::vector<Row>& rows, const std::string& what) {
    for (size_t i = 0; i < rows.size(); ++i) {
      const int row = static_cast<int>(i) + 2;
      ASSERT_EQ(rows[i].size(), static_cast<size_t>(grid.Cols())) << what << " row " << row;
      for (int c = 0; c < grid.Cols(); ++c) {
        EXPECT_EQ(grid.TextMatrix(row, c), rows[i][static_cast<size_t>(c)])
            << what << " row " << row << " col " << c;
      }
    }
  }
  static std::vector<bool> MergedRows(const ui::FlexGrid& grid) {
    std::vector<bool> merged;
    for (int r = 0; r < grid.Rows(); ++r) merged.push_back(grid.MergeRow(r));
    return merged;
  }
  Text CourseText(int k, int race, int runner) { return Table("TrainCourseText", k)(race, runner); }

  program::Program app_;
};

const Text B = u" ";
const Text E = u"";

// The flat view of the fixture race as the load leaves it (slot C of runner 4's third workout as
// stored); a fourth row for the runner rows that keep their blanks.
std::vector<Row> FlatRows(const Text& runner4_6f) {
  return {
      {u"12/24栗CW良", u"83.5", u"67.1", u"52.3", u"38.4", u"12.6", u"馬なり", B,
       u"12/17南Ｗ重", u"84.0", u"68.0", u"53.0", u"39.0", u"12.9", u"強め",   B,
       u"12/10函ダ稍", E,       u"70.2", u"55.0", u"40.1", u"13.0", u"一杯"},
      {B, B, B, B, B, B, B, B, u"12/16北Ｂ良", u"85.0", u"69.0", u"54.0", u"39.5", u"12.8", u"末強め",
       B, B, E, E, E, E, E, E},
      {B, kRemark, kRemark, kRemark, kRemark, kRemark, kRemark, B, B, B, B, B,
       B, B,       B,       B,       B,       B,       B,       B, B, B, B},
      {B,
       E,
       E,
       E,
       E,
       E,
       E,
       B,
       B,
       B,
       B,
       B,
       B,
       B,
       B,
       B,
       u"12/08笠芝不",
       runner4_6f,
       u"71.0",
       u"56.0",
       u"41.0",
       u"13.5",
       u"\u3000一杯"},
      {B, B,        B,        B,        B,        B,        B,        B,
       B, kRemark2, kRemark2, kRemark2, kRemark2, kRemark2, kRemark2, B,
       B, kRemark3, kRemark3, kRemark3, kRemark3, kRemark3, kRemark3},
  };
}

std::vector<Row> SlopeRows() {
  const Text three = u"3回";
  const Text twelve = u"12回";
  return {
      {E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E},
      {u"12/23栗坂",
       three,
       u"52.0",
       u"38.1",
       u"12.4",
       u"馬なり",
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E,
       E},
      {E, kRemark, kRemark, kRemark,      kRemark, kRemark, E,       E,       E,       E, E,
       E, E,       E,       u"12/09南坂", twelve,  u"51.0", u"37.5", u"12.2", u"強め", E, E},
      {E, E, E, E, E, E, E, u"12/15プ坂", u"回", u"53.3", u"39.9", u"13.3", u"馬なり", E, E,
       E, E, E, E, E, E, E},
      {u"12/22南坂", u"4回",   u"53.0",  u"38.8",  u"12.7",  u"一杯", E, E,
       kRemark2,     kRemark2, kRemark2, kRemark2, kRemark2, E,       E, kRemark3,
       kRemark3,     kRemark3, kRemark3, kRemark3, E,        E},
  };
}

std::vector<bool> Merged(std::initializer_list<int> rows) {
  std::vector<bool> merged(20, false);
  for (int r : rows) merged[static_cast<size_t>(r)] = true;
  return merged;
}

TEST_F(TrainingWindow, BuildsTheCourseTextsOfTheThreeWorkouts) {
  Open();
  const Text expected[5][3] = {
      {u"12/24栗CW良", u"12/17南Ｗ重", u"12/10函ダ稍"},
      {u"12/23栗坂", u"12/16北Ｂ良", u"  "},
      {u"  ", u" 栗Ｂ良", u"12/09南坂"},
      {u" 栗CW良", u"12/15プ坂", u"12/08笠芝不"},
      {u"12/22南坂", u"  ", u" 栗Ｂ良"},
  };
  for (int i = 1; i <= 5; ++i) {
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(CourseText(k, kRace, i), expected[i - 1][k - 1]) << i << "," << k;
  }
  EXPECT_EQ(CourseText(1, kRace, 6), u"");
}

TEST_F(TrainingWindow, LoadShowsTheFlatViewOfEveryRunner) {
  const frmAg12& w = Open();
  EXPECT_TRUE(w.Option1.Value());
  EXPECT_FALSE(w.Option2.Value());
  EXPECT_EQ(w.MSFlexGrid1.Top(), 585);
  EXPECT_EQ(w.MSFlexGrid2.Top(), 5640);
  // 1024 x 768 pixels: the frame's corner at (1180, 822.5) twips.
  EXPECT_EQ(w.Top(), 822.5 + 2575);
  EXPECT_EQ(w.Left(), 1180 + 755);
  EXPECT_EQ(w.Width(), 12200);
  EXPECT_EQ(w.Height(), 5575);
  ExpectRows(w.MSFlexGrid1, FlatRows(u"7a回"), "flat");
  for (int r = 7; r < 20; ++r) EXPECT_EQ(RowOf(w.MSFlexGrid1, r), Row(23, E)) << r;
  EXPECT_EQ(MergedRows(w.MSFlexGrid1), Merged({0, 3, 4, 5, 6}));
  for (int r = 2; r < 20; ++r) EXPECT_EQ(RowOf(w.MSFlexGrid2, r), Row(22, E)) << r;
  EXPECT_EQ(MergedRows(w.MSFlexGrid2), Merged({0}));
}

TEST_F(TrainingWindow, SlopeViewShortensTheCountsAndShowsTheSlopeWorkouts) {
  frmAg12& w = Open();
  w.Option2.UserClick();
  EXPECT_TRUE(w.Option2.Value());
  EXPECT_FALSE(w.Option1.Value());
  EXPECT_EQ(w.MSFlexGrid2.Top(), 585);
  EXPECT_EQ(w.MSFlexGrid1.Top(), 5640);
  EXPECT_EQ(w.MSFlexGrid1.Left(), 50);
  EXPECT_EQ(w.MSFlexGrid1.Width(), 12000);
  EXPECT_EQ(w.MSFlexGrid1.Height(), 4600);
  ExpectRows(w.MSFlexGrid2, SlopeRows(), "slope");
  EXPECT_EQ(MergedRows(w.MSFlexGrid2), Merged({0, 3, 4, 5, 6}));

  // Slot C of every workout of every runner, rewritten in the shared tables.
  EXPECT_EQ(Table("TrainTimeC", 1)(kRace, 2), u"3回");
  EXPECT_EQ(Table("TrainTimeC", 3)(kRace, 3), u"12回");
  EXPECT_EQ(Table("TrainTimeC", 2)(kRace, 4), u"回   ");
  EXPECT_EQ(Table("TrainTimeC", 3)(kRace, 4), u"a回");
  EXPECT_EQ(Table("TrainTimeC", 1)(kRace, 1), u"  83.5");

  // Back to the flat view: the same rows but for the shortened slot of a flat workout.
  w.Option1.UserClick();
  EXPECT_EQ(w.MSFlexGrid1.Top(), 585);
  EXPECT_EQ(w.MSFlexGrid2.Top(), 5640);
  ExpectRows(w.MSFlexGrid1, FlatRows(u"a回"), "flat again");
  ExpectRows(w.MSFlexGrid2, SlopeRows(), "slope kept");

  w.Option2.UserClick();
  ExpectRows(w.MSFlexGrid2, SlopeRows(), "slope again");
}

TEST_F(TrainingWindow, LaysOutBothGridsWithTheirHeads) {
  const frmAg12& w = Open();
  const ui::FlexGrid& flat = w.MSFlexGrid1;
  const ui::FlexGrid& slope = w.MSFlexGrid2;
  EXPECT_EQ(flat.Rows(), 20);
  EXPECT_EQ(flat.Cols(), 23);
  EXPECT_EQ(slope.Cols(), 22);
  EXPECT_EQ(flat.FixedRows(), 2);
  EXPECT_EQ(slope.FixedCols(), 0);
  const Row flat_row0 = {u"調教日", u"１回目", u"１回目", u"１回目", u"１回目", u"１回目", u"１回目", E,
                         u"調教日", u"２回目", u"２回目", u"２回目", u"２回目", u"２回目", u"２回目", E,
                         u"調教日", u"３回目", u"３回目", u"３回目", u"３回目", u"３回目", u"３回目"};
  const Row flat_heads = {u"コ－ス", u"６Ｆ", u"５F", u"４Ｆ", u"３Ｆ", u"１Ｆ", u"脚色"};
  const Row slope_row0 = {u"調教日", u"１回目", u"１回目", u"１回目", u"１回目", u"１回目",
                          E,         u"調教日", u"２回目", u"２回目", u"２回目", u"２回目",
                          u"２回目", E,         u"調教日", u"３回目", u"３回目", u"３回目",
                          u"３回目", u"３回目", E,         E};
  const Row slope_heads = {u"コ－ス", u"回数", u"３F", u"２Ｆ", u"１Ｆ", u"脚色"};
  EXPECT_EQ(RowOf(flat, 0), flat_row0);
  EXPECT_EQ(RowOf(slope, 0), slope_row0);
  const double flat_widths[] = {1050, 450, 450, 450, 450, 450, 630, 50};
  const double slope_widths[] = {1110, 450, 450, 450, 450, 650, 50};
  for (int c = 0; c < 23; ++c) {
    const bool spacer = c % 8 == 7;
    EXPECT_EQ(flat.TextMatrix(1, c), spacer ? E : flat_heads[static_cast<size_t>(c % 8)]) << c;
    EXPECT_EQ(flat.ColWidth(c), flat_widths[c % 8]) << c;
    EXPECT_EQ(flat.ColAlignment(c) == ui::kFlexCenterCenter, !spacer) << c;
    for (int r = 2; r < 20; ++r) EXPECT_EQ(flat.CellFontSizeAt(r, c), c % 8 == 0 ? 8 : 9) << r << "," << c;
  }
  for (int c = 0; c < 21; ++c) {
    const bool spacer = c % 7 == 6;
    EXPECT_EQ(slope.TextMatrix(1, c), spacer ? E : slope_heads[static_cast<size_t>(c % 7)]) << c;
    EXPECT_EQ(slope.ColWidth(c), slope_widths[c % 7]) << c;
    EXPECT_EQ(slope.ColAlignment(c) == ui::kFlexCenterCenter, !spacer) << c;
    EXPECT_EQ(slope.CellFontSizeAt(9, c), c % 7 == 0 ? 8 : 9) << c;
  }
  EXPECT_EQ(slope.ColWidth(21), 1100);
  EXPECT_EQ(slope.TextMatrix(1, 21), E);
  EXPECT_EQ(flat.CellAlignmentAt(19, 16), ui::kFlexCenterCenter);
  EXPECT_EQ(flat.CellFontSizeAt(1, 0), 9);
  EXPECT_EQ(w.Caption(), u" ＜　調教ウィンドウ　＞");
  EXPECT_EQ(w.Option1.Caption(), u"平場調教");
  EXPECT_EQ(w.Option2.Caption(), u"坂路調教");
}

// The window stays open across races: both views keep to the race and runner count of the load
// until it is closed and opened again.
TEST_F(TrainingWindow, ViewsKeepTheRaceOfTheLoad) {
  constexpr int kOther = 6;
  SetRunnerCount(kOther, 6);
  for (int i = 1; i <= 6; ++i) {
    Put(kOther, i, 1,
        {u"20001201", u"栗東", kSlope, u"  ", u" 9" + kRunsMark + u"  ", u"", u"50.0", u"36.0", u"12.0",
         u"一杯", Blanks(40)});
  }
  frmAg12& w = Open();
  analysis::SetAnalysedRace(app_.meeting, kOther);
  w.Option2.UserClick();
  w.Option1.UserClick();
  ExpectRows(w.MSFlexGrid2, SlopeRows(), "slope");
  for (int r = 7; r < 20; ++r) EXPECT_EQ(RowOf(w.MSFlexGrid2, r), Row(22, E)) << r;
  ExpectRows(w.MSFlexGrid1, FlatRows(u"a回"), "flat");
  EXPECT_EQ(Table("TrainTimeC", 1)(kOther, 1), u" 9回  ");
  EXPECT_EQ(CourseText(1, kOther, 1), u"");

  app_.UnloadIfLoaded<frmAg12>();
  frmAg12& again = Open();
  EXPECT_EQ(CourseText(1, kOther, 6), u"12/01栗坂");
  again.Option2.UserClick();
  for (int r = 2; r <= 7; ++r) EXPECT_EQ(again.MSFlexGrid2.TextMatrix(r, 1), u"9回") << r;
  EXPECT_EQ(again.MSFlexGrid2.TextMatrix(8, 0), E);
}

// The load selects the flat view before it builds the course texts: what that early view writes from
// the texts of an earlier load is cleared before the rows are written again.
TEST_F(TrainingWindow, ReloadWritesNothingFromTheEarlierCourseTexts) {
  Open();
  app_.UnloadIfLoaded<frmAg12>();
  Table("TrainCourse", 1)(kRace, 1) = kSlope;
  const frmAg12& w = Open();
  EXPECT_EQ(CourseText(1, kRace, 1), u"12/24栗坂良");
  for (int c = 0; c <= 7; ++c) EXPECT_EQ(w.MSFlexGrid1.TextMatrix(2, c), B) << c;
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(2, 8), u"12/17南Ｗ重");
}

TEST_F(TrainingWindow, HoldsEighteenRunnersAtMost) {
  constexpr int kLarge = 7;
  SetRunnerCount(kLarge, 20);
  for (int i = 1; i <= 20; ++i) {
    Put(kLarge, i, 1,
        {u"20001201", u"栗東", kSlope, u"  ", u" 9" + kRunsMark + u"  ", u"", u"50.0", u"36.0", u"12.0",
         u"一杯", Blanks(40)});
  }
  analysis::SetAnalysedRace(app_.meeting, kLarge);
  frmAg12& w = Open();
  w.Option2.UserClick();
  EXPECT_EQ(CourseText(1, kLarge, 18), u"12/01栗坂");
  EXPECT_EQ(CourseText(1, kLarge, 19), u"");
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(19, 1), u"9回");
  EXPECT_EQ(Table("TrainTimeC", 1)(kLarge, 19), u" 9回  ");
}

TEST_F(TrainingWindow, WithoutAConfirmedRaceShowsHeadsOnly) {
  analysis::SetAnalysedRace(app_.meeting, 0);
  frmAg12& w = Open();
  w.Option2.UserClick();
  w.Option1.UserClick();
  for (int r = 2; r < 20; ++r) {
    EXPECT_EQ(RowOf(w.MSFlexGrid1, r), Row(23, E)) << r;
    EXPECT_EQ(RowOf(w.MSFlexGrid2, r), Row(22, E)) << r;
  }
  EXPECT_EQ(CourseText(1, kRace, 1), u"");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(1, 0), u"コ－ス");
}

// The sample meeting's first race through both analyses, the window opened by its launcher and both
// views chosen: every held workout shows in exactly one view, by its course.
TEST(TrainingWindowRoad, EveryHeldWorkoutOfTheSampleShowsInOneView) {
  program::Program app;
  app.Start();
  ASSERT_EQ(testsupport::RoadToAnalysisWindow(app), "");
  ASSERT_EQ(testsupport::RunLines(app,
                                  "select frmAg3.Combo1 2\n"
                                  "click frmAg3.Command16\n"
                                  "click frmAg3.Command18\n"
                                  "click frmAg3.Command20\n"
                                  "click frmAg3.Command5\n"
                                  "click frmAg3.Command13\n"
                                  "click frmAg12.Option2\n"
                                  "click frmAg12.Option1\n"),
            "");
  const frmAg12& w = app.Form<frmAg12>();
  const int race = analysis::AnalysedRaceIndex(app.meeting);
  const int n = analysis::AnalysedRunnerCount(app.meeting);
  ASSERT_GT(n, 0);
  int flat_shown = 0;
  for (int i = 1; i <= n; ++i) {
    for (int k = 1; k <= 3; ++k) {
      const WorkoutTables t = TablesOfWorkout(app.meeting, k);
      const Text& course_text = t.course_text(race, i);
      const Text& flat = w.MSFlexGrid1.TextMatrix(i + 1, (k - 1) * 8);
      const Text& slope = w.MSFlexGrid2.TextMatrix(i + 1, (k - 1) * 7);
      if (!IsHeldWorkout(t.date(race, i))) continue;
      const bool on_slope = IsSlopeWorkout(course_text);
      EXPECT_EQ(flat, on_slope ? Text(u" ") : course_text) << i << "," << k;
      EXPECT_EQ(slope, on_slope ? course_text : Text()) << i << "," << k;
      if (!on_slope) ++flat_shown;
    }
  }
  EXPECT_GT(flat_shown, 0);
}

}  // namespace
}  // namespace views
