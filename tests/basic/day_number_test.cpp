#include "basic/day_number.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace basic {
namespace {

using model::Text;

struct DateCase {
  Text date;
  Text expected;
};

TEST(TodayDayNumber, CountsYearsOf365DaysFromTheFirstOfJanuaryOfHeisei10) {
  const DateCase cases[] = {
      {u"H12.10.15", u"1018"},
      {u"H10.01.01", u"1"},
      // No leap days: 29 February and 1 March are the same day.
      {u"H12.02.29", u"790"},
      {u"H12.03.01", u"790"},
      {u"H12.12.31", u"1095"},
      // Every year of two digits counts, so meetings after 2018 and before 1998 stay on one scale.
      {u"H22.04.16", u"4486"},
      {u"H31.05.01", u"7786"},
      {u"H09.12.31", u"0"},
      // An era text that is not "H" and two digits counts as year 10.
      {u"R02.04.16", u"106"},
      {u"HX1.04.16", u"106"},
      // The day is whatever number stands at characters 8 and 9.
      {u"H12.10.1", u"1004"},
      {u"H12.10.", u"1003"},
      // Characters 5 and 6 must be a month "01" to "12".
      {u"H12.13.01", u""},
      {u"H12.00.01", u""},
      {u"H12. 1.01", u""},
      // Positions are fixed: a one-digit year moves the month out of place.
      {u"H2.04.16", u""},
      {u".04.16", u""},
      {u"", u""},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(TodayDayNumberText(c.date), c.expected) << model::ToUtf8(c.date);
  }
}

// The day numbers of one analysis's runs, dates in the order the runs are evaluated.
std::vector<Text> RunDays(const std::vector<Text>& dates) {
  RunDayNumbers days;
  std::vector<Text> numbers;
  for (const Text& date : dates) numbers.push_back(days.Next(date));
  return numbers;
}

struct MonthCase {
  const char* month;  // two digits
  const char* last_day;
  int first_number, last_number;  // in Heisei 10
};

// Each month starts the day after the last one ends, race dates and run dates alike.
TEST(DayNumber, FirstAndLastDayOfEveryMonth) {
  const MonthCase cases[] = {
      {"01", "31", 1, 31},    {"02", "28", 32, 59},   {"03", "31", 60, 90},   {"04", "30", 91, 120},
      {"05", "31", 121, 151}, {"06", "30", 152, 181}, {"07", "31", 182, 212}, {"08", "31", 213, 243},
      {"09", "30", 244, 273}, {"10", "31", 274, 304}, {"11", "30", 305, 334}, {"12", "31", 335, 365},
  };
  for (const MonthCase& c : cases) {
    SCOPED_TRACE(c.month);
    const std::string month = c.month, last = c.last_day;
    const Text first_number = model::FromUtf8(std::to_string(c.first_number));
    const Text last_number = model::FromUtf8(std::to_string(c.last_number));
    EXPECT_EQ(TodayDayNumberText(model::FromUtf8("H10." + month + ".01")), first_number);
    EXPECT_EQ(TodayDayNumberText(model::FromUtf8("H10." + month + "." + last)), last_number);
    EXPECT_EQ(RunDays({model::FromUtf8("10" + month + "01"), model::FromUtf8("10" + month + last)}),
              (std::vector<Text>{first_number, last_number}));
  }
  // No leap days: the 29th of February is the 1st of March.
  EXPECT_EQ(TodayDayNumberText(u"H10.02.29"), u"60");
  EXPECT_EQ(RunDays({u"100229"}), std::vector<Text>{u"60"});
}

TEST(RunDayNumbers, ReadTheYearMonthAndDayOfASixDigitDate) {
  EXPECT_EQ(RunDays({u"120315", u"200101", u"100101", u"220416", u"090101", u"301231"}),
            (std::vector<Text>{u"804", u"3651", u"1", u"4486", u"-364", u"7665"}));
}

TEST(RunDayNumbers, AreOnTheScaleOfTodaysDayNumber) {
  // A meeting of 2010: the last run three weeks and six days before.
  EXPECT_EQ(RunDays({u"220321"}), std::vector<Text>{u"4460"});
  EXPECT_EQ(TodayDayNumberText(u"H22.04.16"), u"4486");
}

TEST(RunDayNumbers, ARunWithoutADateHasNone) {
  EXPECT_EQ(RunDays({u"なし"}), std::vector<Text>{u"---"});
}

TEST(RunDayNumbers, AnUnreadableYearTakesTheYearOfTheRunBefore) {
  EXPECT_EQ(RunDays({u"220416", u"ab0501", u"なし", u"2x0501"}),
            (std::vector<Text>{u"4486", u"4501", u"---", u"4501"}));
  // With no run before, the year counts as 10.
  EXPECT_EQ(RunDays({u"  0301"}), std::vector<Text>{u"60"});
}

TEST(RunDayNumbers, AnUnreadableMonthTakesTheDayNumberOfTheRunBefore) {
  EXPECT_EQ(RunDays({u"140428", u"141301", u"14  01"}), (std::vector<Text>{u"1578", u"1578", u"1578"}));
  EXPECT_EQ(RunDays({u"なし", u"140001"}), (std::vector<Text>{u"---", u"---"}));
  // With no run before there is nothing to take: the empty text.
  EXPECT_EQ(RunDays({u"141301", u""}), (std::vector<Text>{u"", u""}));
}

TEST(RunDayNumbers, TheYearOfAnUnreadableMonthStillCounts) {
  // The second date's month is unreadable, yet its year 20 is the one the third date goes by.
  EXPECT_EQ(RunDays({u"140428", u"20xx01", u"aa0101"}), (std::vector<Text>{u"1578", u"1578", u"3651"}));
}

}  // namespace
}  // namespace basic
