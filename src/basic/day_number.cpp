#include "basic/day_number.h"

#include <array>
#include <string_view>

#include "model/numbers.h"
#include "model/text_ops.h"

namespace basic {

namespace {

using model::Text;

constexpr double kDaysInYear = 365;
constexpr double kFirstYear = 10;

struct MonthStart {
  std::u16string_view month;
  double days_before;
};
constexpr std::array<MonthStart, 12> kMonthStarts{{{u"01", 0},
                                                   {u"02", 31},
                                                   {u"03", 59},
                                                   {u"04", 90},
                                                   {u"05", 120},
                                                   {u"06", 151},
                                                   {u"07", 181},
                                                   {u"08", 212},
                                                   {u"09", 243},
                                                   {u"10", 273},
                                                   {u"11", 304},
                                                   {u"12", 334}}};

const Text kNoDate = u"なし";
const Text kNoDayNumber = u"---";

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

}  // namespace

double DayNumber(double year_offset, double days_before_month, double day) {
  return year_offset + days_before_month + day;
}

std::optional<double> YearOffset(std::u16string_view year_digits) {
  if (year_digits.size() != 2 || !IsDigit(year_digits[0]) || !IsDigit(year_digits[1])) return std::nullopt;
  const double year = (year_digits[0] - u'0') * 10 + (year_digits[1] - u'0');
  return kDaysInYear * (year - kFirstYear);
}

// The months are written "01" to "12": two digits read straight into the table's position.
std::optional<double> DaysBeforeMonth(std::u16string_view month_digits) {
  if (month_digits.size() != 2 || !IsDigit(month_digits[0]) || !IsDigit(month_digits[1])) return std::nullopt;
  const int month = (month_digits[0] - u'0') * 10 + (month_digits[1] - u'0');
  if (month < 1 || month > static_cast<int>(kMonthStarts.size())) return std::nullopt;
  return kMonthStarts[static_cast<size_t>(month - 1)].days_before;
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
  if (date_text == kNoDate) {
    day_number_ = kNoDayNumber;
    return day_number_;
  }
  if (const std::optional<double> year = YearOffset(model::MidView(date_text, 1, 2))) {
    year_offset_ = model::NumberThroughText(*year);
  }
  if (const std::optional<double> month = DaysBeforeMonth(model::MidView(date_text, 3, 2))) {
    day_number_ = model::NumberToText(
        DayNumber(year_offset_, *month, model::TextToNumber(model::MidView(date_text, 5, 2))));
  }
  return day_number_;
}

}  // namespace basic
