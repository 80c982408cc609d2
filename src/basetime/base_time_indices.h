#pragma once
// The indices that sort a run summary record into the sum and count tables, read from the
// record's letters and digits at their fixed places.

#include <string_view>

namespace basetime {

// Each reads a piece of a record in place (a Text converts).

// Class from character 2: "-" 0; 新 or 未 1; 五 2; 九 3; ジ 4; オ 5; any other 6.
int BaseClassIndexOf(std::u16string_view letter);
// Distance from characters 3 and 4: "--" 0; "10" .. "24" of the twelve distances 1..12; any other 13.
int StdDistanceIndexOf(std::u16string_view digits);
// Course from character 1: "-" 0; the ten course letters 1..10; any other 11.
int StdCourseIndexOf(std::u16string_view letter);
// Surface from character 5: "-" 0; 芝 1; ダ 2; any other 3.
int StdSurfaceIndexOf(std::u16string_view letter);

constexpr int kTurf = 1;
constexpr int kDirt = 2;

}  // namespace basetime
