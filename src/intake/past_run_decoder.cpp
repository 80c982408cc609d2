#include "intake/past_run_decoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

#include "intake/past_run_tables.h"
#include "intake/record_layouts.h"
#include "model/codes.h"
#include "model/numbers.h"
#include "model/text_ops.h"

namespace intake {
namespace {

using model::Text;
using model::TextToNumber;

const Text kTrouble = u"あり";

// Past-run display texts of the surface, pace and going codes (the race card words them
// differently).
constexpr std::array<model::CodeName, 2> kSurfaceNames{{{u"0", u"ダ－ト"}, {u"1", u"芝"}}};
constexpr std::array<model::CodeName, 3> kPaceNames{{{u"0", u"ハイ"}, {u"1", u"ミドル"}, {u"2", u"スロ－"}}};
constexpr std::array<model::CodeName, 4> kGoingNames{
    {{u"0", u"良"}, {u"1", u"や"}, {u"2", u"重"}, {u"3", u"不"}}};

using View = std::u16string_view;

// Mid(text, start, length) without a new text: clamped at the ends as Mid is.
View MidView(View text, int start, int length) {
  if (length <= 0) return {};
  start = std::max(start, 1);
  if (static_cast<size_t>(start) > text.size()) return {};
  return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length));
}

bool IsBlanks(const Text& raw, size_t width) {
  return raw.size() == width && raw.find_first_not_of(u' ') == Text::npos;
}

// The value of one to four ASCII digits, which is what TextToNumber gives them; false for any
// other text.
bool DigitsValue(View text, int& value) {
  if (text.empty() || text.size() > 4) return false;
  value = 0;
  for (const char16_t c : text) {
    if (!model::IsAsciiDigit(c)) return false;
    value = value * 10 + (c - u'0');
  }
  return true;
}

double NumberOf(View text) {
  int value = 0;
  if (DigitsValue(text, value)) return value;
  return TextToNumber(Text(text));
}

// Whole numbers written with at least `digits` digits, as NumberToText (digits 1) and
// NumberToPatternText with a pattern of zeros give them.
void AppendWhole(int value, int digits, Text& out) {
  char16_t buffer[12];
  char16_t* end = buffer + std::size(buffer);
  char16_t* first = end;
  do {
    *--first = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
    --digits;
  } while (value > 0 || digits > 0);
  out.append(first, end);
}

// A display text of at most 16 characters, built on the stack and then written over its cell at
// once. Callers keep within the 16.
class ShortText {
 public:
  ShortText& Add(View text) {
    size_ = static_cast<size_t>(std::copy(text.begin(), text.end(), chars_.begin() + size_) - chars_.begin());
    return *this;
  }
  ShortText& Add(char16_t c) {
    chars_[size_++] = c;
    return *this;
  }
  // A whole number of at most six digits, with at least `digits` of them.
  ShortText& AddWhole(int value, int digits) {
    std::array<char16_t, 8> reversed;  // only the digits written are read
    size_t n = 0;
    do {
      reversed[n++] = static_cast<char16_t>(u'0' + value % 10);
      value /= 10;
      --digits;
    } while (value > 0 || digits > 0);
    while (n > 0) chars_[size_++] = reversed[--n];
    return *this;
  }
  void WriteTo(Text& cell) const { cell.assign(chars_.data(), size_); }

 private:
  std::array<char16_t, 16> chars_;  // only the first size_ are read
  size_t size_ = 0;
};

// Whether NumberToPatternText(v, "00") is v's digits, at least two of them (AddWhole(v, 2)).
bool IsPlainWhole(double v) {
  return v >= 0 && v < 1e6 && v == static_cast<int>(v) && !std::signbit(v);
}

// A number as NumberToPatternText(v, "00") writes it.
void AppendTwoDigitPattern(double v, Text& out) {
  if (IsPlainWhole(v)) {
    AppendWhole(static_cast<int>(v), 2, out);
  } else {
    out += model::NumberToPatternText(v, u"00");
  }
}

// CourseCodes lists the central courses as "00" to "09" in order, so a code's second digit is its
// place in the list.
constexpr bool CourseCodesByDigit() {
  for (size_t i = 0; i < model::CourseCodes.size(); ++i) {
    const std::u16string_view code = model::CourseCodes[i].code;
    if (code.size() != 2 || code[0] != u'0' || code[1] != static_cast<char16_t>(u'0' + i)) return false;
  }
  return model::CourseCodes.size() == 10;
}
static_assert(CourseCodesByDigit());

// NameOfCode(CourseCodes, code), looked up by the digit instead of a search.
std::optional<std::u16string_view> CentralCourseName(View code) {
  if (code.size() != 2 || code[0] != u'0' || !model::IsAsciiDigit(code[1])) return std::nullopt;
  return model::CourseCodes[static_cast<size_t>(code[1] - u'0')].name;
}

void ShowCourseName(const Text& raw, Text& cell) {
  if (raw == u"  ") {
    cell = kNone;
  } else if (auto name = CentralCourseName(raw)) {
    cell.assign(*name);
  } else {
    const double v = TextToNumber(raw);
    if (model::IsLocalCourse(v)) {
      cell.assign(model::kLocalCourseName);
    } else if (model::IsForeignCourse(v)) {
      cell.assign(model::kForeignCourseName);
    }
  }
}

