#include "basetime/base_time_indices.h"

#include <array>
#include <cstdint>

namespace basetime {

namespace {

// A piece of one or two characters as one number, compared at once; every hyphen mark and list
// entry has the length of its piece, so a piece of another length matches none of them.
constexpr std::uint32_t Code(char16_t first, char16_t second = 0) {
  return static_cast<std::uint32_t>(first) << 16 | second;
}

// 0 for the hyphens of an unusable run; index i + 1 for entry i; the value after the list for any
// other code.
template <size_t N>
int IndexIn(std::uint32_t code, std::uint32_t hyphens, const std::array<std::uint32_t, N>& list) {
  if (code == hyphens) return 0;
  for (size_t i = 0; i < N; ++i) {
    if (code == list[i]) return static_cast<int>(i) + 1;
  }
  return static_cast<int>(N) + 1;
}

template <size_t N>
int LetterIndexIn(std::u16string_view letter, const std::array<std::uint32_t, N>& list) {
  if (letter.size() != 1) return static_cast<int>(N) + 1;
  return IndexIn(Code(letter[0]), Code(u'-'), list);
}

}  // namespace

int BaseClassIndexOf(std::u16string_view letter) {
  if (letter == u"未") return 1;  // 未出走 and 未勝利 average with 新馬
  static constexpr std::array<std::uint32_t, 5> kLetters = {Code(u'新'), Code(u'五'), Code(u'九'),
                                                            Code(u'ジ'), Code(u'オ')};
  return LetterIndexIn(letter, kLetters);
}

int StdDistanceIndexOf(std::u16string_view digits) {
  static constexpr std::array<std::uint32_t, 12> kDigits = {
      Code(u'1', u'0'), Code(u'1', u'2'), Code(u'1', u'4'), Code(u'1', u'5'),
      Code(u'1', u'6'), Code(u'1', u'7'), Code(u'1', u'8'), Code(u'2', u'0'),
      Code(u'2', u'1'), Code(u'2', u'2'), Code(u'2', u'3'), Code(u'2', u'4')};
  if (digits.size() != 2) return static_cast<int>(kDigits.size()) + 1;
  return IndexIn(Code(digits[0], digits[1]), Code(u'-', u'-'), kDigits);
}

int StdCourseIndexOf(std::u16string_view letter) {
  static constexpr std::array<std::uint32_t, 10> kLetters = {
      Code(u'東'), Code(u'中'), Code(u'阪'), Code(u'京'), Code(u'名'),
      Code(u'小'), Code(u'札'), Code(u'新'), Code(u'福'), Code(u'函')};
  return LetterIndexIn(letter, kLetters);
}

int StdSurfaceIndexOf(std::u16string_view letter) {
  static constexpr std::array<std::uint32_t, 2> kLetters = {Code(u'芝'), Code(u'ダ')};
  return LetterIndexIn(letter, kLetters);
}

}  // namespace basetime
