#include "intake/race_card_reader.h"

#include <span>

#include "intake/meeting_files.h"
#include "intake/race_card_tables.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/codes.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "model/text_ops.h"

namespace intake {

using model::Text;

namespace {

using CodeList = std::span<const model::CodeName>;

// Looks a code up as exact text; a code outside the list leaves the label as it stands.
void Decode(const Text& code, CodeList list, Text& label) {
  if (auto name = model::NameOfCode(list, code)) label = *name;
}

void DecodeCourseName(const Text& code, Text& label) {
  if (auto name = model::NameOfCode(model::CourseCodes, code)) {
    label = *name;
    return;
  }
  const double v = model::TextToNumber(code);
  if (model::IsLocalCourse(v)) {
    label = model::kLocalCourseName;
  } else if (model::IsForeignCourse(v)) {
    label = model::kForeignCourseName;
  }
}

constexpr model::CodeName kRaceNoLabels[] = {{u"01", u"  １Ｒ"}, {u"02", u"  ２Ｒ"}, {u"03", u"  ３Ｒ"},
                                             {u"04", u"  ４Ｒ"}, {u"05", u"  ５Ｒ"}, {u"06", u"  ６Ｒ"},
                                             {u"07", u"  ７Ｒ"}, {u"08", u"  ８Ｒ"}, {u"09", u"  ９Ｒ"},
                                             {u"10", u"１０Ｒ"}, {u"11", u"１１Ｒ"}, {u"12", u"１２Ｒ"}};
constexpr model::CodeName kClassLabels[] = {
    {u"00001", u"新    馬"}, {u"00002", u"未 出 走"}, {u"00003", u"未 勝 利"}, {u"00004", u"オ－プン"},
    {u"05000", u"  500万 "}, {u"09000", u"  900万 "}, {u"16000", u" 1600万 "}};
constexpr model::CodeName kSurfaceLabels[] = {{u"0", u"ダ－ト"}, {u"1", u"  芝  "}};
constexpr model::CodeName kDirLabels[] = {{u"0", u"右"}, {u"1", u"左"}, {u"2", u"直"}};
constexpr model::CodeName kPaceLabels[] = {{u"0", u"ハ  イ"}, {u"1", u"ミドル"}, {u"2", u"スロ－"}};

// Heisei era of a year; years outside the era's span give no era of their own.
bool HeiseiEra(const Text& date_code, Text& era) {
  const double y = model::TextToNumber(model::MidView(date_code, 1, 4));
  if (y < 1989 || y > 2087) return false;
  era = u"H" + model::NumberToPatternText(y - 1988, u"00");
  return true;
}

void ReadRace(RaceCardTables& t, const RecordReader<Den1Record>& rec, int r, Text& era) {
  rec.FieldInto(Den1Record::kCourseCode, t.RaceCourseCode(r));
  DecodeCourseName(t.RaceCourseCode(r), t.RaceCourseName(r));
  rec.FieldInto(Den1Record::kMeetingNo, t.RaceMeetingNo(r));
  rec.FieldInto(Den1Record::kMeetingDay, t.RaceMeetingDay(r));
  rec.FieldInto(Den1Record::kRaceNo, t.RaceNoCode(r));
  Decode(t.RaceNoCode(r), kRaceNoLabels, t.RaceNoLabel(r));
  rec.FieldInto(Den1Record::kRaceDate, t.RaceDateCode(r));
  HeiseiEra(t.RaceDateCode(r), era);
  t.RaceDate(r) =
      era + u"." + model::Mid(t.RaceDateCode(r), 5, 2) + u"." + model::Mid(t.RaceDateCode(r), 7, 2);
  rec.FieldInto(Den1Record::kRaceFlag, t.RaceFlag(r));
  rec.FieldInto(Den1Record::kRaceName, t.RaceName(r));
  if (t.RaceName(r) == model::Spaces(14)) t.RaceName(r) = u"       ***";
  rec.FieldInto(Den1Record::kClassCode, t.RaceClassCode(r));
  Decode(t.RaceClassCode(r), kClassLabels, t.RaceClassLabel(r));
  rec.FieldInto(Den1Record::kSurfaceCode, t.RaceSurfaceCode(r));
  Decode(t.RaceSurfaceCode(r), kSurfaceLabels, t.RaceSurfaceLabel(r));
  rec.FieldInto(Den1Record::kDirectionCode, t.RaceDirCode(r));
  Decode(t.RaceDirCode(r), kDirLabels, t.RaceDirLabel(r));
  rec.FieldInto(Den1Record::kDistance, t.RaceDistance(r));
  t.RaceDistanceLabel(r) = t.RaceDistance(r);
  rec.FieldInto(Den1Record::kRunnerCount, t.RunnerCountCode(r));
  t.RunnerCount(r) = t.RunnerCountCode(r);
  rec.FieldInto(Den1Record::kEstimatedTime, t.RaceEstTimeCode(r));
  const Text& est = t.RaceEstTimeCode(r);
  t.RaceEstTimeLabel(r) = model::Mid(est, 1, 1) + u"." + model::Mid(est, 2, 2) + u"." + model::Mid(est, 4, 1);
  rec.FieldInto(Den1Record::kPaceCode, t.RacePaceCode(r));
  Decode(t.RacePaceCode(r), kPaceLabels, t.RacePaceLabel(r));
  t.RaceSummary(r) = t.RaceNoLabel(r) + u"   " + t.RaceClassLabel(r) + u"   " + t.RaceSurfaceLabel(r) +
                     u"（ " + t.RaceDirLabel(r) + u" ）" + u"  " + t.RaceDistanceLabel(r) + u" m";
}

// The name ends at its first two consecutive blanks; a name that fills the field has none,
// and then only its padding is dropped.
// Cuts the field's text in place down to the name.
void KeepHorseName(Text& field) {
  const size_t cut = field.find(u"  ");
  if (cut != Text::npos) {
    field.resize(cut);
    return;
  }
  const size_t last = field.find_last_not_of(u' ');
  field.resize(last == Text::npos ? 0 : last + 1);
}

Text WeightLabelOf(const Text& code) {
  if (model::Mid(code, 3, 1) == u"0") return model::Left(code, 2);
  return model::Left(code, 2) + u"." + model::Mid(code, 3, 1);
}

void ReadRunner(RaceCardTables& t, const RecordReader<Den2Record>& rec, int r, int j) {
  rec.FieldInto(Den2Record::kFrame, t.Frame(r, j));
  rec.FieldInto(Den2Record::kHorseNo, t.HorseNo(r, j));
  rec.FieldInto(Den2Record::kHorseCode, t.HorseCode(r, j));
  rec.FieldInto(Den2Record::kHorseName, t.HorseName(r, j));
  KeepHorseName(t.HorseName(r, j));
  rec.FieldInto(Den2Record::kSexCode, t.SexCode(r, j));
  Decode(t.SexCode(r, j), model::SexCodes, t.SexLabel(r, j));
  rec.FieldInto(Den2Record::kAge, t.AgeCode(r, j));
  t.AgeLabel(r, j) = model::NumberToText(model::TextToNumber(t.AgeCode(r, j))) + u"才";
  rec.FieldInto(Den2Record::kWeight, t.WeightCode(r, j));
  t.WeightLabel(r, j) = WeightLabelOf(t.WeightCode(r, j));
  rec.FieldInto(Den2Record::kJockey, t.Jockey(r, j));
  rec.FieldInto(Den2Record::kTrainLeadChar1, t.TrainLeadChar1(r, j));
  rec.FieldInto(Den2Record::kTrainLeadNumber1, t.TrainLeadNumber1(r, j));
  rec.FieldInto(Den2Record::kTrainDate1, t.TrainDate1(r, j));
  rec.FieldInto(Den2Record::kTrainCentre1, t.TrainCentre1(r, j));
  rec.FieldInto(Den2Record::kTrainCourse1, t.TrainCourse1(r, j));
  rec.FieldInto(Den2Record::kTrainGoing1, t.TrainGoing1(r, j));
  rec.FieldInto(Den2Record::TrainTimeField(0), t.TrainTimeA1(r, j));
  rec.FieldInto(Den2Record::TrainTimeField(1), t.TrainTimeB1(r, j));
  rec.FieldInto(Den2Record::TrainTimeField(2), t.TrainTimeC1(r, j));
  rec.FieldInto(Den2Record::TrainTimeField(3), t.TrainTimeD1(r, j));
  rec.FieldInto(Den2Record::TrainTimeField(4), t.TrainTimeE1(r, j));
  rec.FieldInto(Den2Record::TrainTimeField(5), t.TrainTimeF1(r, j));
  rec.FieldInto(Den2Record::TrainTimeField(6), t.TrainTimeG1(r, j));
  rec.FieldInto(Den2Record::kTrainLaneChar1, t.TrainLaneChar1(r, j));
  rec.FieldInto(Den2Record::kTrainAction1, t.TrainAction1(r, j));
  rec.FieldInto(Den2Record::kTrainTrendCode1, t.TrainTrendCode1(r, j));
  rec.FieldInto(Den2Record::kTrainRemark1, t.TrainRemark1(r, j));
  rec.FieldInto(Den2Record::kTrainText2, t.TrainText2(r, j));
  rec.FieldInto(Den2Record::kTrainText3, t.TrainText3(r, j));
}

Text ComposeMeetingLine(const RaceCardTables& t) {
  return FullWidthDigit(t.RaceMeetingNo(1)) + u"回" + u" " + t.RaceCourseName(1) + u" " +
         FullWidthDigit(t.RaceMeetingDay(1)) + u"日" + u"   " + t.RaceDate(1);
}

RecordFileUse WalkRunners(RaceCardTables& t, const std::filesystem::path& path) {
  RecordReader<Den2Record> rec(path);
  long n = 1;
  for (int r = 1; r <= model::kRaces; ++r) {
    const double count = model::TextToNumber(t.RunnerCount(r));
    const int runners = RunnersWithCells(count);
    for (int j = 1; j <= runners; ++j) {
      rec.Read(n + j - 1);
      ReadRunner(t, rec, r, j);
    }
    n += RecordsOfRace(count);
  }
  return rec.Use();
}

}  // namespace

Text FullWidthDigit(const Text& code) {
  if (code.size() != 2) return Text();
  for (char16_t ch : code) {
    if (ch < u'0' || ch > u'9') return Text();
  }
  const int number = (code[0] - u'0') * 10 + (code[1] - u'0');
  if (number == 0) return Text();
  Text digits;
  if (number >= 10) digits += static_cast<char16_t>(u'\uFF10' + number / 10);
  digits += static_cast<char16_t>(u'\uFF10' + number % 10);
  return digits;
}

Text ReadRaceCard(model::Meeting& meeting, const std::filesystem::path& folder,
                  std::vector<RecordFileUse>* uses) {
  RaceCardTables& t = meeting.Group<RaceCardTables>();
  {
    RecordReader<Den1Record> rec(JoinFolder(folder, kRaceFileName));
    Text era;  // carried from race to race within this read only
    for (int r = 1; r <= model::kRaces; ++r) {
      rec.Read(r);
      ReadRace(t, rec, r, era);
    }
    if (uses != nullptr) uses->push_back(rec.Use());
  }
  Text meeting_line = ComposeMeetingLine(t);
  const RecordFileUse runners = WalkRunners(t, JoinFolder(folder, kRunnerFileName));
  if (uses != nullptr) uses->push_back(runners);
  return meeting_line;
}

}  // namespace intake
