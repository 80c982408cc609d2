#include "intake/race_card_reader.h"

#include <algorithm>
#include <span>

#include "intake/race_card_tables.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/codes.h"
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
  const double y = model::TextToNumber(model::Mid(date_code, 1, 4));
  if (y < 1989 || y > 2087) return false;
  era = u"H" + model::NumberToPatternText(y - 1988, u"00");
  return true;
}

void ReadRace(RaceCardTables& t, const RecordReader<Den1Record>& rec, int r, Text& era) {
  t.RaceCourseCode(r) = rec.Field(Den1Record::kCourseCode);
  DecodeCourseName(t.RaceCourseCode(r), t.RaceCourseName(r));
  t.RaceMeetingNo(r) = rec.Field(Den1Record::kMeetingNo);
  t.RaceMeetingDay(r) = rec.Field(Den1Record::kMeetingDay);
  t.RaceNoCode(r) = rec.Field(Den1Record::kRaceNo);
  Decode(t.RaceNoCode(r), kRaceNoLabels, t.RaceNoLabel(r));
  t.RaceDateCode(r) = rec.Field(Den1Record::kRaceDate);
  HeiseiEra(t.RaceDateCode(r), era);
  t.RaceDate(r) =
      era + u"." + model::Mid(t.RaceDateCode(r), 5, 2) + u"." + model::Mid(t.RaceDateCode(r), 7, 2);
  t.RaceFlag(r) = rec.Field(Den1Record::kRaceFlag);
  t.RaceName(r) = rec.Field(Den1Record::kRaceName);
  if (t.RaceName(r) == model::Spaces(14)) t.RaceName(r) = u"       ***";
  t.RaceClassCode(r) = rec.Field(Den1Record::kClassCode);
  Decode(t.RaceClassCode(r), kClassLabels, t.RaceClassLabel(r));
  t.RaceSurfaceCode(r) = rec.Field(Den1Record::kSurfaceCode);
  Decode(t.RaceSurfaceCode(r), kSurfaceLabels, t.RaceSurfaceLabel(r));
  t.RaceDirCode(r) = rec.Field(Den1Record::kDirectionCode);
  Decode(t.RaceDirCode(r), kDirLabels, t.RaceDirLabel(r));
  t.RaceDistance(r) = rec.Field(Den1Record::kDistance);
  t.RaceDistanceLabel(r) = t.RaceDistance(r);
  t.RunnerCountCode(r) = rec.Field(Den1Record::kRunnerCount);
  t.RunnerCount(r) = t.RunnerCountCode(r);
  t.RaceEstTimeCode(r) = rec.Field(Den1Record::kEstimatedTime);
  const Text& est = t.RaceEstTimeCode(r);
  t.RaceEstTimeLabel(r) = model::Mid(est, 1, 1) + u"." + model::Mid(est, 2, 2) + u"." + model::Mid(est, 4, 1);
  t.RacePaceCode(r) = rec.Field(Den1Record::kPaceCode);
  Decode(t.RacePaceCode(r), kPaceLabels, t.RacePaceLabel(r));
  t.RaceSummary(r) = t.RaceNoLabel(r) + u"   " + t.RaceClassLabel(r) + u"   " + t.RaceSurfaceLabel(r) +
                     u"（ " + t.RaceDirLabel(r) + u" ）" + u"  " + t.RaceDistanceLabel(r) + u" m";
}

// The name ends at its first two consecutive blanks; a name that fills the field has none,
// and then only its padding is dropped.
Text HorseNameOf(const Text& field) {
  const int cut = model::InStr(field, u"  ");
  return cut > 0 ? model::Left(field, cut - 1) : model::RTrim(field);
}

Text WeightLabelOf(const Text& code) {
  if (model::Mid(code, 3, 1) == u"0") return model::Left(code, 2);
  return model::Left(code, 2) + u"." + model::Mid(code, 3, 1);
}

