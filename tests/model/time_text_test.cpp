#include "model/time_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/support/case_names.h"
#include "tests/support/text_printer.h"

namespace model {
namespace {

struct TimeCase {
  const char16_t* seconds;
  const char16_t* expected;
};

void PrintTo(const TimeCase& c, std::ostream* os) {
  testsupport::PrintText(c.seconds, os);
}

class SecondsToTimeTextTest : public testing::TestWithParam<TimeCase> {};

TEST_P(SecondsToTimeTextTest, ShowsMinutesSecondsAndTenths) {
  const TimeCase& c = GetParam();
  EXPECT_EQ(SecondsToTimeText(c.seconds), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SecondsToTimeTextTest,
    testing::Values(
        // Below a minute: "0." and the text itself, trimmed, digits untouched.
        TimeCase{u"57.2", u"0.57.2"}, TimeCase{u" 57.2", u"0.57.2"}, TimeCase{u" 57.2 ", u"0.57.2"},
        TimeCase{u"59.99", u"0.59.99"}, TimeCase{u"9.8", u"0.9.8"}, TimeCase{u".0", u"0..0"},
        TimeCase{u"", u"0."}, TimeCase{u" abc ", u"0.abc"}, TimeCase{u"-5", u"0.-5"},
        // Tenths come from the decimal value, not from the double just below it.
        TimeCase{u"60", u"1.00.0"}, TimeCase{u"60.3", u"1.00.3"}, TimeCase{u"69.5", u"1.09.5"},
        TimeCase{u"96.3", u"1.36.3"}, TimeCase{u" 96.3", u"1.36.3"}, TimeCase{u"96.5", u"1.36.5"},
        TimeCase{u"150.2", u"2.30.2"}, TimeCase{u"185.3", u"3.05.3"},
        // Tenths are cut, not rounded.
        TimeCase{u"96.38", u"1.36.3"}, TimeCase{u"65.99", u"1.05.9"},
        // Minute boundaries; the minute digit stops at 3.
        TimeCase{u"119.9", u"1.59.9"}, TimeCase{u"120", u"2.00.0"}, TimeCase{u"179.9", u"2.59.9"},
        TimeCase{u"180.4", u"3.00.4"}, TimeCase{u"239.9", u"3.59.9"}, TimeCase{u"240", u"3.60.0"},
        TimeCase{u"245.3", u"3.65.3"},
        // A value whose 15-digit form is the next whole minute reads as that minute.
        TimeCase{u"119.99999999999999", u"2.00.0"}, TimeCase{u"59.9999999999999999", u"1.00.0"}),
    [](const auto& info) { return testsupport::CaseName(info.param.seconds); });

TEST(SecondsToTimeText, SurvivesValuesOutOfRange) {
  EXPECT_EQ(SecondsToTimeText(u"1e400"), u"3.inf.0");
}

}  // namespace
}  // namespace model
