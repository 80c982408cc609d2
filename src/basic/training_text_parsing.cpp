#include "basic/training_text_parsing.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "basetime/runner_range.h"
#include "basic/training_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/text_ops.h"

namespace basic {
namespace {

using model::Text;

// The first "2" of a workout text starts its date; a text without one holds no workout.
constexpr std::u16string_view kDateStart = u"2";
constexpr int kDateLength = 8;

// Each list is searched in its order; the first word found anywhere in the text is taken.
constexpr std::array<std::u16string_view, 6> kCentreWords{u"栗東", u"美南", u"美北",
                                                          u"函館", u"笠松", u"プ－ル"};
constexpr std::array<std::u16string_view, 16> kCourseWords{u"Ａ", u"Ｂ", u"Ｃ", u"CW", u"Ｄ", u"Ｅ",
                                                           u"本", u"内", u"芝", u"ダ", u"障", u"牧",
                                                           u"坂", u"Ｗ", u"DW", u"外"};
constexpr std::array<std::u16string_view, 4> kGoingWords{u"良", u"重", u"不", u"稍"};
constexpr std::array<std::u16string_view, 7> kRemarkWords{u"連闘のため中間軽め", u"中間軽め", u"雪で見えず",
                                                          u"障害練習",           u"海外遠征", u"キャンタ－",
                                                          u"トレセン調整"};

// The course of slope work, which has no going; a text that counts the runs up the slope holds the
// full-width count mark among its times, and its fields from slice E on lie one character earlier.
constexpr std::u16string_view kSlopeCourse = u"坂";
constexpr std::u16string_view kRunsMark = u"回";
// The going of slope work and the remark of a workout without timed work or known remark.
constexpr std::u16string_view kBlankWord = u"  ";

// Where the cut fields start, counted from the anchor of the work: the going word of flat work, the
// course word of slope work. Centre, course and going may be full-width, so only the fields after
// the anchor lie at known places.
struct CutOffsets {
  int time_c;
  int time_d;
  int time_e;
  int time_f;
  int time_g;
  int action;
  int trend_code;
};
constexpr CutOffsets kFlatWork{13, 21, 27, 33, 39, 44, 47};
constexpr CutOffsets kSlopeWork{17, 23, 29, 35, 41, 46, 49};
constexpr CutOffsets kSlopeWorkCountingRuns{17, 23, 28, 34, 40, 45, 48};
constexpr int kTimeLength = 6;
constexpr int kLastTimeLength = 4;
constexpr int kActionLength = 3;
constexpr int kTrendCodeLength = 1;

// The cells of one runner's workout.
struct WorkoutCells {
  Text& date;
  Text& centre;
  Text& course;
  Text& going;
  Text& time_c;
  Text& time_d;
  Text& time_e;
  Text& time_f;
  Text& time_g;
  Text& action;
  Text& trend_code;
  Text& remark;
};

WorkoutCells Workout2CellsOf(TrainingTables& t, int race, int runner) {
  return {t.TrainDate2(race, runner),   t.TrainCentre2(race, runner),    t.TrainCourse2(race, runner),
          t.TrainGoing2(race, runner),  t.TrainTimeC2(race, runner),     t.TrainTimeD2(race, runner),
          t.TrainTimeE2(race, runner),  t.TrainTimeF2(race, runner),     t.TrainTimeG2(race, runner),
          t.TrainAction2(race, runner), t.TrainTrendCode2(race, runner), t.TrainRemark2(race, runner)};
}

WorkoutCells Workout3CellsOf(TrainingTables& t, int race, int runner) {
  return {t.TrainDate3(race, runner),   t.TrainCentre3(race, runner),    t.TrainCourse3(race, runner),
          t.TrainGoing3(race, runner),  t.TrainTimeC3(race, runner),     t.TrainTimeD3(race, runner),
          t.TrainTimeE3(race, runner),  t.TrainTimeF3(race, runner),     t.TrainTimeG3(race, runner),
          t.TrainAction3(race, runner), t.TrainTrendCode3(race, runner), t.TrainRemark3(race, runner)};
}

// A workout text with the set of its characters (by their low byte), so that a word holding a
// character the text lacks is known to be absent without a search: most of the words looked for are.
class SearchedText {
 public:
  explicit SearchedText(const Text& text) : text_(text) {
    for (const char16_t c : text) bits_[Slot(c)] |= Bit(c);
  }

