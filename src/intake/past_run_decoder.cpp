#include "intake/past_run_decoder.h"

#include <array>
#include <optional>
#include <span>

#include "intake/past_run_tables.h"
#include "intake/record_layouts.h"
#include "model/codes.h"
#include "model/numbers.h"
#include "model/text_ops.h"

namespace intake {
namespace {

using model::Text;
using model::TextToNumber;

const Text kNone = u"なし";
const Text kTrouble = u"あり";

// Past-run display texts of the surface, pace and going codes (the race card words them
// differently).
constexpr std::array<model::CodeName, 2> kSurfaceNames{{{u"0", u"ダ－ト"}, {u"1", u"芝"}}};
constexpr std::array<model::CodeName, 3> kPaceNames{{{u"0", u"ハイ"}, {u"1", u"ミドル"}, {u"2", u"スロ－"}}};
constexpr std::array<model::CodeName, 4> kGoingNames{
    {{u"0", u"良"}, {u"1", u"や"}, {u"2", u"重"}, {u"3", u"不"}}};

// A display text that a step may leave unwritten (a code outside its list).
using Shown = std::optional<Text>;

Shown NameFromList(const Text& raw, std::span<const model::CodeName> list) {
  if (auto name = model::NameOfCode(list, raw)) return Text(*name);
  return std::nullopt;
}

Shown CourseName(const Text& raw) {
  if (raw == u"  ") return kNone;
  if (Shown name = NameFromList(raw, model::CourseCodes)) return name;
  const double v = TextToNumber(raw);
  if (model::IsLocalCourse(v)) return Text(model::kLocalCourseName);
  if (model::IsForeignCourse(v)) return Text(model::kForeignCourseName);
  return std::nullopt;
}

// Era year of the Heisei calendar, as two digits, followed by month and day as they stand.
Text DateText(const Text& raw) {
  if (raw == model::Spaces(8)) return kNone;
  const double y = TextToNumber(model::Mid(raw, 1, 4));
  const Text md = model::Mid(raw, 5, 4);
  Text era;
  if (y >= 2000) {
    era = model::NumberToPatternText(y - 1988, u"00");
  } else if (y == 1999) {
    era = u"11";
  } else if (y == 1998) {
    era = u"10";
  } else if (y == 1997) {
    era = u"09";
  } else if (y == 1996) {
    era = u"08";
  } else if (y == 1995) {
    era = u"07";
  } else if (y == 1994) {
    era = u"06";
  } else {
    era = u"05";
  }
  return era + md;
}

Text ClassName(const Text& raw) {
  if (raw == model::Spaces(5)) return kNone;
  if (Shown name = NameFromList(raw, model::ClassCodes)) return *name;
  return Text(model::kOtherClassName);
}

Shown SurfaceName(const Text& raw) {
  if (raw == u" ") return kNone;
  return NameFromList(raw, kSurfaceNames);
}

Shown PaceName(const Text& raw) {
  if (raw == u" ") return kNone;
  return NameFromList(raw, kPaceNames);
}

Shown GoingName(const Text& raw) {
  if (raw == u" ") return kNone;
  return NameFromList(raw, kGoingNames);
}

// Distance, field size, horse number and body weight: shown as they stand unless the whole
// field is blank.
Text RawOrNone(const Text& raw, int width) {
  return raw == model::Spaces(width) ? kNone : raw;
}

// Tenths of a kilogram: 550 shows as 55, 545 as 54.5.
Text WeightText(const Text& raw) {
  if (raw == u"   ") return kNone;
  if (model::Mid(raw, 3, 1) == u"0") return model::Mid(raw, 1, 2);
  return model::Mid(raw, 1, 2) + u"." + model::Mid(raw, 3, 1);
}

// Positions 31 and above, "00" and blanks are not placings.
Text PositionText(const Text& raw) {
  if (TextToNumber(raw) < 31 && raw != u"  " && raw != u"00") return raw;
  return kNone;
}

// 1123 shows as 1.12.3.
Text TimeText(const Text& raw) {
  if (raw == u"    ") return kNone;
  return model::Mid(raw, 1, 1) + u"." + model::Mid(raw, 2, 2) + u"." + model::Mid(raw, 4, 1);
}

// Tenths of a second: 005 shows as 0.5, 123 as 12.3.
Text TenthsText(const Text& raw) {
  if (raw == u"   ") return kNone;
  return model::NumberToText(TextToNumber(model::Mid(raw, 1, 2))) + u"." + model::Mid(raw, 3, 1);
}

struct Passing {
  Text text;
  Text trouble;
};

// A first listed position above 40 carries 40 as the trouble mark; six characters mean the
// first corner is missing and are shown behind "**".
Passing PassingOrder(const Text& c1, const Text& c2, const Text& c3, const Text& c4) {
  const Text s = model::Trim(c1 + c2 + c3 + c4);
  const int n = model::Len(s);
  const double v = TextToNumber(model::Mid(s, 1, 2));
  if (v > 40 && n == 6)
    return {u"**" + model::NumberToPatternText(v - 40, u"00") + model::Mid(s, 3, 4), kTrouble};
  if (v <= 28 && n == 6) return {u"**" + s, kNone};
  if (v > 40 && n == 8) return {model::NumberToPatternText(v - 40, u"00") + model::Mid(s, 3, 6), kTrouble};
  if (v <= 28 && n == 8) return {s, kNone};
  return {kNone, kNone};
}

// "1.12.3" is 72.3 seconds; "なし" gives 0.
Text TimeSeconds(const Text& time_text) {
  const double m = TextToNumber(model::Mid(time_text, 1, 1));
  const double ss = TextToNumber(model::Mid(time_text, 3, 2));
  const double t = TextToNumber(model::Mid(time_text, 6, 1));
  return model::NumberToText((m * 60 + ss) + t / 10);
}

void Put(model::RunnerTable& table, int r, int j, const Shown& text) {
  if (text) table(r, j) = *text;
}

}  // namespace

void DecodePastRun(const HorseFieldText& record, PastRunTables& t, int r, int j, int b) {
  using U = UmaRecord;
  // Copies the field into its raw cell and hands back that cell.
  auto raw = [&](model::Family<model::RunnerTable>& family, int field) -> const Text& {
    Text& cell = family[b](r, j);
    cell = record(U::RunField(b, field));
    return cell;
  };

  Put(t.RunCourseName[b], r, j, CourseName(raw(t.RunCourseCode, U::kRunCourseCode)));
  t.RunDateText[b](r, j) = DateText(raw(t.RunDateCode, U::kRunDateCode));
  t.RunClassName[b](r, j) = ClassName(raw(t.RunClassCode, U::kRunClassCode));
  Put(t.RunSurfaceName[b], r, j, SurfaceName(raw(t.RunSurfaceCode, U::kRunSurfaceCode)));
  t.RunDistanceText[b](r, j) = RawOrNone(raw(t.RunDistance, U::kRunDistance), 4);
  t.RunFieldSizeText[b](r, j) = RawOrNone(raw(t.RunFieldSize, U::kRunFieldSize), 2);
  Put(t.RunPaceName[b], r, j, PaceName(raw(t.RunPaceCode, U::kRunPaceCode)));
  Put(t.RunGoingName[b], r, j, GoingName(raw(t.RunGoingCode, U::kRunGoingCode)));
  t.RunGateText[b](r, j) = RawOrNone(raw(t.RunGate, U::kRunGate), 2);
  t.RunWeightText[b](r, j) = WeightText(raw(t.RunWeight, U::kRunWeight));
  t.RunBodyWeightText[b](r, j) = RawOrNone(raw(t.RunBodyWeight, U::kRunBodyWeight), 3);
  t.RunPositionText[b](r, j) = PositionText(raw(t.RunPosition, U::kRunPosition));
  t.RunTimeText[b](r, j) = TimeText(raw(t.RunTime, U::kRunTime));
  t.RunMarginText[b](r, j) = TenthsText(raw(t.RunMargin, U::kRunMargin));
  t.RunFirst3FText[b](r, j) = TenthsText(raw(t.RunFirst3F, U::kRunFirst3F));
  t.RunLast3FText[b](r, j) = TenthsText(raw(t.RunLast3F, U::kRunLast3F));
  const Text& c1 = raw(t.RunCorner1_, U::kRunCorner1);
  const Text& c2 = raw(t.RunCorner2_, U::kRunCorner1 + 1);
  const Text& c3 = raw(t.RunCorner3_, U::kRunCorner1 + 2);
  const Text& c4 = raw(t.RunCorner4_, U::kRunCorner1 + 3);
  const Passing passing = PassingOrder(c1, c2, c3, c4);
  t.RunPassingText[b](r, j) = passing.text;
  t.RunTroubleFlag[b](r, j) = passing.trouble;
  t.RunTimeSeconds[b](r, j) = TimeSeconds(t.RunTimeText[b](r, j));
}

}  // namespace intake
