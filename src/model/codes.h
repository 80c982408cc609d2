#pragma once
// The code lists of the record files and the row and column orders of the standard-time tables.
// Codes compare as whole texts; each window writes its own label texts for them.

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace model {

struct CodeName {
  std::u16string_view code;
  std::u16string_view name;
};

// The name of code in list, nothing when the list does not hold the code.
std::optional<std::u16string_view> NameOfCode(std::span<const CodeName> list, std::u16string_view code);

// The ten central racecourses.
inline constexpr std::array<CodeName, 10> CourseCodes{{
    {u"00", u"京都"},
    {u"01", u"阪神"},
    {u"02", u"中京"},
    {u"03", u"小倉"},
    {u"04", u"東京"},
    {u"05", u"中山"},
    {u"06", u"福島"},
    {u"07", u"新潟"},
    {u"08", u"札幌"},
    {u"09", u"函館"},
}};

// Other course codes by numeric value: local-government and foreign courses.
inline constexpr int kLocalCourseFirst = 10;
inline constexpr int kLocalCourseLast = 46;
inline constexpr std::u16string_view kLocalCourseName = u"公営";
inline constexpr int kForeignCourseFirst = 60;
inline constexpr int kForeignCourseLast = 71;
inline constexpr std::u16string_view kForeignCourseName = u"外国";
bool IsLocalCourse(double course_number);
bool IsForeignCourse(double course_number);

// Race classes.
inline constexpr std::array<CodeName, 7> ClassCodes{{
    {u"00001", u"新馬"},
    {u"00002", u"未出走"},
    {u"00003", u"未勝利"},
    {u"00004", u"オ－プン"},
    {u"05000", u"500万"},
    {u"09000", u"900万"},
    {u"16000", u"1600万"},
}};

// A past run's class outside the list, and a blank class code.
inline constexpr std::u16string_view kOtherClassName = u"その他";
inline constexpr std::u16string_view kBlankClassName = u"なし";

// Track surfaces.
inline constexpr std::array<CodeName, 2> SurfaceCodes{{
    {u"0", u"dirt"},
    {u"1", u"turf"},
}};

// Going, in the order in which today's going is chosen too.
inline constexpr std::array<CodeName, 4> GoingCodes{{
    {u"0", u"良"},
    {u"1", u"稍重"},
    {u"2", u"重"},
    {u"3", u"不良"},
}};

// Pace of a race.
inline constexpr std::array<CodeName, 3> PaceCodes{{
    {u"0", u"high"},
    {u"1", u"middle"},
    {u"2", u"slow"},
}};

// Direction of the course.
inline constexpr std::array<CodeName, 3> DirectionCodes{{
    {u"0", u"right-handed"},
    {u"1", u"left-handed"},
    {u"2", u"straight"},
}};

// Sex of a horse.
inline constexpr std::array<CodeName, 3> SexCodes{{
    {u"0", u"牡"},
    {u"1", u"牝"},
    {u"2", u"せん"},
}};

// Rows 1 to 10 of the standard-time tables, by course.
inline constexpr std::array<CodeName, 10> StdCourseOrder{{
    {u"04", u"東京"},
    {u"05", u"中山"},
    {u"01", u"阪神"},
    {u"00", u"京都"},
    {u"02", u"中京"},
    {u"03", u"小倉"},
    {u"08", u"札幌"},
    {u"07", u"新潟"},
    {u"06", u"福島"},
    {u"09", u"函館"},
}};

// The row (1 to 10) of a central course code, 0 for any other text.
int StdCourseIndex(std::u16string_view course_code);

// Columns 1 to 12 of the standard-time tables, by distance in metres; there is no 1900 m column.
inline constexpr std::array<int, 12> StdDistanceOrder{1000, 1200, 1400, 1500, 1600, 1700,
                                                      1800, 2000, 2100, 2200, 2300, 2400};
// The column (1 to 12) of a distance in metres, 0 for any other distance.
int StdDistanceIndex(double metres);

}  // namespace model
