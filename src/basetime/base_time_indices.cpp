#include "basetime/base_time_indices.h"

#include <array>

namespace basetime {

namespace {

// 0 for the hyphens of an unusable run; index i + 1 for entry i; the value after the list for any
// other text.
template <size_t N>
int IndexIn(std::u16string_view text, std::u16string_view hyphens,
            const std::array<std::u16string_view, N>& list) {
  if (text == hyphens) return 0;
  for (size_t i = 0; i < N; ++i) {
    if (text == list[i]) return static_cast<int>(i) + 1;
  }
  return static_cast<int>(N) + 1;
}

}  // namespace

int BaseClassIndexOf(std::u16string_view letter) {
  if (letter == u"未") return 1;  // 未出走 and 未勝利 average with 新馬
  static constexpr std::array<std::u16string_view, 5> kLetters = {u"新", u"五", u"九", u"ジ", u"オ"};
  return IndexIn(letter, u"-", kLetters);
}

int StdDistanceIndexOf(std::u16string_view digits) {
  static constexpr std::array<std::u16string_view, 12> kDigits = {u"10", u"12", u"14", u"15", u"16", u"17",
                                                                  u"18", u"20", u"21", u"22", u"23", u"24"};
  return IndexIn(digits, u"--", kDigits);
}

int StdCourseIndexOf(std::u16string_view letter) {
  static constexpr std::array<std::u16string_view, 10> kLetters = {u"東", u"中", u"阪", u"京", u"名",
                                                                   u"小", u"札", u"新", u"福", u"函"};
  return IndexIn(letter, u"-", kLetters);
}

int StdSurfaceIndexOf(std::u16string_view letter) {
  static constexpr std::array<std::u16string_view, 2> kLetters = {u"芝", u"ダ"};
  return IndexIn(letter, u"-", kLetters);
}

}  // namespace basetime
