#include "model/codes.h"

#include <algorithm>

namespace model {

std::optional<std::u16string_view> NameOfCode(std::span<const CodeName> list, std::u16string_view code) {
  auto it = std::find_if(list.begin(), list.end(), [code](const CodeName& c) { return c.code == code; });
  if (it == list.end()) return std::nullopt;
  return it->name;
}

bool IsLocalCourse(double course_number) {
  return course_number >= kLocalCourseFirst && course_number <= kLocalCourseLast;
}

bool IsForeignCourse(double course_number) {
  return course_number >= kForeignCourseFirst && course_number <= kForeignCourseLast;
}

int StdCourseIndex(std::u16string_view course_code) {
  for (size_t i = 0; i < StdCourseOrder.size(); ++i) {
    if (StdCourseOrder[i].code == course_code) return static_cast<int>(i) + 1;
  }
  return 0;
}

int StdDistanceIndex(double metres) {
  for (size_t i = 0; i < StdDistanceOrder.size(); ++i) {
    if (StdDistanceOrder[i] == metres) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace model
