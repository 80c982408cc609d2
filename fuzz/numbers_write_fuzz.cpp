// Writing a value and reading it back, fast against plain, on any double (fuzz/numbers_input.h): each
// shortcut to the 15-digit form, the common-value texts, NumberToText, NumberToSpacedText and
// NumberThroughText, for the value and its negation.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/numbers_check.h"
#include "fuzz/numbers_input.h"
#include "model/numbers.h"
#include "model/numbers_reference.h"
#include "model/numbers_shortcuts.h"

namespace {

namespace reference = model::reference;
namespace shortcuts = model::shortcuts;

model::Text TextOf(const shortcuts::DecimalForm& form) {
  std::string text = form.negative ? "-0." : "0.";
  text.append(form.Digits()).append("e").append(std::to_string(form.point));
  return model::Text(text.begin(), text.end());
}

model::Text TextOf(const reference::FifteenDigitDecimal& form) {
  std::string text = form.negative ? "-0." : "0.";
  text.append(form.digits).append("e").append(std::to_string(form.point));
  return model::Text(text.begin(), text.end());
}

void ExpectForm(const char* what, double value, const std::optional<shortcuts::DecimalForm>& fast,
                const reference::FifteenDigitDecimal& plain) {
  if (fast) fuzz::ExpectSame(what, value, TextOf(*fast), TextOf(plain));
}

void CheckFifteenDigitForms(double value) {
  if (!std::isfinite(value)) return;
  const reference::FifteenDigitDecimal plain = reference::ToFifteenDigits(value);
  const bool negative = value < 0;
  const double magnitude = std::fabs(value);
  ExpectForm("WholeForm", value, shortcuts::WholeForm(negative, magnitude), plain);
  ExpectForm("FewDecimals", value, shortcuts::FewDecimals(negative, magnitude), plain);
  ExpectForm("FifteenDigits", value, shortcuts::FifteenDigits(negative, magnitude), plain);
  ExpectForm("ShortestForm", value, shortcuts::ShortestForm(negative, magnitude), plain);
  if (const std::optional<std::uint64_t> whole = shortcuts::NearWhole(magnitude)) {
    ExpectForm("NearWhole", value, shortcuts::FromWhole(negative, *whole, 0), plain);
  }
}

void CheckCommonDecimal(double value, char16_t positive_lead, const model::Text& plain) {
  shortcuts::CommonDecimalBuffer buf;
  char16_t* const end = buf.data() + buf.size();
  if (const char16_t* first = shortcuts::WriteCommonDecimal(value, positive_lead, end)) {
    fuzz::ExpectSame("WriteCommonDecimal", value, model::Text(first, static_cast<size_t>(end - first)),
                     plain);
  }
}

void CheckValue(double value) {
  CheckFifteenDigitForms(value);
  const model::Text plain = reference::NumberToText(value);
  const model::Text spaced = reference::NumberToSpacedText(value);
  CheckCommonDecimal(value, 0, plain);
  CheckCommonDecimal(value, u' ', spaced);
  fuzz::ExpectSame("NumberToText", value, model::NumberToText(value), plain);
  fuzz::ExpectSame("NumberToSpacedText", value, model::NumberToSpacedText(value), spaced);

  const double read = reference::TextToNumber(plain);
  if (const std::optional<double> fast = shortcuts::ReadBackWithoutText(value)) {
    fuzz::ExpectSame("ReadBackWithoutText", value, *fast, read);
  }
  fuzz::ExpectSame("NumberThroughText", value, model::NumberThroughText(value), read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  fuzz::NumberInput input(data, size);
  const double value = input.Value();
  CheckValue(value);
  CheckValue(-value);
  return 0;
}
