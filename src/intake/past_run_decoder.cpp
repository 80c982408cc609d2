#include "intake/past_run_decoder.h"

#include <optional>

#include "model/numbers.h"
#include "model/text_ops.h"

namespace intake {
namespace {

using model::Text;
using model::TextToNumber;

const Text kNone = u"なし";
const Text kTrouble = u"あり";

struct CodeName {
  const char16_t* code;
  const char16_t* name;
};

// A display text that a step may leave unwritten (a code outside its list).
using Shown = std::optional<Text>;

Shown NameFromList(const Text& raw, std::initializer_list<CodeName> list) {
  for (const auto& entry : list) {
    if (raw == entry.code) return Text(entry.name);
  }
  return std::nullopt;
}

Shown CourseName(const Text& raw) {
  if (raw == u"  ") return kNone;
  if (Shown name = NameFromList(raw, {{u"00", u"京都"},
                                      {u"01", u"阪神"},
                                      {u"02", u"中京"},
                                      {u"03", u"小倉"},
                                      {u"04", u"東京"},
                                      {u"05", u"中山"},
                                      {u"06", u"福島"},
                                      {u"07", u"新潟"},
                                      {u"08", u"札幌"},
                                      {u"09", u"函館"}}))
    return name;
  const double v = TextToNumber(raw);
  if (v >= 10 && v <= 46) return Text(u"公営");
  if (v >= 60 && v <= 71) return Text(u"外国");
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
  if (Shown name = NameFromList(raw, {{u"00001", u"新馬"},
                                      {u"00002", u"未出走"},
                                      {u"00003", u"未勝利"},
                                      {u"00004", u"オ－プン"},
                                      {u"05000", u"500万"},
                                      {u"09000", u"900万"},
                                      {u"16000", u"1600万"}}))
    return *name;
  return u"その他";
}

Shown SurfaceName(const Text& raw) {
  if (raw == u" ") return kNone;
  return NameFromList(raw, {{u"0", u"ダ－ト"}, {u"1", u"芝"}});
}

Shown PaceName(const Text& raw) {
  if (raw == u" ") return kNone;
  return NameFromList(raw, {{u"0", u"ハイ"}, {u"1", u"ミドル"}, {u"2", u"スロ－"}});
}

Shown GoingName(const Text& raw) {
  if (raw == u" ") return kNone;
  return NameFromList(raw, {{u"0", u"良"}, {u"1", u"や"}, {u"2", u"重"}, {u"3", u"不"}});
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
Text TimeSeconds(const Text& timeText) {
  const double m = TextToNumber(model::Mid(timeText, 1, 1));
  const double ss = TextToNumber(model::Mid(timeText, 3, 2));
  const double t = TextToNumber(model::Mid(timeText, 6, 1));
  return model::NumberToText((m * 60 + ss) + t / 10);
}

void Put(model::RunnerTable& table, int r, int j, const Shown& text) {
  if (text) table(r, j) = *text;
}

}  // namespace

void DecodePastRun(const HorseFieldText& record, model::PastRunTables& t, int r, int j, int b) {
  namespace f = past_run_field;
  const int shift = f::kBlockStep * (b - 1);
  // Copies the field into its raw cell and hands back that cell.
  auto raw = [&](model::Family<model::RunnerTable>& family, int field) -> const Text& {
    Text& cell = family[b](r, j);
    cell = record(field + shift);
    return cell;
  };

  Put(t.RunCourseName[b], r, j, CourseName(raw(t.RunCourseCode, f::kCourseCode)));
  t.RunDateText[b](r, j) = DateText(raw(t.RunDateCode, f::kDateCode));
  t.RunClassName[b](r, j) = ClassName(raw(t.RunClassCode, f::kClassCode));
  Put(t.RunSurfaceName[b], r, j, SurfaceName(raw(t.RunSurfaceCode, f::kSurfaceCode)));
  t.RunDistanceText[b](r, j) = RawOrNone(raw(t.RunDistance, f::kDistance), 4);
  t.RunFieldSizeText[b](r, j) = RawOrNone(raw(t.RunFieldSize, f::kFieldSize), 2);
  Put(t.RunPaceName[b], r, j, PaceName(raw(t.RunPaceCode, f::kPaceCode)));
  Put(t.RunGoingName[b], r, j, GoingName(raw(t.RunGoingCode, f::kGoingCode)));
  t.RunGateText[b](r, j) = RawOrNone(raw(t.RunGate, f::kGate), 2);
  t.RunWeightText[b](r, j) = WeightText(raw(t.RunWeight, f::kWeight));
  t.RunBodyWeightText[b](r, j) = RawOrNone(raw(t.RunBodyWeight, f::kBodyWeight), 3);
  t.RunPositionText[b](r, j) = PositionText(raw(t.RunPosition, f::kPosition));
  t.RunTimeText[b](r, j) = TimeText(raw(t.RunTime, f::kTime));
  t.RunMarginText[b](r, j) = TenthsText(raw(t.RunMargin, f::kMargin));
  t.RunFirst3FText[b](r, j) = TenthsText(raw(t.RunFirst3F, f::kFirst3F));
  t.RunLast3FText[b](r, j) = TenthsText(raw(t.RunLast3F, f::kLast3F));
  const Text& c1 = raw(t.RunCorner1_, f::kCorner1);
  const Text& c2 = raw(t.RunCorner2_, f::kCorner1 + 1);
  const Text& c3 = raw(t.RunCorner3_, f::kCorner1 + 2);
  const Text& c4 = raw(t.RunCorner4_, f::kCorner1 + 3);
  const Passing passing = PassingOrder(c1, c2, c3, c4);
  t.RunPassingText[b](r, j) = passing.text;
  t.RunTroubleFlag[b](r, j) = passing.trouble;
  t.RunTimeSeconds[b](r, j) = TimeSeconds(t.RunTimeText[b](r, j));
}

}  // namespace intake
