#include "basic/past_run_evaluation.h"

#include <string_view>
#include <utility>

#include "basetime/base_time_tables.h"
#include "basic/basic_analysis_tables.h"
#include "basic/value_texts.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/codes.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "model/text_ops.h"

namespace basic {

namespace {

using model::Text;

const Text kZeroTerm = u" 0";
const Text kTurf = u"1";
const Text kDirt = u"0";
const Text kSlowPace = u"2";
const Text kTrouble = u"あり";

constexpr int kGoodGoing = 1;
constexpr int kWorstGoing = 4;
constexpr double kLongestDistance = 2400;
constexpr double kEvaluationDistance = 1600;
constexpr double kBaseWeight = 55;

double Value(const Text& text) {
  return model::TextToNumber(text);
}

Text Plain(double value) {
  return model::NumberToText(value);
}

Text Signed(double value) {
  return model::NumberToSpacedText(value);
}

// The standard-time column of a distance text: 1 to 12 for the twelve distances as written ("1600"),
// 0 for any other text. Every distance is written with four ASCII digits, so any other text is none.
int DistanceColumn(std::u16string_view distance) {
  constexpr size_t kDigits = 4;
  if (distance.size() != kDigits) return 0;
  int metres = 0;
  for (const char16_t c : distance) {
    if (c < u'0' || c > u'9') return 0;
    metres = metres * 10 + (c - u'0');
  }
  return model::StdDistanceIndex(metres);
}

// 1 (良) to 4 (不良) for the going codes "0" to "3", 0 for any other text.
int GoingIndex(const Text& going_code) {
  for (size_t k = 0; k < model::GoingCodes.size(); ++k) {
    if (going_code == model::GoingCodes[k].code) return static_cast<int>(k) + 1;
  }
  return 0;
}

// Seconds of a time text "m.ss.t": "1.34.3" gives 94.3, "なし" 0.
double Seconds(const Text& time_text) {
  return 60 * model::TextToNumber(model::MidView(time_text, 1, 1)) +
         model::TextToNumber(model::MidView(time_text, 3, 2)) +
         model::TextToNumber(model::MidView(time_text, 6, 1)) / 10;
}

// What going of index 2 to 4 costs a run over distance; nothing on good going.
double TurfGoingCost(int going, double distance) {
  constexpr double kFactors[] = {0.5, 1, 0.9};
  if (going <= kGoodGoing || going > kWorstGoing) return 0;
  return model::FloorNumber(distance / 10 * kFactors[going - 2] / 20) + 1;
}

// Heavy dirt (index 3) weighs 0.5 here, unlike in the base-time build.
double DirtGoingCost(int going, double distance) {
  constexpr double kFactors[] = {0.6, 0.5, 0.2};
  if (going <= kGoodGoing || going > kWorstGoing) return 0;
  return model::FloorNumber(distance / 100 * (distance / 100) * kFactors[going - 2] / 23) + 1;
}

const model::TextTable& StdTimes(const model::Meeting& meeting, bool turf) {
  const basetime::BaseTimeTables& base = meeting.Group<basetime::BaseTimeTables>();
  return turf ? base.TurfStdTime : base.DirtStdTime;
}

}  // namespace

// What the evaluation reads of one past run. The texts are the past-run cells themselves, which the
// evaluation never writes.
struct PastRunEvaluation::Run {
  int course_row;
  int distance_column;
  const Text& surface;
  int going;
  double distance;
  double seconds;  // as its plain text reads back
  const Text& pace_code;
  const Text& trouble_flag;
  const Text& date;
  const Text& weight_term;
  double weight_value;  // as weight_term reads