// Heisei era years before 2000, as two digits; 1993 and before show as 05.
View EraBefore2000(double y) {
  if (y == 1999) return u"11";
  if (y == 1998) return u"10";
  if (y == 1997) return u"09";
  if (y == 1996) return u"08";
  if (y == 1995) return u"07";
  if (y == 1994) return u"06";
  return u"05";
}

// Era year of the Heisei calendar, as two digits, followed by month and day as they stand.
void ShowDate(const Text& raw, Text& cell) {
  if (IsBlanks(raw, 8)) {
    cell = kNone;
    return;
  }
  const double y = NumberOf(MidView(raw, 1, 4));
  if (y >= 2000 && IsPlainWhole(y - 1988)) {
    ShortText().AddWhole(static_cast<int>(y - 1988), 2).Add(MidView(raw, 5, 4)).WriteTo(cell);
    return;
  }
  cell.clear();
  if (y >= 2000) {
    AppendTwoDigitPattern(y - 1988, cell);
  } else {
    cell.append(EraBefore2000(y));
  }
  cell.append(MidView(raw, 5, 4));
}

void ShowClassName(const Text& raw, Text& cell) {
  if (IsBlanks(raw, 5)) {
    cell = kNone;
  } else if (auto name = model::NameOfCode(model::ClassCodes, raw)) {
    cell.assign(*name);
  } else {
    cell.assign(model::kOtherClassName);
  }
}

// Surface, pace and going: a blank is "なし", a code outside the list leaves the cell as it is.
void ShowListedName(const Text& raw, std::span<const model::CodeName> list, Text& cell) {
  if (raw == u" ") {
    cell = kNone;
  } else if (auto name = model::NameOfCode(list, raw)) {
    cell.assign(*name);
  }
}

// Distance, field size, horse number and body weight: shown as they stand unless the whole
// field is blank.
void ShowRawOrNone(const Text& raw, size_t width, Text& cell) {
  cell = IsBlanks(raw, width) ? kNone : raw;
}

// Tenths of a kilogram: 550 shows as 55, 545 as 54.5.
void ShowWeight(const Text& raw, Text& cell) {
  if (raw == u"   ") {
    cell = kNone;
    return;
  }
  const View tenths = MidView(raw, 3, 1);
  ShortText text;
  text.Add(MidView(raw, 1, 2));
  if (tenths != u"0") text.Add(u'.').Add(tenths);
  text.WriteTo(cell);
}

// Positions 31 and above, "00" and blanks are not placings.
void ShowPosition(const Text& raw, Text& cell) {
  cell = NumberOf(raw) < 31 && raw != u"  " && raw != u"00" ? raw : kNone;
}

// 1123 shows as 1.12.3.
void ShowTime(const Text& raw, Text& cell) {
  if (raw == u"    ") {
    cell = kNone;
    return;
  }
  ShortText()
      .Add(MidView(raw, 1, 1))
      .Add(u'.')
      .Add(MidView(raw, 2, 2))
      .Add(u'.')
      .Add(MidView(raw, 4, 1))
      .WriteTo(cell);
}

// Tenths of a second: 005 shows as 0.5, 123 as 12.3.
void ShowTenths(const Text& raw, Text& cell) {
  if (raw == u"   ") {
    cell = kNone;
    return;
  }
  if (raw.size() == 3 && model::IsAsciiDigit(raw[0]) && model::IsAsciiDigit(raw[1])) {
    // The usual field: the two whole digits without a leading zero, the point and the tenth.
    ShortText text;
    if (raw[0] != u'0') text.Add(raw[0]);
    text.Add(raw[1]).Add(u'.').Add(raw[2]).WriteTo(cell);
    return;
  }
  const View whole = MidView(raw, 1, 2);
  int value = 0;
  if (DigitsValue(whole, value)) {
    ShortText().AddWhole(value, 1).Add(u'.').Add(MidView(raw, 3, 1)).WriteTo(cell);
    return;
  }
  cell = model::NumberToText(TextToNumber(Text(whole)));
  cell.append(u".").append(MidView(raw, 3, 1));
}

// A first listed position above 40 carries 40 as the trouble mark; six characters mean the
// first corner is missing and are shown behind "**".
void ShowPassingOrder(View s, Text& text, Text& trouble) {
  const size_t n = s.size();
  const double v = NumberOf(MidView(s, 1, 2));
  if (v > 40 && n == 6) {
    text.assign(u"**");
    AppendTwoDigitPattern(v - 40, text);
    text.append(MidView(s, 3, 4));
    trouble = kTrouble;
  } else if (v <= 28 && n == 6) {
    text.assign(u"**").append(s);
    trouble = kNone;
  } else if (v > 40 && n == 8) {
    text.clear();
    AppendTwoDigitPattern(v - 40, text);
    text.append(MidView(s, 3, 6));
    trouble = kTrouble;
  } else if (v <= 28 && n == 8) {
    text.assign(s);
    trouble = kNone;
  } else {
    text = kNone;
    trouble = kNone;
  }
}

