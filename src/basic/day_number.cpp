#include "basic/day_number.h"

#include <array>
#include <string_view>

#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"

namespace basic {

namespace {

using model::Text;

constexpr double kDaysInYear = 365;
constexpr double kFirstYear = 10;

// The days of the year before each month, January first.
constexpr std::array<double, 12> kDaysBeforeMonth{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

}  // namespace

double DayNumber(double year_offset, double days_before_month, double day) {
  return year_offset + days_before_month + day;
}

std::optional<double> YearOffset(std::u16string_view year_digits) {
  if (year_digits.size() != 2 || !model::IsAsciiDigit(year_digits[0]) || !model::IsAsciiDigit(year_digits[1]))
    return std::nullopt;
  const double year = (year_digits[0] - u'0') * 10 + (year_digits[1] - u'0');
  return kDaysInYear * (year - kFirstYear);
}

// The months are written "01" to "12": two digits read straight into the table's position.
std::optional<double> DaysBeforeMonth(std::u16string_view month_digits) {
  if (month_digits.size() != 2 || !model::IsAsciiDigit(month_digits[0]) ||
      !model::IsAsciiDigit(month_digits[1]))
    return std::nullopt;
  const int month = (month_digits[0] - u'0') * 10 + (month_digits[1] - u'0');
  if (month < 1 || month > static_cast<int>(kDaysBeforeMonth.size())) return std::nullopt;
  return kDaysBeforeMonth[static_cast<size_t>(month - 1)];
}

// The date is "H" and the year, ".", the month, ".", the day: characters 1-3, 5-6 and 8-9.
Text TodayDayNumberText(const Text& race_date) {
  const Text era = model::Mid(race_date, 1, 3);
  const std::optional<double> year = era.starts_with(u'H') ? YearOffset(model::Mid(era, 2, 2)) : std::nullopt;
  const std::optional<double> month = DaysBeforeMonth(model::Mid(race_date, 5, 2));
  if (!month) return {};
  return model::NumberToText(
      DayNumber(year.value_or(0), *month, model::TextToNumber(model::Mid(race_date, 8, 2))));
}

// The date is yyMMDD: year in characters 1-2, month in 3-4, day in 5-6.
Text RunDayNumbers::Next(const Text& date_text) {
  if (date_text == intake::kNone) {
    day_number_ = kNoValue;
    return day_number_;
  }
  if (const std::optional<double> year = YearOffset(model::MidView(date_text, 1, 2))) {
    year_offset_ = *year;  // a whole number of days, which reads back from its text as it is
  }
  if (const std::optional<double> month = DaysBeforeMonth(model::MidView(date_text, 3, 2))) {
    day_number_ = model::NumberToText(
        DayNumber(year_offset_, *month, model::TextToNumber(model::MidView(date_text, 5, 2))));
  }
  return day_number_;
}

}  // namespace basic