  bool Measurable() const { return course_row != 0 && distance_column != 0 && seconds != 0; }
};

// The thirteen texts of one run.
struct PastRunEvaluation::Outcome {
  Text turf_time, dirt_time, weight_term, turf_weighted, dirt_weighted, pace_term, trouble_term, going_term,
      turf_eval, dirt_eval, turf_eval_text, dirt_eval_text, day_number;
};

PastRunEvaluation::PastRunEvaluation(model::Meeting& meeting, int race, int going_index)
    : meeting_(meeting), race_(race), today_going_(going_index + 1) {
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  today_row_ = model::StdCourseIndex(card.RaceCourseCode(race));
  today_column_ = DistanceColumn(card.RaceDistance(race));
  BasicAnalysisTables& out = meeting.Group<BasicAnalysisTables>();
  for (const bool turf : {true, false}) {
    Text& today = turf ? out.TodayTurfStdTime() : out.TodayDirtStdTime();
    today.clear();
    if (today_row_ == 0 || today_column_ == 0) continue;
    const Text& std_time = StdTimes(meeting, turf)(today_row_, today_column_);
    const double seconds = Value(std_time);
    (turf ? today_turf_std_ : today_dirt_std_) = seconds;
    if (seconds != 0) today = std_time;
  }
}

void PastRunEvaluation::EvaluatePastRuns(int runner) {
  if (!model::IsAnalysedRunner(runner)) return;
  const double weight = Value(meeting_.Group<intake::RaceCardTables>().WeightLabel(race_, runner));
  const Text weight_term = Plain(2 * (kBaseWeight - weight));
  const double weight_value = Value(weight_term);
  for (int run = model::kPastRuns; run >= 1; --run) {
    const Run facts = ReadRun(runner, run, weight_term, weight_value);
    if (facts.Measurable()) {
      Write(runner, run, Evaluate(facts));
    } else {
      CarryOver(facts);
      WriteNotMeasurable(runner, run);
    }
  }
}

PastRunEvaluation::Run PastRunEvaluation::ReadRun(int runner, int run, const Text& weight_term,
                                                  double weight_value) const {
  const intake::PastRunTables& past = meeting_.Group<intake::PastRunTables>();
  const Text& distance = past.RunDistance[run](race_, runner);
  return Run{
      .course_row = model::StdCourseIndex(past.RunCourseCode[run](race_, runner)),
      .distance_column = DistanceColumn(distance),
      .surface = past.RunSurfaceCode[run](race_, runner),
      .going = GoingIndex(past.RunGoingCode[run](race_, runner)),
      .distance = Value(distance),
      .seconds = model::NumberThroughText(Seconds(past.RunTimeText[run](race_, runner))),
      .pace_code = past.RunPaceCode[run](race_, runner),
      .trouble_flag = past.RunTroubleFlag[run](race_, runner),
      .date = past.RunDateText[run](race_, runner),
      .weight_term = weight_term,
      .weight_value = weight_value,
  };
}

PastRunEvaluation::Outcome PastRunEvaluation::Evaluate(const Run& run) {
  Outcome o;
  o.turf_time = TimeValue(run, true);
  o.dirt_time = TimeValue(run, false);
  o.weight_term = run.weight_term;
  auto weighted = [&](const Text& time_value) {
    return time_value == kNoValue ? kNoValue : Plain(Value(time_value) + run.weight_value);
  };
  o.turf_weighted = weighted(o.turf_time);
  o.dirt_weighted = weighted(o.dirt_time);
  o.pace_term = run.pace_code == kSlowPace ? Plain(model::FloorNumber(run.distance / 200) + 1) : kZeroTerm;
  TakeTroubleTerm(run);
  o.trouble_term = trouble_term_;
  TakeGoingTerm(run);
  o.going_term = going_term_;
  auto evaluation = [&](const Text& weighted_value) {
    if (weighted_value == kNoValue) return kNoValue;
    return Signed(Value(weighted_value) - (Value(o.trouble_term) + Value(o.pace_term) - Value(o.going_term)));
  };
  o.turf_eval = evaluation(o.turf_weighted);
  o.dirt_eval = evaluation(o.dirt_weighted);
  o.turf_eval_text = SignedValueText(o.turf_eval);
  o.dirt_eval_text = SignedValueText(o.dirt_eval);
  o.day_number = day_numbers_.Next(run.date);
  return o;
}

// A run that shows nothing still hands its trouble term, going values and date on to the next run.
void PastRunEvaluation::CarryOver(const Run& run) {
  TakeTroubleTerm(run);
  TakeGoingTerm(run);
  day_numbers_.Next(run.date);
}

// Tenths of a second behind the standard time of the run's own course and distance, per 1600 m, scaled
// by the standard times of the run's course and today's course at today's distance. "---" for a run
// not measured on that surface, and where a standard time the step needs is missing or 0.
Text PastRunEvaluation::TimeValue(const Run& run, bool turf) const {
  if (run.surface != (turf ? kTurf : kDirt)) return kNoValue;
  if (today_row_ == 0 || today_column_ == 0) return kNoValue;
  const model::TextTable& std_times = StdTimes(meeting_, turf);
  const double own = Value(std_times(run.course_row, run.distance_column));
  const double own_at_today = Value(std_times(run.course_row, today_column_));
  const double today = turf ? today_turf_std_ : today_dirt_std_;
  if (own == 0 || own_at_today == 0 || today == 0) return kNoValue;
  const double behind = model::NumberThroughText((run.seconds - own) * 10);
  const double per_mile =
      model::NumberThroughText(model::FloorNumber(kEvaluationDistance / run.distance * behind * 10) / 10);
  return Signed(model::FloorNumber(own_at_today / today * per_mile) + 1);
}

// A flag other than "あり" and "なし" keeps the term of the run before; so does a run of no distance.
void PastRunEvaluation::TakeTroubleTerm(const Run& run) {
  if (run.trouble_flag == intake::kNone) {
    trouble_term_ = kZeroTerm;
  } else if (run.trouble_flag == kTrouble && run.distance != 0) {
    trouble_term_ = Plain(model::FloorNumber(9600 / run.distance) + 1);
  }
}

// The going correction takes the run to good going, the going term from there to today's going. A
// stage whose run gives it nothing to go by keeps the value of the run before.
void PastRunEvaluation::TakeGoingTerm(const Run& run) {
  const bool turf = run.surface == kTurf;
  if (run.distance > kLongestDistance || (!turf && run.surface != kDirt)) return;
  if (run.going >= kGoodGoing && run.going <= kWorstGoing) {
    going_correction_ = turf ? Plain(-TurfGoingCost(run.going, run.distance))
                             : Plain(+DirtGoingCost(run.going, run.distance));
  }
  going_term_ = turf ? Plain(Value(going_correction_) + TurfGoingCost(today_going_, run.distance))
                     : Plain(Value(going_correction_) - DirtGoingCost(today_going_, run.distance));
}

void PastRunEvaluation::Write(int runner, int run, Outcome&& o) {
  BasicAnalysisTables& t = meeting_.Group<BasicAnalysisTables>();
  t.RunTurfTime[run](runner) = std::move(o.turf_time);
  t.RunDirtTime[run](runner) = std::move(o.dirt_time);
  t.RunWeightTerm[run](runner) = std::move(o.weight_term);
  t.RunTurfWeighted[run](runner) = std::move(o.turf_weighted);
  t.RunDirtWeighted[run](runner) = std::move(o.dirt_weighted);
  t.RunPaceTerm[run](runner) = std::move(o.pace_term);
  t.RunTroubleTerm[run](runner) = std::move(o.trouble_term);
  t.RunGoingTerm[run](runner) = std::move(o.going_term);
  t.RunTurfEval[run](runner) = std::move(o.turf_eval);
  t.RunDirtEval[run](runner) = std::move(o.dirt_eval);
  t.RunTurfEvalText[run](runner) = std::move(o.turf_eval_text);
  t.RunDirtEvalText[run](runner) = std::move(o.dirt_eval_text);
  t.RunDayNumber[run](race_, runner) = std::move(o.day_number);
}

// A run at no central course, at none of the twelve distances or without a time shows nothing at all.
void PastRunEvaluation::WriteNotMeasurable(int runner, int run) {
  BasicAnalysisTables& t = meeting_.Group<BasicAnalysisTables>();
  for (model::AnalysedRunnerFamily* family :
       {&t.RunTurfTime, &t.RunDirtTime, &t.RunWeightTerm, &t.RunTurfWeighted, &t.RunDirtWeighted,
        &t.RunPaceTerm, &t.RunTroubleTerm, &t.RunGoingTerm, &t.RunTurfEval, &t.RunDirtEval,
        &t.RunTurfEvalText, &t.RunDirtEvalText}) {
    (*family)[run](runner) = kNoValue;
  }
  t.RunDayNumber[run](race_, runner) = kNoValue;
}

}  // namespace basic
