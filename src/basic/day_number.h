#pragma once
// Day numbers of Heisei dates: years of 365 days and no leap days, 1 January of Heisei 10 being day 1,
// so that the days between two dates are the difference of their day numbers.

#include <optional>
#include <string_view>

#include "model/text.h"

namespace basic {

// The day number of a date from its year offset, the days before its month and its day.
double DayNumber(double year_offset, double days_before_month, double day);

// 365 x (yy - 10) for a year of two digits ("10" gives 0, "09" gives -365); nothing for any other text.
std::optional<double> YearOffset(std::u16string_view year_digits);

// The days before the month in a year of 365 days for "01" to "12" ("03" gives 59); nothing otherwise.
std::optional<double> DaysBeforeMonth(std::u16string_view month_digits);

// Today's day number from the race date ("H12.10.15" gives "1018") as plain text: an era text other
// than "H" and two digits counts as year 10; the empty text when characters 5 and 6 are no month.
model::Text TodayDayNumberText(const model::Text& race_date);

// The day numbers of the past runs of one analysis, taken in the order the runs are evaluated. A date
// whose year cannot be read takes the year of the run before it, and one whose month cannot be read
// the day number of the run before it (the empty text when no run before had one).
class RunDayNumbers {
 public:
  // The day number of a run's date (yyMMDD) as plain text; "---" for a run without a date ("なし").
  model::Text Next(const model::Text& date_text);

 private:
  // The year offset as its plain text reads back; 0 (the empty text) until a date gives one.
  double year_offset_ = 0;
  model::Text day_number_;
};

}  // namespace basic
