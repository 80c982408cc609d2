#include "basic/training_trend_words.h"

#include <gtest/gtest.h>

#include "basic/training_tables.h"
#include "basic/training_text_parsing.h"
#include "intake/race_card_tables.h"

namespace basic {
namespace {

using model::Text;

const Text kNoWord = u"    ";

// The word of a code by the code's leading number: 1 to 5 have words, anything else four blanks.
TEST(TrainingTrendWords, WordOfEachCode) {
  struct Case {
    Text code, word;
  };
  const Case cases[] = {
      {u"1", u"一変"},  {u"2", u"平行"}, {u"3", u"悪化"}, {u"4", u"良化"},  {u"5", u"下降"},
      {u" 3", u"悪化"}, {u"0", kNoWord}, {u"6", kNoWord}, {u"9", kNoWord},  {u"", kNoWord},
      {u" ", kNoWord},  {u"-", kNoWord}, {u"x", kNoWord}, {u"-1", kNoWord},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.code));
    model::Meeting m;
    m.Group<intake::RaceCardTables>().RunnerCount(2) = u"1";
    m.Group<intake::RaceCardTables>().TrainTrendCode1(2, 1) = c.code;
    WriteTrainingTrendWords(m, 2);
    EXPECT_EQ(m.Group<TrainingTables>().TrainTrendWord1(2, 1), c.word);
  }
}

// Each workout's word comes from its own code: workout 1's from the race card, those of 2 and 3 from
// the parse. Every word is written, also over an earlier word when the code has none.
TEST(TrainingTrendWords, EachWorkoutFromItsOwnCode) {
  model::Meeting m;
  TrainingTables& t = m.Group<TrainingTables>();
  m.Group<intake::RaceCardTables>().RunnerCount(1) = u"2";
  m.Group<intake::RaceCardTables>().TrainTrendCode1(1, 1) = u"1";
  t.TrainTrendCode2(1, 1) = u"3";
  t.TrainTrendCode3(1, 1) = u"5";
  for (Text* word : {&t.TrainTrendWord1(1, 2), &t.TrainTrendWord2(1, 2), &t.TrainTrendWord3(1, 2)}) {
    *word = u"一変";
  }
  WriteTrainingTrendWords(m, 1);
  EXPECT_EQ(t.TrainTrendWord1(1, 1), u"一変");
  EXPECT_EQ(t.TrainTrendWord2(1, 1), u"悪化");
  EXPECT_EQ(t.TrainTrendWord3(1, 1), u"下降");
  EXPECT_EQ(t.TrainTrendWord1(1, 2), kNoWord);
  EXPECT_EQ(t.TrainTrendWord2(1, 2), kNoWord);
  EXPECT_EQ(t.TrainTrendWord3(1, 2), kNoWord);
}

// A workout text without timed work gives the parse no trend code, so its word is four blanks.
TEST(TrainingTrendWords, WorkoutWithoutTimedWorkHasNoWord) {
  model::Meeting m;
  intake::RaceCardTables& card = m.Group<intake::RaceCardTables>();
  card.RunnerCount(1) = u"1";
  card.TrainText2(1, 1) = u"020050412栗東    中間軽め";
  card.TrainText3(1, 1) = u"020050405栗東CW良" + Text(46, u' ') + u"4";
  ParseTrainingTexts(m, 1);
  WriteTrainingTrendWords(m, 1);
  const TrainingTables& t = m.Group<TrainingTables>();
  EXPECT_EQ(t.TrainRemark2(1, 1), u"中間軽め");
  EXPECT_EQ(t.TrainTrendWord2(1, 1), kNoWord);
  EXPECT_EQ(t.TrainTrendWord3(1, 1), u"良化");
}

// Runners 1 to the race's count, at most the 28 the tables hold; none for a count of 0.
TEST(TrainingTrendWords, RunnersOneToTheCountOfTheRace) {
  struct Case {
    Text count;
    int last_runner;
  };
  for (const Case& c : {Case{u"18", 18}, Case{u"28", 28}, Case{u"35", 28}, Case{u"0", 0}, Case{u"", 0}}) {
    SCOPED_TRACE(model::ToUtf8(c.count));
    model::Meeting m;
    m.Group<intake::RaceCardTables>().RunnerCount(12) = c.count;
    WriteTrainingTrendWords(m, 12);
    for (int runner = 1; runner <= 28; ++runner) {
      EXPECT_EQ(m.Group<TrainingTables>().TrainTrendWord3(12, runner),
                runner <= c.last_runner ? kNoWord : u"")
          << runner;
    }
  }
}

TEST(TrainingTrendWords, RaceOutsideTheMeetingIsIgnored) {
  for (int race : {0, 13}) {
    model::Meeting m;
    EXPECT_NO_THROW(WriteTrainingTrendWords(m, race)) << race;
  }
}

}  // namespace
}  // namespace basic
