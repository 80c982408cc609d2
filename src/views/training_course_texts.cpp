#include "views/training_course_texts.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/meeting_shape.h"
#include "model/text_ops.h"
#include "views/training_workouts.h"

namespace views {

using model::Text;

namespace {

constexpr int kRunnerRows = 18;  // the training grids' runner rows

const Text kDateSeparator = u"/";
const Text kBlank = u" ";
const Text kNoWorkout = u"  ";
const Text kNoDate = model::Spaces(8);

// Each centre's name and the letter shown for it, in the order they are tried.
const std::array<std::pair<Text, Text>, 6> kCentres = {{
    {u"栗東", u"栗"},
    {u"美南", u"南"},
    {u"美北", u"北"},
    {u"函館", u"函"},
    {u"笠松", u"笠"},
    {u"プ－ル", u"プ"},
}};

}  // namespace

Text WorkoutDatePart(const Text& date) {
  if (!IsHeldWorkout(date)) return kBlank;
  return model::Mid(date, 5, 2) + kDateSeparator + model::Mid(date, 7, 2);
}

Text CentreLetter(const Text& centre) {
  for (const auto& [name, letter] : kCentres) {
    if (model::InStr(centre, name) > 0) return letter;
  }
  return kBlank;
}

Text WorkoutCourseText(const Text& date, const Text& centre, const Text& course, const Text& going) {
  if (date == kNoDate) return kNoWorkout;
  return WorkoutDatePart(date) + CentreLetter(centre) + model::Trim(course) + model::Trim(going);
}

void BuildTrainCourseTexts(model::Meeting& meeting, int race, int runner_count) {
  if (!model::IsRace(race)) return;
  const int last = std::min(runner_count, kRunnerRows);
  for (int i = 1; i <= last; ++i) {
    for (int k = 1; k <= kWorkouts; ++k) {
      const WorkoutTables w = TablesOfWorkout(meeting, k);
      w.course_text(race, i) =
          WorkoutCourseText(w.date(race, i), w.centre(race, i), w.course(race, i), w.going(race, i));
    }
  }
}

}  // namespace views
