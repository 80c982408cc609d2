#include "secondary/class_position.h"

#include <gtest/gtest.h>

#include "tests/support/case_names.h"

namespace secondary {
namespace {

using model::Text;

struct PositionCase {
  const char16_t* course;
  const char16_t* value;
  const char16_t* expected;
};

void PrintTo(const PositionCase& c, std::ostream* os) {
  *os << model::ToUtf8(c.course) << " / \"" << model::ToUtf8(c.value) << "\"";
}

std::string NameOf(const testing::TestParamInfo<PositionCase>& info) {
  return "Course_" + testsupport::CaseName(info.param.course) + "_Value_" +
         testsupport::CaseName(info.param.value);
}

class TurfClassPositionTest : public testing::TestWithParam<PositionCase> {};
class DirtClassPositionTest : public testing::TestWithParam<PositionCase> {};

TEST_P(TurfClassPositionTest, PlacesTheValueInItsBand) {
  const Text course = GetParam().course;
  const Text value = GetParam().value;
  EXPECT_EQ(TurfClassPosition(course, value), GetParam().expected);
  // The argument words are the caller's and stay as they were.
  EXPECT_EQ(course, GetParam().course);
  EXPECT_EQ(value, GetParam().value);
}

TEST_P(DirtClassPositionTest, PlacesTheValueInItsBand) {
  EXPECT_EQ(DirtClassPosition(GetParam().course, GetParam().value), GetParam().expected);
}

// Course group 1 on turf: every band, its slow end, its fast end, and the values that fall on a bound.
INSTANTIATE_TEST_SUITE_P(
    TokyoNakayama, TurfClassPositionTest,
    testing::Values(PositionCase{u"05", u"40", u"未外"}, PositionCase{u"05", u"39.9", u"未00"},
                    PositionCase{u"05", u"37", u"未10"}, PositionCase{u"05", u"10.1", u"未99"},
                    PositionCase{u"05", u"10", u"五00"}, PositionCase{u"05", u"9", u"五16"},
                    PositionCase{u"05", u"3", u"九08"}, PositionCase{u"05", u"-7", u"九91"},
                    PositionCase{u"05", u"-8", u"ジ00"}, PositionCase{u"05", u"-13", u"オ00"},
                    PositionCase{u"05", u"-14", u"オ05"}, PositionCase{u"05", u"-32", u"オ95"},
                    PositionCase{u"05", u"-33", u"Ｇ00"}, PositionCase{u"05", u"-50", u"Ｇ00"},
                    PositionCase{u"04", u"1e999", u"未外"}, PositionCase{u"04", u"-1e999", u"Ｇ00"},
                    // 10.8 / 0.3 lands just above 36 in double precision.
                    PositionCase{u"05", u"20.8", u"未63"}),
    NameOf);

// The value is read as a number, blanks skipped; only the exact text "0" has no position.
INSTANTIATE_TEST_SUITE_P(
    ValueTexts, TurfClassPositionTest,
    testing::Values(PositionCase{u"05", u"0", u"****"}, PositionCase{u"05", u"0.0", u"九33"},
                    PositionCase{u"05", u" 0", u"九33"}, PositionCase{u"05", u"0 ", u"九33"},
                    PositionCase{u"05", u"00", u"九33"}, PositionCase{u"05", u"-0", u"九33"},
                    PositionCase{u"05", u"---", u"九33"}, PositionCase{u"05", u"", u"九33"},
                    PositionCase{u"05", u"-  5.0", u"九75"}, PositionCase{u"05", u"+  12.3", u"未92"},
                    PositionCase{u"05", u" +  5.0", u"五83"}, PositionCase{u"05", u" -  3", u"九58"}),
    NameOf);

// Codes compare whole: anything but "00" to "09" has no group, and neither has a value of "0".
INSTANTIATE_TEST_SUITE_P(
    NoGroup, TurfClassPositionTest,
    testing::Values(PositionCase{u"10", u"5", u"****"}, PositionCase{u"", u"5", u"****"},
                    PositionCase{u"  ", u"5", u"****"}, PositionCase{u"5", u"5", u"****"},
                    PositionCase{u" 5", u"5", u"****"}, PositionCase{u"05 ", u"5", u"****"},
                    PositionCase{u"30", u"5", u"****"}, PositionCase{u"00", u"0", u"****"},
                    PositionCase{u"09", u"0", u"****"}),
    NameOf);

// Groups 2 to 4 on turf: each bound of the row read as the next band's slow end.
INSTANTIATE_TEST_SUITE_P(OtherTurfGroups, TurfClassPositionTest,
                         testing::Values(
                             // 京都, 阪神
                             PositionCase{u"00", u"39", u"未外"}, PositionCase{u"01", u"9", u"五00"},
                             PositionCase{u"00", u"3", u"九00"}, PositionCase{u"01", u"-8", u"ジ00"},
                             PositionCase{u"00", u"-14", u"オ00"}, PositionCase{u"01", u"-34", u"Ｇ00"},
                             PositionCase{u"00", u"-2.5", u"九50"},
                             // 中京, 小倉
                             PositionCase{u"02", u"37", u"未外"}, PositionCase{u"03", u"7", u"五00"},
                             PositionCase{u"02", u"2", u"九00"}, PositionCase{u"03", u"-5", u"ジ00"},
                             PositionCase{u"02", u"-9", u"オ00"}, PositionCase{u"03", u"-29", u"Ｇ00"},
                             PositionCase{u"02", u"-7", u"ジ50"},
                             // 福島, 新潟, 札幌, 函館: on turf the slow end of 九 has no trailing blank.
                             PositionCase{u"06", u"39", u"未外"}, PositionCase{u"07", u"9", u"五00"},
                             PositionCase{u"08", u"3", u"九00"}, PositionCase{u"09", u"-6", u"ジ00"},
                             PositionCase{u"06", u"-11", u"オ00"}, PositionCase{u"07", u"-31", u"Ｇ00"},
                             PositionCase{u"08", u"2.95", u"九00"}, PositionCase{u"09", u"-21", u"オ50"}),
                         NameOf);

INSTANTIATE_TEST_SUITE_P(
    DirtGroups, DirtClassPositionTest,
    testing::Values(
        // 東京, 中山
        PositionCase{u"04", u"43", u"未外"}, PositionCase{u"04", u"42.9", u"未00"},
        PositionCase{u"05", u"13", u"五00"}, PositionCase{u"04", u"5", u"九00"},
        PositionCase{u"05", u"-9", u"ジ00"}, PositionCase{u"04", u"-16", u"オ00"},
        PositionCase{u"05", u"-36", u"Ｇ00"}, PositionCase{u"04", u"28", u"未50"},
        // 京都, 阪神
        PositionCase{u"00", u"42", u"未外"}, PositionCase{u"01", u"12", u"五00"},
        PositionCase{u"00", u"6", u"九00"}, PositionCase{u"01", u"-11", u"ジ00"},
        PositionCase{u"00", u"-18", u"オ00"}, PositionCase{u"01", u"-38", u"Ｇ00"},
        PositionCase{u"00", u"9", u"五50"},
        // 中京, 小倉
        PositionCase{u"03", u"40", u"未外"}, PositionCase{u"02", u"5", u"五71"},
        PositionCase{u"02", u"9.99", u"五00"}, PositionCase{u"02", u"3", u"九00"},
        PositionCase{u"03", u"-7", u"ジ00"}, PositionCase{u"02", u"-13", u"オ00"},
        PositionCase{u"03", u"-33", u"Ｇ00"},
        // 福島, 新潟, 札幌, 函館: the slow end of 九, and only of 九, keeps a trailing blank.
        PositionCase{u"06", u"40", u"未外"}, PositionCase{u"07", u"10", u"五00"},
        PositionCase{u"08", u"9.99", u"五00"}, PositionCase{u"09", u"3", u"九00"},
        PositionCase{u"06", u"2.95", u"九00 "}, PositionCase{u"07", u"2.5", u"九05"},
        PositionCase{u"08", u"-6", u"ジ00"}, PositionCase{u"09", u"-10", u"オ00"},
        PositionCase{u"06", u"-9.99", u"ジ99"}, PositionCase{u"07", u"-30", u"Ｇ00"},
        // Not a course of the four groups, or the value "0".
        PositionCase{u"10", u"5", u"****"}, PositionCase{u"06", u"0", u"****"},
        PositionCase{u"06", u"0.0", u"九33"}),
    NameOf);

}  // namespace
}  // namespace secondary
