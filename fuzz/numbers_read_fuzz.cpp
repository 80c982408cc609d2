// Reading a text, fast against plain, on any text of number characters and others
// (fuzz/numbers_input.h): the one-pass reading of short texts, and TextToNumber whole, whose general
// reading takes exact powers of ten as one multiplication or division.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "fuzz/numbers_check.h"
#include "fuzz/numbers_input.h"
#include "model/numbers.h"
#include "model/numbers_reference.h"
#include "model/numbers_shortcuts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  fuzz::NumberInput input(data, size);
  const model::Text text = input.Text(fuzz::kNumberAlphabet);
  const double plain = model::reference::TextToNumber(text);
  if (const std::optional<double> fast = model::shortcuts::ReadShortNumber(text)) {
    fuzz::ExpectSame("ReadShortNumber", text, *fast, plain);
  }
  fuzz::ExpectSame("TextToNumber", text, model::TextToNumber(text), plain);
  return 0;
}
