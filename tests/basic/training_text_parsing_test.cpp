#include "basic/training_text_parsing.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include "basic/training_tables.h"
#include "intake/race_card_tables.h"

namespace basic {
namespace {

using model::Text;

// A workout laid out as the race card carries it: each item filled with blanks to its width in
// bytes, a full-width character taking two, so that the decoded text has the record's shape.
struct Workout {
  Text mark = u"0";
  Text number = u"01345678";
  Text date = u"20050412";
  Text centre = u"栗東";
  Text course = u"CW";
  Text going = u"良";
  std::array<Text, 7> slots = {u"", u"", u"  83.5", u"  67.1", u"  52.3", u"  38.4", u"  12.6"};
  Text lane = u"5";
  Text action = u"馬なり";
  Text trend = u"4";
  Text remark = u"";
};

int ByteWidth(char16_t c) {
  const bool half_width = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
  return half_width ? 1 : 2;
}

Text Fitted(const Text& item, int bytes) {
  Text out;
  for (char16_t c : item) {
    if (ByteWidth(c) > bytes) break;
    out += c;
    bytes -= ByteWidth(c);
  }
  return out + Text(static_cast<size_t>(bytes), u' ');
}

Text TextOf(const Workout& w) {
  Text text = Fitted(w.mark, 1) + Fitted(w.number, 8) + Fitted(w.date, 8) + Fitted(w.centre, 6) +
              Fitted(w.course, 2) + Fitted(w.going, 2);
  for (const Text& slot : w.slots) text += Fitted(slot, 6);
  return text + Fitted(w.lane, 1) + Fitted(w.action, 6) + Fitted(w.trend, 1) + Fitted(w.remark, 40);
}

// A text whose characters after the anchor are a ruler: the character at offset k is the k-th of
// these, so a slice shows where it was cut.
const Text kRuler = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// What one parse leaves in the tables of a workout.
struct Fields {
  Text date, centre, course, going, time_c, time_d, time_e, time_f, time_g, action, trend_code, remark;
  bool operator==(const Fields&) const = default;
};

void PrintTo(const Fields& f, std::ostream* os) {
  for (const Text* cell : {&f.date, &f.centre, &f.course, &f.going, &f.time_c, &f.time_d, &f.time_e,
                           &f.time_f, &f.time_g, &f.action, &f.trend_code, &f.remark}) {
    testsupport::PrintText(*cell, os);
    *os << ' ';
  }
}

Fields Workout2Of(const model::Meeting& m, int race, int runner) {
  const TrainingTables& t = m.Group<TrainingTables>();
  return {t.TrainDate2(race, runner),   t.TrainCentre2(race, runner),    t.TrainCourse2(race, runner),
          t.TrainGoing2(race, runner),  t.TrainTimeC2(race, runner),     t.TrainTimeD2(race, runner),
          t.TrainTimeE2(race, runner),  t.TrainTimeF2(race, runner),     t.TrainTimeG2(race, runner),
          t.TrainAction2(race, runner), t.TrainTrendCode2(race, runner), t.TrainRemark2(race, runner)};
}

Fields Workout3Of(const model::Meeting& m, int race, int runner) {
  const TrainingTables& t = m.Group<TrainingTables>();
  return {t.TrainDate3(race, runner),   t.TrainCentre3(race, runner),    t.TrainCourse3(race, runner),
          t.TrainGoing3(race, runner),  t.TrainTimeC3(race, runner),     t.TrainTimeD3(race, runner),
          t.TrainTimeE3(race, runner),  t.TrainTimeF3(race, runner),     t.TrainTimeG3(race, runner),
          t.TrainAction3(race, runner), t.TrainTrendCode3(race, runner), t.TrainRemark3(race, runner)};
}

void SetWorkout2(model::Meeting& m, int race, int runner, const Fields& f) {
  TrainingTables& t = m.Group<TrainingTables>();
  t.TrainDate2(race, runner) = f.date;
  t.TrainCentre2(race, runner) = f.centre;
  t.TrainCourse2(race, runner) = f.course;
  t.TrainGoing2(race, runner) = f.going;
  t.TrainTimeC2(race, runner) = f.time_c;
  t.TrainTimeD2(race, runner) = f.time_d;
  t.TrainTimeE2(race, runner) = f.time_e;
  t.TrainTimeF2(race, runner) = f.time_f;
  t.TrainTimeG2(race, runner) = f.time_g;
  t.TrainAction2(race, runner) = f.action;
  t.TrainTrendCode2(race, runner) = f.trend_code;
  t.TrainRemark2(race, runner) = f.remark;
}

const Fields kOld{u"old date", u"old centre", u"old course", u"old going",  u"old C",     u"old D",
                  u"old E",    u"old F",      u"old G",      u"old action", u"old trend", u"old remark"};

// Parses the text as workout 2 of the only runner of race 1, into tables that hold before.
Fields ParsedOver(const Fields& before, const Text& text) {
  model::Meeting m;
  m.Group<intake::RaceCardTables>().RunnerCount(1) = u"1";
  m.Group<intake::RaceCardTables>().TrainText2(1, 1) = text;
  SetWorkout2(m, 1, 1, before);
  ParseTrainingTexts(m, 1);
  return Workout2Of(m, 1, 1);
}

Fields Parsed(const Text& text) {
  return ParsedOver(Fields{}, text);
}

// Flat work is anchored at its going word, slope work at the course word; the times, the running
// manner and the trend code lie at fixed offsets from the anchor.
TEST(TrainingTextParsing, FlatAndSlopeWorkOfTheRecordLayout) {
  Workout slope{.course = u"坂",
                .going = u"",
                .slots = {u"", u"", u"", u"  55.3", u"  41.0", u"  27.4", u"  13.1"},
                .action = u"一杯追",
                .trend = u"1"};
  Workout slope_with_going = slope;
  slope_with_going.remark = u"重め";
  struct Case {
    const char* what;
    Workout workout;
    Fields expected;
  };
  const Case cases[] = {
      {"flat work on CW",
       Workout{},
       {u"20050412", u"栗東", u"CW", u"良", u"  83.5", u"67.1  ", u"52.3  ", u"38.4  ", u"12.6", u"馬なり",
        u"4", u""}},
      {"flat work with going 不 and no time in slot C",
       Workout{.centre = u"美南",
               .course = u"Ｗ",
               .going = u"不",
               .slots = {u"", u"", u"", u"  66.0", u"  51.2", u"  37.9", u"  12.4"}},
       {u"20050412", u"美南", u"Ｗ", u"不", u"      ", u"66.0  ", u"51.2  ", u"37.9  ", u"12.4", u"馬なり",
        u"4", u""}},
      {"slope work: going two blanks",
       slope,
       {u"20050412", u"栗東", u"坂", u"  ", u"      ", u"55.3  ", u"41.0  ", u"27.4  ", u"13.1", u"一杯追",
        u"1", u""}},
      {"slope work holding a going word is still slope work",
       slope_with_going,
       {u"20050412", u"栗東", u"坂", u"  ", u"      ", u"55.3  ", u"41.0  ", u"27.4  ", u"13.1", u"一杯追",
        u"1", u""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Parsed(TextOf(c.workout)), c.expected);
  }
}

TEST(TrainingTextParsing, SlicesAtTheirOffsetsFromTheAnchor) {
  struct Case {
    const char* what;
    Text text;
    Text going, time_c, time_d, time_e, time_f, time_g, action, trend_code;
  };
  const Case cases[] = {
      {"flat", u"2良" + kRuler, u"良", u"mnopqr", u"uvwxyz", u"ABCDEF", u"GHIJKL", u"MNOP", u"RST", u"U"},
      {"flat at the first of two going words", u"2良" + kRuler + u"良", u"良", u"mnopqr", u"uvwxyz",
       u"ABCDEF", u"GHIJKL", u"MNOP", u"RST", u"U"},
      {"slope", u"2坂" + kRuler, u"  ", u"qrstuv", u"wxyzAB", u"CDEFGH", u"IJKLMN", u"OPQR", u"TUV", u"W"},
      {"slope counting runs", u"2回坂" + kRuler, u"  ", u"qrstuv", u"wxyzAB", u"BCDEFG", u"HIJKLM", u"NOPQ",
       u"STU", u"V"},
      {"slope with the count anywhere after the anchor", u"2坂" + kRuler + u"回", u"  ", u"qrstuv", u"wxyzAB",
       u"BCDEFG", u"HIJKLM", u"NOPQ", u"STU", u"V"},
      {"text ends inside slice G", u"2良" + kRuler.substr(0, 41), u"良", u"mnopqr", u"uvwxyz", u"ABCDEF",
       u"GHIJKL", u"MNO", u"", u""},
      {"text ends inside slice D", u"2坂" + kRuler.substr(0, 25), u"  ", u"qrstuv", u"wxy", u"", u"", u"",
       u"", u""},
      {"flat anchor is the last character", u"2良", u"良", u"", u"", u"", u"", u"", u"", u""},
      {"slope anchor is the last character", u"2回坂", u"  ", u"", u"", u"", u"", u"", u"", u""},
      // The going words are tried in their order, each at its first place: 重 before 稍 wherever
      // each stands.
      {"稍 then 重 at the end", u"2稍" + kRuler + u"重", u"重", u"", u"", u"", u"", u"", u"", u""},
      {"不 before 稍", u"2稍不" + kRuler, u"不", u"mnopqr", u"uvwxyz", u"ABCDEF", u"GHIJKL", u"MNOP", u"RST",
       u"U"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Fields f = Parsed(c.text);
    EXPECT_EQ(f.going, c.going);
    EXPECT_EQ(f.time_c, c.time_c);
    EXPECT_EQ(f.time_d, c.time_d);
    EXPECT_EQ(f.time_e, c.time_e);
    EXPECT_EQ(f.time_f, c.time_f);
    EXPECT_EQ(f.time_g, c.time_g);
    EXPECT_EQ(f.action, c.action);
    EXPECT_EQ(f.trend_code, c.trend_code);
    EXPECT_EQ(f.remark, u"");
  }
}

// Centre and course are the first word of their list that the text holds anywhere, list order
// before place in the text.
TEST(TrainingTextParsing, CentreAndCourseWordsByListOrder) {
  struct Case {
    const char* what;
    Workout workout;
    Text centre, course;
  };
  const Case cases[] = {
      {"full-width Ｃ before CW", {.course = u"CW", .remark = u"Ｃ"}, u"栗東", u"Ｃ"},
      {"坂 before full-width Ｗ", {.course = u"Ｗ", .remark = u"坂"}, u"栗東", u"坂"},
      {"DW is not full-width Ｗ", {.course = u"DW"}, u"栗東", u"DW"},
      {"芝 before ダ", {.course = u"ダ", .remark = u"芝"}, u"栗東", u"芝"},
      {"half-width C alone is no course", {.course = u"C"}, u"栗東", u""},
      {"remark 海外遠征 gives course 外", {.course = u"", .remark = u"海外遠征"}, u"栗東", u"外"},
      {"remark 障害練習 gives course 障", {.course = u"", .remark = u"障害練習"}, u"栗東", u"障"},
      {"栗東 before 美北", {.centre = u"美北", .remark = u"栗東"}, u"栗東", u"CW"},
      {"プ－ル with the full-width hyphen-minus",
       {.centre = u"プ\uFF0Dル", .course = u"本"},
       u"プ\uFF0Dル",
       u"本"},
      {"プール with the long-vowel sign is no centre", {.centre = u"プ\u30FCル"}, u"", u"CW"},
      {"笠松", {.centre = u"笠松", .course = u"Ｄ"}, u"笠松", u"Ｄ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Fields f = Parsed(TextOf(c.workout));
    EXPECT_EQ(f.centre, c.centre);
    EXPECT_EQ(f.course, c.course);
  }
}

// Without a going word and without course 坂 there is no timed work: the remark is the first word of
// its list, two blanks when none, and the fields of timed work keep their text.
TEST(TrainingTextParsing, RemarkOfAWorkoutWithoutTimedWork) {
  struct Case {
    const char* what;
    Text remark, expected;
  };
  const Case cases[] = {
      {"連闘のため中間軽め before 中間軽め", u"連闘のため中間軽め", u"連闘のため中間軽め"},
      {"中間軽め alone", u"中間軽め", u"中間軽め"},
      {"雪で見えず", u"雪で見えず", u"雪で見えず"},
      {"トレセン調整", u"トレセン調整", u"トレセン調整"},
      {"キャンタ－ with the full-width hyphen-minus", u"キャンタ\uFF0D", u"キャンタ\uFF0D"},
      {"キャンター with the long-vowel sign", u"キャンタ\u30FC", u"  "},
      {"a remark of no list", u"併せ馬に先着", u"  "},
      {"no remark", u"", u"  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Workout untimed{.course = u"",
                          .going = u"",
                          .slots = {},
                          .lane = u"",
                          .action = u"",
                          .trend = u"",
                          .remark = c.remark};
    Fields expected = kOld;
    expected.date = u"20050412";
    expected.centre = u"栗東";
    expected.remark = c.expected;
    EXPECT_EQ(ParsedOver(kOld, TextOf(untimed)), expected);
  }
}

TEST(TrainingTextParsing, TimedWorkLeavesTheRemark) {
  Fields expected{u"20050412", u"栗東",   u"CW",   u"良",     u"  83.5", u"67.1  ",
                  u"52.3  ",   u"38.4  ", u"12.6", u"馬なり", u"4",      kOld.remark};
  EXPECT_EQ(ParsedOver(kOld, TextOf(Workout{.remark = u"中間軽め"})), expected);
}

// Centre and course words that the text does not hold leave what an earlier parse wrote; an empty
// course is not 坂, so a going word makes flat work.
TEST(TrainingTextParsing, MissingWordsKeepTheirCells) {
  const Text text = TextOf(Workout{.centre = u"", .course = u""});
  Fields before;
  before.centre = u"美南";
  before.course = u"Ａ";
  const Fields kept = ParsedOver(before, text);
  EXPECT_EQ(kept.centre, u"美南");
  EXPECT_EQ(kept.course, u"Ａ");
  EXPECT_EQ(kept.going, u"良");
  const Fields fresh = Parsed(text);
  EXPECT_EQ(fresh.centre, u"");
  EXPECT_EQ(fresh.course, u"");
  EXPECT_EQ(fresh.going, u"良");
  EXPECT_EQ(fresh.time_c, u"  83.5");
}

// The date is the eight characters from the first "2" of the text, wherever that stands.
TEST(TrainingTextParsing, DateStartsAtTheFirstTwo) {
  struct Case {
    const char* what;
    Workout workout;
    Text date;
  };
  const Case cases[] = {
      {"date of the record", {}, u"20050412"},
      {"a 2 in the number", {.number = u"00000200"}, u"20020050"},
      {"a 2 as the mark", {.mark = u"2"}, u"20134567"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Parsed(TextOf(c.workout)).date, c.date);
  }
  EXPECT_EQ(Parsed(u"xx2").date, u"2");
}

// A text without a "2" holds no workout: nothing of it is written, and the runner's other workout is
// parsed all the same.
TEST(TrainingTextParsing, TextWithoutATwoWritesNothing) {
  const Workout no_workout{.mark = u" ",
                           .number = u"",
                           .date = u"",
                           .centre = u"",
                           .course = u"",
                           .going = u"",
                           .slots = {},
                           .lane = u"",
                           .action = u"",
                           .trend = u"",
                           .remark = u"トレセン調整"};
  for (const Text& text : {TextOf(no_workout), Text(), Text(u"良坂")}) {
    SCOPED_TRACE(model::ToUtf8(text));
    model::Meeting m;
    intake::RaceCardTables& card = m.Group<intake::RaceCardTables>();
    card.RunnerCount(1) = u"1";
    card.TrainText2(1, 1) = text;
    card.TrainText3(1, 1) = TextOf(Workout{});
    SetWorkout2(m, 1, 1, kOld);
    ParseTrainingTexts(m, 1);
    EXPECT_EQ(Workout2Of(m, 1, 1), kOld);
    EXPECT_EQ(Workout3Of(m, 1, 1).time_g, u"12.6");
  }
}

// The runner count bounds the parse: its leading number, at most the 28 runners the tables hold,
// none for a count without a number or below 1. Other races are not touched.
TEST(TrainingTextParsing, RunnersOneToTheCountOfTheRace) {
  struct Case {
    Text count;
    int last_runner;
  };
  const Case cases[] = {{u"16", 16}, {u" 5", 5}, {u"28", 28}, {u"30", 28}, {u"99", 28},
                        {u"2.7", 2}, {u"0", 0},  {u"", 0},    {u"-3", 0},  {u"**", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.count));
    model::Meeting m;
    intake::RaceCardTables& card = m.Group<intake::RaceCardTables>();
    card.RunnerCount(3) = c.count;
    card.RunnerCount(4) = u"28";
    for (int runner = 1; runner <= 28; ++runner) {
      card.TrainText2(3, runner) = TextOf(Workout{});
      card.TrainText3(3, runner) = TextOf(Workout{.date = u"20050405"});
      card.TrainText2(4, runner) = TextOf(Workout{});
    }
    ParseTrainingTexts(m, 3);
    for (int runner = 1; runner <= 28; ++runner) {
      const bool parsed = runner <= c.last_runner;
      EXPECT_EQ(Workout2Of(m, 3, runner).date, parsed ? u"20050412" : u"") << runner;
      EXPECT_EQ(Workout3Of(m, 3, runner).date, parsed ? u"20050405" : u"") << runner;
      EXPECT_EQ(Workout2Of(m, 4, runner).date, u"") << runner;
    }
  }
}

TEST(TrainingTextParsing, RaceOutsideTheMeetingIsIgnored) {
  for (int race : {0, 13, -1}) {
    model::Meeting m;
    EXPECT_NO_THROW(ParseTrainingTexts(m, race)) << race;
  }
}

}  // namespace
}  // namespace basic