  // 1-based position of the first occurrence, 0 when the text does not hold the word. Every word
  // searched for has characters, so this is InStr from the first character.
  int PositionOf(std::u16string_view word) const {
    for (const char16_t c : word) {
      if ((bits_[Slot(c)] & Bit(c)) == 0) return 0;
    }
    const size_t found = std::u16string_view(text_).find(word);
    return found == std::u16string_view::npos ? 0 : static_cast<int>(found) + 1;
  }

 private:
  static size_t Slot(char16_t c) { return (c >> 6) & 3U; }
  static std::uint64_t Bit(char16_t c) { return std::uint64_t{1} << (c & 63U); }

  const Text& text_;
  std::array<std::uint64_t, 4> bits_{};
};

int PositionIn(const SearchedText& text, std::u16string_view word) {
  return text.PositionOf(word);
}

std::optional<Text> FirstWordIn(const SearchedText& text, std::span<const std::u16string_view> words) {
  for (std::u16string_view word : words) {
    if (PositionIn(text, word) > 0) return Text(word);
  }
  return std::nullopt;
}

struct TimedWork {
  Text going;
  int anchor;
  CutOffsets offsets;
};

std::optional<TimedWork> FlatWorkOf(const SearchedText& text) {
  for (std::u16string_view going : kGoingWords) {
    const int position = PositionIn(text, going);
    if (position > 0) return TimedWork{Text(going), position, kFlatWork};
  }
  return std::nullopt;
}

TimedWork SlopeWorkOf(const SearchedText& text) {
  const bool counts_runs = PositionIn(text, kRunsMark) > 0;
  return {Text(kBlankWord), PositionIn(text, kSlopeCourse),
          counts_runs ? kSlopeWorkCountingRuns : kSlopeWork};
}

// The course decides the kind of work as its cell holds it after this text's course search: when the
// text has no course word, that is the word an earlier parse left.
std::optional<TimedWork> TimedWorkOf(const SearchedText& text, const Text& course) {
  if (course == kSlopeCourse) return SlopeWorkOf(text);
  return FlatWorkOf(text);
}

// A slice that runs past the end of the text is shorter, down to the empty text.
void WriteTimedWork(const Text& text, const TimedWork& work, WorkoutCells& cells) {
  const auto cut = [&](Text& cell, int offset, int length) {
    cell.assign(model::MidView(text, work.anchor + offset, length));
  };
  const CutOffsets& at = work.offsets;
  cells.going = work.going;
  cut(cells.time_c, at.time_c, kTimeLength);
  cut(cells.time_d, at.time_d, kTimeLength);
  cut(cells.time_e, at.time_e, kTimeLength);
  cut(cells.time_f, at.time_f, kTimeLength);
  cut(cells.time_g, at.time_g, kLastTimeLength);
  cut(cells.action, at.action, kActionLength);
  cut(cells.trend_code, at.trend_code, kTrendCodeLength);
}

void ParseWorkoutText(const Text& whole, WorkoutCells cells) {
  const SearchedText text(whole);
  const int date_start = PositionIn(text, kDateStart);
  if (date_start == 0) return;
  cells.date.assign(model::MidView(whole, date_start, kDateLength));
  if (std::optional<Text> centre = FirstWordIn(text, kCentreWords)) cells.centre = *centre;
  if (std::optional<Text> course = FirstWordIn(text, kCourseWords)) cells.course = *course;
  if (std::optional<TimedWork> work = TimedWorkOf(text, cells.course)) {
    WriteTimedWork(whole, *work, cells);
    return;
  }
  cells.remark = FirstWordIn(text, kRemarkWords).value_or(Text(kBlankWord));
}

}  // namespace

void ParseTrainingTexts(model::Meeting& meeting, int race) {
  if (!model::IsRace(race)) return;
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  TrainingTables& training = meeting.Group<TrainingTables>();
  const int runners = basetime::LastRunnerOf(meeting, race);
  for (int runner = 1; runner <= runners; ++runner) {
    ParseWorkoutText(card.TrainText2(race, runner), Workout2CellsOf(training, race, runner));
    ParseWorkoutText(card.TrainText3(race, runner), Workout3CellsOf(training, race, runner));
  }
}

}  // namespace basic