void ReadRunner(RaceCardTables& t, const RecordReader<Den2Record>& rec, int r, int j) {
  t.Frame(r, j) = rec.Field(Den2Record::kFrame);
  t.HorseNo(r, j) = rec.Field(Den2Record::kHorseNo);
  t.HorseCode(r, j) = rec.Field(Den2Record::kHorseCode);
  t.HorseName(r, j) = HorseNameOf(rec.Field(Den2Record::kHorseName));
  t.SexCode(r, j) = rec.Field(Den2Record::kSexCode);
  Decode(t.SexCode(r, j), model::SexCodes, t.SexLabel(r, j));
  t.AgeCode(r, j) = rec.Field(Den2Record::kAge);
  t.AgeLabel(r, j) = model::NumberToText(model::TextToNumber(t.AgeCode(r, j))) + u"才";
  t.WeightCode(r, j) = rec.Field(Den2Record::kWeight);
  t.WeightLabel(r, j) = WeightLabelOf(t.WeightCode(r, j));
  t.Jockey(r, j) = rec.Field(Den2Record::kJockey);
  t.TrainLeadChar1(r, j) = rec.Field(Den2Record::kTrainLeadChar1);
  t.TrainLeadNumber1(r, j) = rec.Field(Den2Record::kTrainLeadNumber1);
  t.TrainDate1(r, j) = rec.Field(Den2Record::kTrainDate1);
  t.TrainCentre1(r, j) = rec.Field(Den2Record::kTrainCentre1);
  t.TrainCourse1(r, j) = rec.Field(Den2Record::kTrainCourse1);
  t.TrainGoing1(r, j) = rec.Field(Den2Record::kTrainGoing1);
  t.TrainTimeA1(r, j) = rec.Field(Den2Record::TrainTimeField(0));
  t.TrainTimeB1(r, j) = rec.Field(Den2Record::TrainTimeField(1));
  t.TrainTimeC1(r, j) = rec.Field(Den2Record::TrainTimeField(2));
  t.TrainTimeD1(r, j) = rec.Field(Den2Record::TrainTimeField(3));
  t.TrainTimeE1(r, j) = rec.Field(Den2Record::TrainTimeField(4));
  t.TrainTimeF1(r, j) = rec.Field(Den2Record::TrainTimeField(5));
  t.TrainTimeG1(r, j) = rec.Field(Den2Record::TrainTimeField(6));
  t.TrainLaneChar1(r, j) = rec.Field(Den2Record::kTrainLaneChar1);
  t.TrainAction1(r, j) = rec.Field(Den2Record::kTrainAction1);
  t.TrainTrendCode1(r, j) = rec.Field(Den2Record::kTrainTrendCode1);
  t.TrainRemark1(r, j) = rec.Field(Den2Record::kTrainRemark1);
  t.TrainText2(r, j) = rec.Field(Den2Record::kTrainText2);
  t.TrainText3(r, j) = rec.Field(Den2Record::kTrainText3);
}

Text ComposeMeetingLine(const RaceCardTables& t) {
  return FullWidthDigit(t.RaceMeetingNo(1)) + u"回" + u" " + t.RaceCourseName(1) + u" " +
         FullWidthDigit(t.RaceMeetingDay(1)) + u"日" + u"   " + t.RaceDate(1);
}

void WalkRunners(RaceCardTables& t, const std::string& path) {
  RecordReader<Den2Record> rec(path);
  long n = 1;
  for (int r = 1; r <= 12; ++r) {
    const double count = model::TextToNumber(t.RunnerCount(r));
    const int runners = RunnersWithCells(count);
    for (int j = 1; j <= runners; ++j) {
      rec.Read(n + j - 1);
      ReadRunner(t, rec, r, j);
    }
    n += RecordsOfRace(count);
  }
}

}  // namespace

long RecordsOfRace(double runner_count) {
  if (!(runner_count >= 1)) return 1;
  // No count read from a file comes near this; it keeps record numbers in range.
  constexpr double kLargestCount = 1e9;
  const double count = std::min(runner_count, kLargestCount);
  const double whole = model::FloorNumber(count);
  return static_cast<long>(whole) + (whole == count ? 0 : 1);
}

int RunnersWithCells(double runner_count) {
  if (!(runner_count >= 1)) return 0;
  return static_cast<int>(
      std::min(model::FloorNumber(runner_count), static_cast<double>(kMaxRunnersPerRace)));
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

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

Text ReadRaceCard(model::Meeting& meeting, const std::string& folder) {
  RaceCardTables& t = meeting.Group<RaceCardTables>();
  {
    RecordReader<Den1Record> rec(JoinFolder(folder, kRaceFileName));
    Text era;  // carried from race to race within this read only
    for (int r = 1; r <= 12; ++r) {
      rec.Read(r);
      ReadRace(t, rec, r, era);
    }
  }
  Text meeting_line = ComposeMeetingLine(t);
  WalkRunners(t, JoinFolder(folder, kRunnerFileName));
  return meeting_line;
}

}  // namespace intake
