#include "model/text.h"

#include <gtest/gtest.h>

#include <string>

namespace model {
namespace {

TEST(FromUtf8, ReadsUtf8AndShowsEveryOtherByteAsTheReplacementCharacter) {
  struct Case {
    const char* what;
    std::string bytes;
    Text text;
  };
  const Case cases[] = {
      {"ASCII", "kol_den1.kd2", u"kol_den1.kd2"},
      {"two, three and four bytes", "\xC3\xA9\xE7\xAB\xB6\xF0\x9F\x90\x8E", u"é競\U0001F40E"},
      {"a name in CP932 (日本)", "\x93\xFA\x96\x7B", u"\uFFFD\uFFFD\uFFFD{"},
      {"a CP932 pair with a lead byte of a three-byte form", "\xE3\x81\x41", u"\uFFFDA"},
      {"a continuation byte alone", "a\x80z", u"a\uFFFDz"},
      {"a sequence cut by the end", "a\xE7\xAB", u"a\uFFFD"},
      {"a sequence cut by a new lead", "\xE7\xC3\xA9", u"\uFFFDé"},
      {"an overlong form", "\xC0\xAF\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"an encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"bytes that never occur", "\xFE\xFF", u"\uFFFD\uFFFD"},
  };
  for (const Case& c : cases) EXPECT_EQ(FromUtf8(c.bytes), c.text) << c.what;
}

TEST(FromUtf8, GivesBackWhatToUtf8Wrote) {
  const Text text = u"ＫＯＬデ\uFF0Dタ 1600m \U0001F40E";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

}  // namespace
}  // namespace model
