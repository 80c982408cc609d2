#include "model/text_ops.h"

#include <gtest/gtest.h>

namespace model {
namespace {

const Text kSample = u"東京 ab";  // five characters, two of them full-width

TEST(Len, CountsAFullWidthCharacterAsOne) {
  EXPECT_EQ(Len(kSample), 5);
  EXPECT_EQ(Len(u""), 0);
}

struct MidCase {
  int start;
  int length;
  const char16_t* expected;
};

TEST(Mid, ClampsAtBothEnds) {
  const MidCase cases[] = {
      {1, 2, u"東京"}, {2, 3, u"京 a"}, {4, 99, u"ab"}, {5, 1, u"b"}, {6, 1, u""},
      {99, 1, u""},    {0, 2, u"東京"}, {-3, 1, u"東"}, {2, 0, u""},  {2, -1, u""},
  };
  for (const MidCase& c : cases) {
    EXPECT_EQ(Mid(kSample, c.start, c.length), c.expected) << c.start << ", " << c.length;
    EXPECT_EQ(MidView(kSample, c.start, c.length), c.expected) << c.start << ", " << c.length;
  }
  EXPECT_EQ(Mid(kSample, 3), u" ab");
  EXPECT_EQ(Mid(kSample, 0), kSample);
  EXPECT_EQ(Mid(kSample, 6), u"");
  EXPECT_EQ(Mid(u"", 1, 1), u"");
}

TEST(LeftRight, ClampAtBothEnds) {
  EXPECT_EQ(Left(kSample, 2), u"東京");
  EXPECT_EQ(Left(kSample, 99), kSample);
  EXPECT_EQ(Left(kSample, 0), u"");
  EXPECT_EQ(Left(kSample, -1), u"");
  EXPECT_EQ(Right(kSample, 2), u"ab");
  EXPECT_EQ(Right(kSample, 99), kSample);
  EXPECT_EQ(Right(kSample, -1), u"");
}

TEST(InStr, FindsFirstOccurrenceAtOrAfterStart) {
  const Text t = u"2023坂路2回";
  EXPECT_EQ(InStr(t, u"2"), 1);
  EXPECT_EQ(InStr(t, u"2", 2), 3);
  EXPECT_EQ(InStr(t, u"坂"), 5);
  EXPECT_EQ(InStr(t, u"回", 8), 8);
  EXPECT_EQ(InStr(t, u"回", 9), 0);
  EXPECT_EQ(InStr(t, u"良"), 0);
  EXPECT_EQ(InStr(t, u"2", 0), 1);
  EXPECT_EQ(InStr(t, u"2", -5), 1);
  EXPECT_EQ(InStr(t, u"", 3), 3);
  EXPECT_EQ(InStr(u"", u""), 0);
  EXPECT_EQ(InStr(u"ab", u"abc"), 0);
}

TEST(Trim, RemovesOnlyAsciiBlanks) {
  EXPECT_EQ(Trim(u"  a b  "), u"a b");
  EXPECT_EQ(LTrim(u"  a b  "), u"a b  ");
  EXPECT_EQ(RTrim(u"  a b  "), u"  a b");
  EXPECT_EQ(Trim(u"   "), u"");
  // The ideographic space U+3000 and tabs are not blanks.
  EXPECT_EQ(Trim(u"\u3000a\u3000"), u"\u3000a\u3000");
  EXPECT_EQ(Trim(u"\ta "), u"\ta");
}

TEST(Spaces, GivesBlanksOrNothing) {
  EXPECT_EQ(Spaces(3), u"   ");
  EXPECT_EQ(Spaces(0), u"");
  EXPECT_EQ(Spaces(-2), u"");
}

}  // namespace
}  // namespace model
