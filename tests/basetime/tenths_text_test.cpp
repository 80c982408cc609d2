#include "basetime/tenths_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/numbers.h"

namespace basetime {
namespace {

using model::NumberToText;
using model::Text;
using model::TextToNumber;

// What the build wrote before the tenths: the double arithmetic on the read texts.
Text DoubleSum(const Text& a, const Text& b) {
  return NumberToText(TextToNumber(a) + TextToNumber(b));
}
Text DoubleSumLess(const Text& a, const Text& b, const Text& c) {
  return NumberToText(TextToNumber(a) + TextToNumber(b) - TextToNumber(c));
}

Text Ascii(const std::string& s) {
  return Text(s.begin(), s.end());
}

// A plain decimal of up to digits whole digits and maybe one decimal, sometimes with leading zeros.
Text RandomPlain(std::mt19937_64& rng, int digits) {
  std::uniform_int_distribution<int> count(1, digits);
  std::uniform_int_distribution<int> digit(0, 9);
  std::string s;
  const int n = count(rng);
  for (int i = 0; i < n; ++i) s += static_cast<char>('0' + digit(rng));
  if (digit(rng) < 7) s += "." + std::string(1, static_cast<char>('0' + digit(rng)));
  return Ascii(s);
}

TEST(SumOfTenthsTexts, GivesTheDoubleArithmeticsTextOnPlainDecimals) {
  const std::vector<std::pair<Text, Text>> cases = {
      {u"", u"000.0"},
      {u"", u""},
      {u"0", u"1"},
      {u"143.2", u"071.6"},
      {u"0.1", u"0.2"},
      {u"0.7", u"0.1"},
      {u"99.9", u"0.1"},
      {u"9999999.9", u"0.1"},
      {u"1", u"1"},
      {u"70", u"70.0"},
      {u"214.8", u"071.6"},
      {u"899999999999.9", u"0.1"},
      {u"0.3", u"0.6"},
      {u"4.35", u"0.1"},
      {u"3.", u"1"},
      {u" 1.5", u"1"},
      {u"-1.5", u"2"},
      {u"1e3", u"1"},
      {u"１", u"1"},
      {u"0000000000000001.5", u"1"},
      {u"999999999999.9", u"0.1"},
      {u"1.5.1", u"1"},
      {u"nan", u"1"},
      {u".5", u"1"},
  };
  for (const auto& [a, b] : cases) {
    const std::optional<Text> sum = SumOfTenthsTexts(a, b);
    if (sum) {
      EXPECT_EQ(*sum, DoubleSum(a, b)) << model::ToUtf8(a) << " + " << model::ToUtf8(b);
    }
  }
  // Texts the double arithmetic must handle itself.
  for (const char16_t* odd : {u"4.35", u"3.", u" 1.5", u"-1.5", u"1e3", u"１", u".5", u"nan"})
    EXPECT_FALSE(SumOfTenthsTexts(odd, u"1")) << model::ToUtf8(odd);
}

// Running sums as the accumulation keeps them: each new sum is read back from the text written.
TEST(SumOfTenthsTexts, RunningSumsStayTheDoubleArithmetics) {
  std::mt19937_64 rng(20261211);
  for (int digits : {3, 6, 8}) {
    Text fast, slow;
    for (int i = 0; i < 20000; ++i) {
      const Text time = RandomPlain(rng, digits);
      const std::optional<Text> sum = SumOfTenthsTexts(fast, time);
      slow = DoubleSum(slow, time);
      ASSERT_TRUE(sum);
      ASSERT_EQ(*sum, slow) << model::ToUtf8(fast) << " + " << model::ToUtf8(time);
      fast = *sum;
    }
  }
}

TEST(SumLessTenthsText, GivesTheDoubleArithmeticsTextOnTimesCorrectionsAndMargins) {
  std::mt19937_64 rng(7);
  const Text signs[] = {u"", u"+", u"-", u" ", u" -"};
  std::uniform_int_distribution<int> sign(0, 4);
  int taken = 0;
  for (int i = 0; i < 200000; ++i) {
    const Text time = RandomPlain(rng, i % 4 == 0 ? 12 : 3);
    const Text correction = signs[sign(rng)] + RandomPlain(rng, i % 3 == 0 ? 3 : 1);
    const Text margin = RandomPlain(rng, i % 5 == 0 ? 3 : 1);
    if (const std::optional<Text> text = SumLessTenthsText(time, correction, margin)) {
      ++taken;
      ASSERT_EQ(*text, DoubleSumLess(time, correction, margin))
          << model::ToUtf8(time) << " " << model::ToUtf8(correction) << " " << model::ToUtf8(margin);
    }
  }
  EXPECT_GT(taken, 100000);
  // A missing run (all empty) is 0; a result far below its terms goes the double way.
  EXPECT_EQ(SumLessTenthsText(u"", u"", u""), Text(u"0"));
  EXPECT_FALSE(SumLessTenthsText(u"1.0", u"+0.1", u"1.0"));
  EXPECT_FALSE(SumLessTenthsText(u"76.2", u"+ 0.3", u"3.1"));
  EXPECT_FALSE(SumLessTenthsText(u"-76.2", u"+0.3", u"3.1"));
}

TEST(PaddedTenthsText, GivesThePatternTextOfThePlainDecimal) {
  std::mt19937_64 rng(11);
  std::vector<Text> texts = {u"",    u"0",     u"0.0",  u"000.0", u"0.5",  u"7",       u"76.2",
                             u"100", u"999.9", u"1000", u"073.1", u"0099", u"12345.6", u"999999999999.9"};
  for (int i = 0; i < 50000; ++i) texts.push_back(RandomPlain(rng, i % 2 == 0 ? 3 : 12));
  for (const Text& text : texts) {
    for (size_t places : {size_t{2}, size_t{3}}) {
      const Text pattern = Text(places, u'0') + u".0";
      const std::optional<Text> padded = PaddedTenthsText(text, places);
      ASSERT_TRUE(padded) << model::ToUtf8(text);
      ASSERT_EQ(*padded, model::NumberToPatternText(TextToNumber(text), pattern)) << model::ToUtf8(text);
    }
  }
  for (const char16_t* odd : {u"-1.5", u"1.25", u" 7", u"1e2", u"７"})
    EXPECT_FALSE(PaddedTenthsText(odd, 3)) << model::ToUtf8(odd);
}

// The forms that write into a text give what the optional forms give, and leave the text as it was
// where those give nothing; the sum may be written over its own first term.
TEST(TenthsTextsInto, GiveTheOptionalFormsTexts) {
  std::mt19937_64 rng(3);
  std::vector<Text> texts = {u"",     u"0",    u"0.5", u"999.9", u"12345.6", u"999999999999.9",
                             u"-1.5", u"1.25", u" 7",  u"1e2",   u"７",      u"3.",
                             u".5",   u"nan"};
  for (int i = 0; i < 20000; ++i) texts.push_back(RandomPlain(rng, i % 2 == 0 ? 3 : 13));
  for (const Text& text : texts) {
    Text record = u"東G12芝良 ";
    const std::optional<Text> padded = PaddedTenthsText(text, 3);
    ASSERT_EQ(AppendPaddedTenthsText(text, 3, record), padded.has_value()) << model::ToUtf8(text);
    ASSERT_EQ(record, u"東G12芝良 " + padded.value_or(u"")) << model::ToUtf8(text);

    Text total = text;
    const std::optional<Text> sum = SumOfTenthsTexts(text, u"71.6");
    ASSERT_EQ(SumOfTenthsTextsInto(total, u"71.6", total), sum.has_value()) << model::ToUtf8(text);
    ASSERT_EQ(total, sum.value_or(text)) << model::ToUtf8(text);
  }
}

TEST(TenthsPatternText, GivesThePatternTextOfTheTenths) {
  std::mt19937_64 rng(3);
  std::vector<std::int64_t> tenths = {0, 1, -1, 9, 10, -10, 15, 99, 100, -105, 999, 1000, 9'999'999'999'999};
  std::uniform_int_distribution<std::int64_t> small(-3000, 3000);
  std::uniform_int_distribution<std::int64_t> large(-9'999'999'999'999, 9'999'999'999'999);
  for (int i = 0; i < 50000; ++i) tenths.push_back(i % 2 == 0 ? small(rng) : large(rng));
  for (const std::int64_t n : tenths) {
    for (size_t places : {size_t{1}, size_t{3}}) {
      const std::optional<Text> text = TenthsPatternText(n, places);
      ASSERT_TRUE(text) << n;
      ASSERT_EQ(*text, model::NumberToPatternText(static_cast<double>(n) / 10, Text(places, u'0') + u".0"))
          << n;
    }
  }
  EXPECT_FALSE(TenthsPatternText(10'000'000'000'000, 1));
  EXPECT_FALSE(TenthsPatternText(-10'000'000'000'000, 1));
}

TEST(RoundedTenths, RoundsAsThePatternRoundsTheReadText) {
  std::mt19937_64 rng(9);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> whole_count(0, 12);
  std::uniform_int_distribution<int> place_count(0, 16);
  std::vector<Text> texts = {
      u"",         u"0",     u"0.05",   u"0.049999",          u"72.3962",         u"59.92",
      u"85.52025", u"99.95", u"999.95", u"0.000000000000001", u"123456789012.34", u"1.25",
      u"1.35",     u"70",    u"0070.05"};
  for (int i = 0; i < 100000; ++i) {
    std::string s;
    const int whole = whole_count(rng);
    for (int k = 0; k < whole; ++k) s += static_cast<char>('0' + digit(rng));
    if (s.empty()) s = "0";
    const int places = place_count(rng);
    if (places > 0) s += ".";
    for (int k = 0; k < places; ++k) s += static_cast<char>('0' + digit(rng));
    texts.push_back(Ascii(s));
  }
  int taken = 0;
  for (const Text& text : texts) {
    const std::optional<std::int64_t> tenths = RoundedTenths(text);
    if (!tenths) continue;
    ++taken;
    const std::optional<Text> written = TenthsPatternText(*tenths, 0);
    ASSERT_TRUE(written) << model::ToUtf8(text);
    ASSERT_EQ(*written, model::NumberToPatternText(TextToNumber(text), u"###.0")) << model::ToUtf8(text);
  }
  EXPECT_GT(taken, 50000);
  // More than 15 significant digits, signs, blanks, exponents and lone points take the doubles.
  for (const char16_t* odd :
       {u"1.0000000000000001", u"-72.4", u" 72.4", u"7e1", u".5", u"5.", u"1234567890123"})
    EXPECT_FALSE(RoundedTenths(odd)) << model::ToUtf8(odd);
}

// The class average as the double arithmetic writes it.
Text DoubleMean(const Text& sum, const Text& count) {
  const double average = TextToNumber(sum) / TextToNumber(count);
  return model::NumberToPatternText(average, average < 100 ? u"00.0" : u"000.0");
}

TEST(MeanTenths, RoundsAsThePatternRoundsTheDoubleMean) {
  std::mt19937_64 rng(5);
  std::uniform_int_distribution<std::int64_t> counted(1, 40);
  std::uniform_int_distribution<std::int64_t> many(1, 1'000'000);
  std::uniform_int_distribution<std::int64_t> time_tenths(0, 3000);
  std::uniform_int_distribution<std::int64_t> tenth(0, 9);
  int taken = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::int64_t n = i % 10 == 0 ? many(rng) : counted(rng);
    // Sums of times, and sums that fall on or next to a halfway point.
    std::int64_t s = n * time_tenths(rng) + tenth(rng);
    if (i % 3 == 0) s = (n * (2 * time_tenths(rng) + 1)) / 2 + (tenth(rng) % 3) - 1;
    if (s < 0) continue;
    const Text sum = Ascii(std::to_string(s / 10) + "." + std::to_string(s % 10));
    const Text count = Ascii(std::to_string(n));
    if (const std::optional<std::int64_t> mean = MeanTenths(sum, count)) {
      ++taken;
      const std::optional<Text> text = TenthsPatternText(*mean, *mean < 1000 ? 2 : 3);
      ASSERT_TRUE(text);
      ASSERT_EQ(*text, DoubleMean(sum, count)) << model::ToUtf8(sum) << " / " << model::ToUtf8(count);
    }
  }
  EXPECT_GT(taken, 150000);
  EXPECT_EQ(MeanTenths(u"0.0", u"3"), 0);
  EXPECT_EQ(MeanTenths(u"142.5", u"2"), 713);  // 71.25 rounds up
  // Counts that are not whole, zero or too many, and means of 10^4 and more, take the doubles.
  for (const auto& [sum, count] : std::vector<std::pair<Text, Text>>{
           {u"142.5", u"2.5"}, {u"142.5", u"0"}, {u"142.5", u"1000001"}, {u"10000", u"1"}, {u"-1", u"1"}}) {
    EXPECT_FALSE(MeanTenths(sum, count)) << model::ToUtf8(sum) << " / " << model::ToUtf8(count);
  }
}

}  // namespace
}  // namespace basetime
