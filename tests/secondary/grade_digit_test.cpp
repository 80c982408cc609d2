#include "secondary/grade_digit.h"

#include <gtest/gtest.h>

namespace secondary {
namespace {

using model::Text;

// Each step includes its upper bound; the first step takes everything below the start as well.
TEST(GradeDigit, TenStepsFromTheStartThenAStar) {
  const struct {
    double value, start, step;
    Text grade;
  } cases[] = {
      {-50, -3, 6, u"9"},
      {-3, -3, 6, u"9"},
      {3, -3, 6, u"9"},
      {3.5, -3, 6, u"8"},
      {9, -3, 6, u"8"},
      {10, -3, 6, u"7"},
      {27, -3, 6, u"5"},
      {51, -3, 6, u"1"},
      {57, -3, 6, u"0"},
      {57.5, -3, 6, u"*"},
      {58, -3, 6, u"*"},
      {103, 100, 6, u"9"},
      {160, 100, 6, u"0"},
      {161, 100, 6, u"*"},
      // Fixed steps of 4 from 0.
      {0, 0, 4, u"9"},
      {4, 0, 4, u"9"},
      {5, 0, 4, u"8"},
      {36, 0, 4, u"1"},
      {40, 0, 4, u"0"},
      {41, 0, 4, u"*"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GradeDigit(c.value, c.start, c.step), c.grade)
        << c.value << " from " << c.start << " by " << c.step;
  }
}

}  // namespace
}  // namespace secondary
