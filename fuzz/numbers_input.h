#pragma once
// The inputs of the number fuzz targets (numbers_*_fuzz.cpp) and their seeds: a value, a text or a
// digit pattern made from bytes, read from the front, so that a seed is written the way it is read.
//
// A value is a kind byte and its bytes. An even kind takes the next 8 bytes as the bits of a double
// (NaN, infinities, denormals and negative zero among them). An odd kind makes the double nearest a
// decimal: (kind >> 1) % 19 + 1 digits of the next 8 bytes as a whole number, times ten to the power
// of the next 2 bytes (-330 to 330), then moved (-4 to 4) units in the last place by the next byte,
// which is where texts read back and sums of tenths land. Missing bytes count as zero.
//
// A text or pattern takes one character per byte from an alphabet of the characters that matter and
// a few that merely stop a number; the byte 255 takes any code unit from the next 2 bytes.

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/numbers_reference.h"
#include "model/text.h"

namespace fuzz {

class NumberInput {
 public:
  NumberInput(const std::uint8_t* data, size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

  std::uint64_t Bytes(int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i) value |= std::uint64_t{Byte()} << (8 * i);
    return value;
  }

  double Value() {
    const std::uint8_t kind = Byte();
    if (kind % 2 == 0) return std::bit_cast<double>(Bytes(8));
    std::uint64_t limit = 1;
    for (int i = (kind >> 1) % 19 + 1; i > 0; --i) limit *= 10;
    const std::uint64_t digits = Bytes(8) % limit;
    const int exponent = static_cast<int>(Bytes(2) % 661) - 330;
    const int steps = static_cast<int>(Byte() % 9) - 4;
    const std::string text = std::to_string(digits) + "e" + std::to_string(exponent);
    double value = model::reference::TextToNumber(model::Text(text.begin(), text.end()));
    for (int i = 0; i < steps; ++i) value = std::nextafter(value, HUGE_VAL);
    for (int i = 0; i > steps; --i) value = std::nextafter(value, -HUGE_VAL);
    return value;
  }

  // The rest of the input as a text of the given alphabet.
  model::Text Text(std::u16string_view alphabet) {
    model::Text text;
    while (at_ < size_) {
      const std::uint8_t byte = Byte();
      text.push_back(byte == kAnyCodeUnit ? static_cast<char16_t>(Bytes(2))
                                          : alphabet[byte % alphabet.size()]);
    }
    return text;
  }

  static constexpr std::uint8_t kAnyCodeUnit = 255;

 private:
  const std::uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// Number texts: digits, blanks, points, signs and exponent marks, and characters next to them.
inline constexpr std::u16string_view kNumberAlphabet =
    u"0123456789 .+-eE0123456789 .0019/:\u3000\uff11\t,x\u00e9\uffff";
// Digit patterns: placeholders and points, and characters a pattern may hold besides.
inline constexpr std::u16string_view kPatternAlphabet = u"00000####..,- x\u30000#";

// The bytes that read back as the value by its bits.
inline std::string ValueBytes(double value) {
  std::string bytes(1, '\0');
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xff));
  return bytes;
}

// The bytes that read back as the text, in an alphabet that holds each of its characters.
inline std::string TextBytes(std::u16string_view text, std::u16string_view alphabet) {
  std::string bytes;
  for (char16_t c : text) bytes.push_back(static_cast<char>(alphabet.find(c)));
  return bytes;
}

}  // namespace fuzz