// The four corners joined and trimmed of blanks, in a local buffer when they fit (as they do
// from the file).
void ShowPassingOrder(const Text& c1, const Text& c2, const Text& c3, const Text& c4, Text& text,
                      Text& trouble) {
  std::array<char16_t, 16> buffer{};
  Text joined_long;
  View joined;
  if (c1.size() + c2.size() + c3.size() + c4.size() <= buffer.size()) {
    char16_t* end = buffer.data();
    for (const Text* corner : {&c1, &c2, &c3, &c4}) end = std::copy(corner->begin(), corner->end(), end);
    joined = View(buffer.data(), static_cast<size_t>(end - buffer.data()));
  } else {
    joined_long = c1 + c2 + c3 + c4;
    joined = joined_long;
  }
  const size_t first = joined.find_first_not_of(u' ');
  if (first == View::npos) {
    ShowPassingOrder(View(), text, trouble);
    return;
  }
  const size_t last = joined.find_last_not_of(u' ');
  ShowPassingOrder(joined.substr(first, last - first + 1), text, trouble);
}

// "1.12.3" is 72.3 seconds; "なし" gives 0.
void ShowTimeSeconds(const Text& time_text, Text& cell) {
  const View minutes = MidView(time_text, 1, 1);
  const View seconds = MidView(time_text, 3, 2);
  const View tenths = MidView(time_text, 6, 1);
  int m = 0;
  int ss = 0;
  int t = 0;
  if (DigitsValue(minutes, m) && DigitsValue(seconds, ss) && DigitsValue(tenths, t) && t <= 9 && m <= 9) {
    // Whole seconds and one digit of tenths: the text NumberToText gives that sum.
    ShortText text;
    text.AddWhole(m * 60 + ss, 1);
    if (t != 0) text.Add(u'.').Add(static_cast<char16_t>(u'0' + t));
    text.WriteTo(cell);
    return;
  }
  const double mv = NumberOf(minutes);
  const double sv = NumberOf(seconds);
  const double tv = NumberOf(tenths);
  cell = model::NumberToText((mv * 60 + sv) + tv / 10);
}

}  // namespace

void ShowPastRun(PastRunTables& t, int r, int j, int b) {
  const size_t index = RunnerCellIndex(t.RunCourseCode[b], r, j);
  ShowCourseName(t.RunCourseCode[b].CellAt(index), t.RunCourseName[b].CellAt(index));
  ShowDate(t.RunDateCode[b].CellAt(index), t.RunDateText[b].CellAt(index));
  ShowClassName(t.RunClassCode[b].CellAt(index), t.RunClassName[b].CellAt(index));
  ShowListedName(t.RunSurfaceCode[b].CellAt(index), kSurfaceNames, t.RunSurfaceName[b].CellAt(index));
  ShowRawOrNone(t.RunDistance[b].CellAt(index), 4, t.RunDistanceText[b].CellAt(index));
  ShowRawOrNone(t.RunFieldSize[b].CellAt(index), 2, t.RunFieldSizeText[b].CellAt(index));
  ShowListedName(t.RunPaceCode[b].CellAt(index), kPaceNames, t.RunPaceName[b].CellAt(index));
  ShowListedName(t.RunGoingCode[b].CellAt(index), kGoingNames, t.RunGoingName[b].CellAt(index));
  ShowRawOrNone(t.RunGate[b].CellAt(index), 2, t.RunGateText[b].CellAt(index));
  ShowWeight(t.RunWeight[b].CellAt(index), t.RunWeightText[b].CellAt(index));
  ShowRawOrNone(t.RunBodyWeight[b].CellAt(index), 3, t.RunBodyWeightText[b].CellAt(index));
  ShowPosition(t.RunPosition[b].CellAt(index), t.RunPositionText[b].CellAt(index));
  ShowTime(t.RunTime[b].CellAt(index), t.RunTimeText[b].CellAt(index));
  ShowTenths(t.RunMargin[b].CellAt(index), t.RunMarginText[b].CellAt(index));
  ShowTenths(t.RunFirst3F[b].CellAt(index), t.RunFirst3FText[b].CellAt(index));
  ShowTenths(t.RunLast3F[b].CellAt(index), t.RunLast3FText[b].CellAt(index));
  ShowPassingOrder(t.RunCorner1_[b].CellAt(index), t.RunCorner2_[b].CellAt(index),
                   t.RunCorner3_[b].CellAt(index), t.RunCorner4_[b].CellAt(index),
                   t.RunPassingText[b].CellAt(index), t.RunTroubleFlag[b].CellAt(index));
  ShowTimeSeconds(t.RunTimeText[b].CellAt(index), t.RunTimeSeconds[b].CellAt(index));
}

void DecodePastRun(const HorseFieldText& record, PastRunTables& t, int r, int j, int b) {
  CopyRawPastRun(FieldTextSource{record}, t, r, j, b);
  ShowPastRun(t, r, j, b);
}

}  // namespace intake
