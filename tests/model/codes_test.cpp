#include "model/codes.h"

#include <gtest/gtest.h>

namespace model {
namespace {

TEST(Codes, NamesCodesComparedAsWholeTexts) {
  EXPECT_EQ(NameOfCode(CourseCodes, u"05"), u"中山");
  EXPECT_EQ(NameOfCode(ClassCodes, u"16000"), u"1600万");
  EXPECT_EQ(NameOfCode(GoingCodes, u"3"), u"不良");
  EXPECT_EQ(NameOfCode(SexCodes, u"2"), u"せん");
  EXPECT_EQ(NameOfCode(CourseCodes, u"5"), std::nullopt);
  EXPECT_EQ(NameOfCode(CourseCodes, u"05 "), std::nullopt);
  EXPECT_EQ(NameOfCode(ClassCodes, u"     "), std::nullopt);
}

TEST(Codes, LocalAndForeignCoursesByNumber) {
  EXPECT_FALSE(IsLocalCourse(9));
  EXPECT_TRUE(IsLocalCourse(10));
  EXPECT_TRUE(IsLocalCourse(46));
  EXPECT_FALSE(IsLocalCourse(47));
  EXPECT_FALSE(IsForeignCourse(59));
  EXPECT_TRUE(IsForeignCourse(60));
  EXPECT_TRUE(IsForeignCourse(71));
  EXPECT_FALSE(IsForeignCourse(72));
}

TEST(StdCourseIndex, FollowsTheStandardTimeRowOrder) {
  const std::u16string_view codes_in_row_order[] = {u"04", u"05", u"01", u"00", u"02",
                                                    u"03", u"08", u"07", u"06", u"09"};
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(StdCourseIndex(codes_in_row_order[row - 1]), row);
    EXPECT_EQ(NameOfCode(CourseCodes, codes_in_row_order[row - 1]), StdCourseOrder[row - 1].name);
  }
  EXPECT_EQ(StdCourseIndex(u"10"), 0);
  EXPECT_EQ(StdCourseIndex(u"  "), 0);
  EXPECT_EQ(StdCourseIndex(u"4"), 0);
}

TEST(StdDistanceIndex, FollowsTheStandardTimeColumnOrder) {
  EXPECT_EQ(StdDistanceIndex(1000), 1);
  EXPECT_EQ(StdDistanceIndex(1800), 7);
  EXPECT_EQ(StdDistanceIndex(2000), 8);
  EXPECT_EQ(StdDistanceIndex(2400), 12);
  EXPECT_EQ(StdDistanceIndex(1900), 0);
  EXPECT_EQ(StdDistanceIndex(2500), 0);
  EXPECT_EQ(StdDistanceIndex(1000.5), 0);
}

}  // namespace
}  // namespace model
