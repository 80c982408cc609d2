#include "secondary/grade_digit.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "tests/support/case_names.h"

namespace secondary {
namespace {

using model::Text;

struct GradeCase {
  double value;
  const char16_t* expected;
};

void PrintTo(const GradeCase& c, std::ostream* os) {
  *os << c.value;
}

// Steps of 6 from a race's lowest value of -6: each step holds its upper bound.
class GradeInStepsOfSix : public testing::TestWithParam<GradeCase> {};

TEST_P(GradeInStepsOfSix, CountsStepsFromTheLowestValue) {
  EXPECT_EQ(GradeDigit(GetParam().value, -6, 6), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Edges, GradeInStepsOfSix,
                         testing::Values(GradeCase{-20, u"9"}, GradeCase{-6, u"9"}, GradeCase{0, u"9"},
                                         GradeCase{0.5, u"8"}, GradeCase{1, u"8"}, GradeCase{6, u"8"},
                                         GradeCase{7, u"7"}, GradeCase{12, u"7"}, GradeCase{13, u"6"},
                                         GradeCase{18, u"6"}, GradeCase{19, u"5"}, GradeCase{24, u"5"},
                                         GradeCase{25, u"4"}, GradeCase{30, u"4"}, GradeCase{31, u"3"},
                                         GradeCase{36, u"3"}, GradeCase{37, u"2"}, GradeCase{42, u"2"},
                                         GradeCase{43, u"1"}, GradeCase{48, u"1"}, GradeCase{49, u"0"},
                                         GradeCase{54, u"0"}, GradeCase{54.5, u"*"}, GradeCase{55, u"*"},
                                         GradeCase{1000, u"*"}),
                         [](const auto& info) { return testsupport::CaseName(info.param.value); });

TEST(GradeDigit, WithoutAValueIsADash) {
  EXPECT_EQ(GradeDigit(std::nullopt, 0, 4), u"-");
  EXPECT_EQ(GradeDigit(std::nullopt, 100, 6), u"-");
}

TEST(GradeDigit, OutOfRangeNumbersStayAtTheEnds) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(GradeDigit(kInfinity, 0, 4), u"*");
  EXPECT_EQ(GradeDigit(-kInfinity, 0, 4), u"9");
}

}  // namespace
}  // namespace secondary
