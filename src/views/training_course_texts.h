#pragma once
// The display text of a workout as the training window shows it in its course column: the date as
// MM/DD, the training centre's letter, the course and the going, one after another.

#include "model/meeting.h"
#include "model/text.h"

namespace views {

// MM/DD from characters 5 to 8 of a held workout's date, else one blank (also for a date with a "1"
// and no "2", which no date from the year 2000 on is).
model::Text WorkoutDatePart(const model::Text& date);

// The letter of the first centre the text contains, tried as 栗東, 美南, 美北, 函館, 笠松, プ－ル;
// one blank for none.
model::Text CentreLetter(const model::Text& centre);

// Date part, centre letter, trimmed course and trimmed going; two blanks for a date of exactly eight
// blanks (the race card's field of a runner without a workout).
model::Text WorkoutCourseText(const model::Text& date, const model::Text& centre, const model::Text& course,
                              const model::Text& going);

// Writes TrainCourseText1 to TrainCourseText3 of runners 1 to runner_count of race (1 to 12), at most
// the 18 runners the window holds; a race outside 1 to 12 writes nothing.
void BuildTrainCourseTexts(model::Meeting& meeting, int race, int runner_count);

}  // namespace views
