#include "basic/value_texts.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

using model::Text;

TEST(SignedValueText, ASignAndTwoDigitsHeldBetweenMinusAndPlus99) {
  const struct {
    Text value;
    Text shown;
  } cases[] = {
      {u"-250", u"-99"},
      {u"-100", u"-99"},
      {u"-99", u"-99"},
      {u"-10", u"-10"},
      {u"-5", u"-05"},
      {u"-1", u"-01"},
      {u" 0", u"+00"},
      {u"0", u"+00"},
      {u" 7", u"+07"},
      {u" 42", u"+42"},
      {u" 99", u"+99"},
      {u" 100", u"+99"},
      {u" 731", u"+99"},
      {u"---", u"---"},
      // A value that is not whole (a weight carried off the half kilo) is rounded first, halves
      // away from zero, so the text keeps its three characters.
      {u"-99.6", u"-99"},
      {u"-4.5", u"-05"},
      {u"-0.4", u"+00"},
      {u" 9.5", u"+10"},
      {u" 99.5", u"+99"},
  };
  for (const auto& c : cases) EXPECT_EQ(SignedValueText(c.value), c.shown) << model::ToUtf8(c.value);
}

}  // namespace
}  // namespace basic
