#include "views/training_workouts.h"

#include <stdexcept>

#include "basic/training_tables.h"
#include "intake/race_card_tables.h"
#include "model/text_ops.h"
#include "views/training_view_tables.h"

namespace views {

using model::Text;

namespace {

const Text kHeldMark = u"2";
const Text kSlopeMark = u"坂";
const Text kNoRemark = u"  ";

}  // namespace

WorkoutTables TablesOfWorkout(model::Meeting& meeting, int k) {
  auto& card = meeting.Group<intake::RaceCardTables>();
  auto& parsed = meeting.Group<basic::TrainingTables>();
  auto& texts = meeting.Group<TrainingViewTables>();
  switch (k) {
    case 1:
      return {card.TrainDate1,  card.TrainCentre1, card.TrainCourse1, card.TrainGoing1,
              card.TrainTimeC1, card.TrainTimeD1,  card.TrainTimeE1,  card.TrainTimeF1,
              card.TrainTimeG1, card.TrainAction1, card.TrainRemark1, texts.TrainCourseText1};
    case 2:
      return {parsed.TrainDate2,  parsed.TrainCentre2, parsed.TrainCourse2, parsed.TrainGoing2,
              parsed.TrainTimeC2, parsed.TrainTimeD2,  parsed.TrainTimeE2,  parsed.TrainTimeF2,
              parsed.TrainTimeG2, parsed.TrainAction2, parsed.TrainRemark2, texts.TrainCourseText2};
    case 3:
      return {parsed.TrainDate3,  parsed.TrainCentre3, parsed.TrainCourse3, parsed.TrainGoing3,
              parsed.TrainTimeC3, parsed.TrainTimeD3,  parsed.TrainTimeE3,  parsed.TrainTimeF3,
              parsed.TrainTimeG3, parsed.TrainAction3, parsed.TrainRemark3, texts.TrainCourseText3};
    default:
      throw std::out_of_range("workout number outside 1 to 3");
  }
}

bool IsHeldWorkout(const Text& date) {
  return model::InStr(date, kHeldMark) > 0;
}

bool IsSlopeWorkout(const Text& course_text) {
  return model::InStr(course_text, kSlopeMark) > 0;
}

bool HasWorkoutRemark(const Text& remark) {
  return remark != kNoRemark;
}

}  // namespace views
