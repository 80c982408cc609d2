#include "tools/writer/meeting_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "model/meeting_shape.h"

namespace writer {

namespace {

using intake::Den1Record;
using intake::Den2Record;
using intake::UmaRecord;
using model::Text;

// splitmix64: small, fast and the same on every platform.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Whole number in [lo, hi].
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1)); }
  // Real number in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  double Real(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  bool Chance(double p) { return Unit() < p; }
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<size_t>(Int(0, static_cast<int>(items.size()) - 1))];
  }
  // Index drawn by weights.
  int Weighted(const std::vector<double>& weights) {
    double total = 0;
    for (double w : weights) total += w;
    double u = Unit() * total;
    for (size_t i = 0; i < weights.size(); ++i) {
      if (u < weights[i]) return static_cast<int>(i);
      u -= weights[i];
    }
    return static_cast<int>(weights.size()) - 1;
  }

 private:
  std::uint64_t state_;
};

// ---- Calendar ----

struct Date {
  int y, m, d;
};

long DaysFromCivil(Date date) {
  const int y = date.y - (date.m <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = static_cast<unsigned>((153 * (date.m + (date.m > 2 ? -3 : 9)) + 2) / 5 + date.d - 1);
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

Date CivilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe) + static_cast<int>(era) * 400 + (m <= 2 ? 1 : 0), m, d};
}

// 0 = Sunday .. 6 = Saturday.
int Weekday(long days) {
  return static_cast<int>(((days % 7) + 11) % 7);
}

std::string Digits(long value, int width) {
  std::string s = std::to_string(value);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), '0');
  return s;
}

std::string DateCode(long days) {
  const Date d = CivilFromDays(days);
  return Digits(d.y, 4) + Digits(d.m, 2) + Digits(d.d, 2);
}

// ---- Courses, classes, goings ----

enum Surface { kDirt = 0, kTurf = 1 };

struct Course {
  const char* code;
  bool left_handed;
  std::vector<int> turf;
  std::vector<int> dirt;
  double turf_adjust;  // seconds per 1600 m against the standard
  double dirt_adjust;
  int region;        // 0 west, 1 east, 2 Hokkaido
  bool main_course;  // no racing in July and August
};

// Whether the course holds meetings in that month.
bool RacesIn(const Course& c, int month) {
  if (c.region == 2) return month >= 6 && month <= 9;
  return !(c.main_course && (month == 7 || month == 8));
}

const std::vector<Course>& Courses() {
  static const std::vector<Course> courses = {
      {"00",
       false,
       {1200, 1400, 1600, 1800, 2000, 2200, 2400},
       {1200, 1400, 1800},
       -0.3,
       0.0,
       0,
       true},                                                                                      // 京都
      {"01", false, {1200, 1400, 1600, 2000, 2200}, {1200, 1400, 1800, 2000}, 0.0, 0.2, 0, true},  // 阪神
      {"02", true, {1200, 1800, 2000}, {1000, 1700, 2300}, 0.3, 0.2, 0, false},                    // 中京
      {"03", false, {1200, 1800, 2000}, {1000, 1700}, 0.0, 0.0, 0, false},                         // 小倉
      {"04", true, {1400, 1600, 1800, 2000, 2400}, {1400, 1600, 2100}, -0.2, 0.0, 1, true},        // 東京
      {"05", false, {1200, 1600, 1800, 2000, 2200}, {1200, 1800, 2400}, 0.3, 0.4, 1, true},        // 中山
      {"06", false, {1200, 1800, 2000}, {1000, 1700, 2400}, 0.5, 0.3, 1, false},                   // 福島
      {"07",
       true,
       {1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400},
       {1200, 1800},
       -0.3,
       0.2,
       1,
       false},                                                                          // 新潟
      {"08", false, {1200, 1500, 1800, 2000}, {1000, 1700, 2400}, 1.0, 0.4, 2, false},  // 札幌
      {"09", false, {1200, 1800, 2000}, {1000, 1700, 2400}, 1.0, 0.4, 2, false},        // 函館
  };
  return courses;
}

const std::vector<int>& Distances(const Course& c, Surface s) {
  return s == kTurf ? c.turf : c.dirt;
}

// Winner's time in seconds of a 500万 race on good going at an average course.
double StandardSeconds(Surface s, int distance) {
  static const std::vector<std::pair<int, double>> turf = {
      {1000, 57.0},  {1200, 69.2},  {1400, 82.0},  {1500, 88.8},  {1600, 95.0},  {1700, 101.5},
      {1800, 108.3}, {2000, 121.0}, {2100, 127.5}, {2200, 134.0}, {2300, 140.5}, {2400, 146.5}};
  static const std::vector<std::pair<int, double>> dirt = {
      {1000, 59.8},  {1200, 72.3},  {1400, 85.2},  {1500, 91.5},  {1600, 97.8},  {1700, 105.2},
      {1800, 112.6}, {2000, 125.6}, {2100, 131.8}, {2200, 138.6}, {2300, 145.0}, {2400, 151.6}};
  for (const auto& [d, t] : s == kTurf ? turf : dirt) {
    if (d == distance) return t;
  }
  return distance * 0.06;
}

enum ClassIndex { kDebut, kMaiden, k500, k900, k1600, kOpen };
const std::array<const char*, 6> kClassCodes = {"00001", "00003", "05000", "09000", "16000", "00004"};
const std::array<double, 6> kClassAdjust = {1.2, 0.7, 0.0, -0.4, -0.7, -1.1};  // per 1600 m

ClassIndex ClassByWins(int wins) {
  switch (wins) {
    case 0:
      return kMaiden;
    case 1:
      return k500;
    case 2:
      return k900;
    case 3:
      return k1600;
    default:
      return kOpen;
  }
}

const std::array<std::array<double, 4>, 2> kGoingAdjust = {{{0.0, -0.4, -0.7, -0.5},  // dirt
                                                            {0.0, 0.6, 1.4, 2.4}}};   // turf

// Tenths of a second of a winner's time, without the luck of the day.
int ExpectedTenths(const Course& c, Surface s, int distance, ClassIndex cls, int going) {
  const double per1600 = distance / 1600.0;
  const double seconds = StandardSeconds(s, distance) +
                         per1600 * ((s == kTurf ? c.turf_adjust : c.dirt_adjust) + kClassAdjust[cls] +
                                    kGoingAdjust[s][static_cast<size_t>(going)]);
  return static_cast<int>(std::lround(seconds * 10));
}

// Four digits: minutes, two digits of seconds, tenths.
std::string TimeCode(int tenths) {
  return std::to_string(tenths / 600) + Digits((tenths % 600) / 10, 2) + std::to_string(tenths % 10);
}

// ---- Names ----

Text FullWidthNumber(int value) {
  Text out;
  for (char c : std::to_string(value)) out.push_back(static_cast<char16_t>(u'０' + (c - '0')));
  return out;
}

class NameMaker {
 public:
  explicit NameMaker(Rng& rng) : rng_(rng) {}

  // Horse names are unique within the meeting; a dam's name may recur.
  Text Horse() {
    for (;;) {
      Text name = Compose(k_prefixes_, k_stems_);
      if (used_.insert(name).second) return name;
    }
  }
  Text Dam() { return Compose(k_dam_prefixes_, k_dam_stems_); }

 private:
  // A crown name and a stem, or two stems, at most 9 characters.
  Text Compose(const std::vector<Text>& prefixes, const std::vector<Text>& stems) {
    for (;;) {
      Text name = rng_.Chance(0.7) ? rng_.Pick(prefixes) : rng_.Pick(stems);
      name += rng_.Pick(stems);
      if (name.size() <= 9) return name;
    }
  }

  Rng& rng_;
  std::set<Text> used_;
  const std::vector<Text> k_prefixes_ = {u"サクラ",   u"メイショウ", u"マイネル", u"ダイワ",   u"タイキ",
                                         u"エイシン", u"トウカイ",   u"シゲル",   u"ゴールド", u"スーパー",
                                         u"キタサン", u"アドマイヤ", u"ナリタ",   u"ヤマニン", u"テイエム",
                                         u"シルク",   u"マチカネ",   u"ホッコー", u"エアー",   u"ニシノ"};
  const std::vector<Text> k_stems_ = {
      u"ブライト",   u"フラッシュ", u"スター",     u"キング",   u"クイーン",   u"ウイング", u"ドリーム",
      u"ハート",     u"ミラクル",   u"ファイター", u"ボス",     u"レディ",     u"プリンス", u"ダンサー",
      u"ジョイ",     u"ベスト",     u"ライト",     u"チャンプ", u"エース",     u"シャトル", u"ロマン",
      u"マーチ",     u"ワルツ",     u"カイザー",   u"ジェット", u"ビクトリー", u"ヒーロー", u"ノヴァ",
      u"アロー",     u"フォルテ",   u"リリー",     u"ルビー",   u"オーラ",     u"ブリーズ", u"ストーム",
      u"サンライズ", u"コメット",   u"オペラ",     u"タキオン", u"レグルス",   u"アトラス", u"シリウス"};
  const std::vector<Text> k_dam_prefixes_ = {u"ミス",     u"レディ",     u"プリンセス", u"スイート",
                                             u"ラブリー", u"ビューティ", u"ハッピー"};
  const std::vector<Text> k_dam_stems_ = {u"リリー", u"ルビー",   u"ローズ", u"エンジェル", u"ベル",
                                          u"マリア", u"ソフィア", u"セレナ", u"カトレア",   u"ダイヤ",
                                          u"パール", u"アイリス", u"ミモザ", u"ヴィオラ",   u"フローラ"};
};

const std::vector<Text> kSires = {
    u"サンデーサイレンス", u"ブライアンズタイム", u"トニービン",           u"ノーザンテースト",
    u"リアルシャダイ",     u"ダンシングブレーヴ", u"サクラユタカオー",     u"フォーティナイナー",
    u"ジェイドロバリー",   u"アフリート",         u"ティンバーカントリー", u"エルコンドルパサー",
    u"スペシャルウィーク", u"ダンスインザダーク", u"フジキセキ",           u"サクラバクシンオー",
    u"エンドスウィープ",   u"タイキシャトル",     u"グラスワンダー",       u"ジャングルポケット"};

const std::vector<Text> kJockeySurnames = {u"佐藤", u"田中", u"高橋", u"松本", u"山田", u"中村",
                                           u"小林", u"石川", u"吉田", u"藤井", u"岩田", u"村上",
                                           u"北村", u"内田", u"柴田", u"木村", u"池田", u"西田"};
const std::vector<Text> kJockeyGiven = {u"哲", u"健", u"正", u"隆", u"勝", u"和", u"誠", u"学", u""};

const std::vector<Text> kSpecialNames = {
    u"嵐山特別",   u"比良山特別", u"鴨川特別",   u"北山Ｓ",       u"淀屋橋Ｓ",   u"道頓堀Ｓ",
    u"桶狭間Ｓ",   u"玄海特別",   u"浜名湖特別", u"白秋Ｓ",       u"清澄特別",   u"勝浦特別",
    u"八丈島特別", u"府中Ｓ",     u"多摩川Ｓ",   u"稲城特別",     u"猪苗代特別", u"十勝岳特別",
    u"駒ケ岳特別", u"大沼Ｓ",     u"湯の川特別", u"アメジストＳ", u"朱雀Ｓ",     u"ながつきＳ"};

// ---- Runs ----

enum Style { kFront, kStalker, kCloser, kDeepCloser };

struct Run {
  int course = 0;
  Surface surface = kTurf;
  int distance = 1600;
  int going = 0;
  ClassIndex cls = kMaiden;
  int field_size = 12;
  int position = 1;
  Style style = kStalker;
  // Details, filled for the five runs that the horse file lists.
  long days = 0;
  int pace = 1;
  int gate = 1;
  int weight = 550;
  int body_weight = 460;
  int time_tenths = 0;
  int margin_tenths = 0;
  int first3_f = 0;
  int last3_f = 0;
  std::array<int, 4> corners = {0, 0, 0, 0};  // 0 = not listed
};

int Clamp(int v, int lo, int hi) {
  return std::max(lo, std::min(hi, v));
}

// Corners listed for a race: two for the shortest races, three up to 1500 m, else four.
int ListedCorners(int distance) {
  return distance <= 1000 ? 2 : distance <= 1500 ? 3 : 4;
}

int Going(Rng& rng) {
  return rng.Weighted({65, 18, 10, 7});
}

int NearestDistance(const std::vector<int>& list, int wanted) {
  int best = list.front();
  for (int d : list) {
    if (std::abs(d - wanted) < std::abs(best - wanted)) best = d;
  }
  return best;
}

struct Horse {
  Surface surface = kTurf;
  int distance = 1600;
  Style style = kStalker;
  double ability = 0.5;
  int region = 0;
  bool female = false;
  int body_weight = 460;
  std::vector<Run> career;  // oldest first
};

Style RunStyle(Rng& rng, Style usual) {
  if (rng.Chance(0.7)) return usual;
  return static_cast<Style>(Clamp(usual + (rng.Chance(0.5) ? 1 : -1), 0, 3));
}

void PlaceInRace(Rng& rng, const Horse& horse, Run& run, bool won) {
  run.field_size = rng.Int(run.cls <= kMaiden ? 10 : 8, 18);
  if (won) {
    run.position = 1;
  } else {
    const double u = std::pow(rng.Unit(), 0.6 + horse.ability * 1.2);
    run.position = Clamp(2 + static_cast<int>((run.field_size - 1) * u), 2, run.field_size);
  }
  run.style = RunStyle(rng, horse.style);
}

// The horse's career, oldest run first, ending in the class of today's race.
// recent_days: the dates of the five most recent runs, the last one first.
void MakeCareer(Rng& rng, Horse& horse, ClassIndex today, int today_course,
                const std::vector<long>& recent_days) {
  int wins = today == kOpen ? rng.Int(4, 7) : static_cast<int>(today) - 1;
  const std::array<std::pair<int, int>, 6> runs_by_class = {
      {{5, 8}, {5, 10}, {6, 18}, {8, 22}, {10, 26}, {12, 30}}};
  const int runs = std::max({rng.Int(runs_by_class[today].first, runs_by_class[today].second), wins + 1, 5});
  std::vector<bool> won(static_cast<size_t>(runs), false);
  for (int placed = 0; placed < wins;) {
    const int k = rng.Int(0, runs - 1);
    if (won[static_cast<size_t>(k)]) continue;
    won[static_cast<size_t>(k)] = true;
    ++placed;
  }
  int wins_so_far = 0;
  for (int k = 0; k < runs; ++k) {
    Run run;
    run.cls = k == 0 && wins_so_far == 0 ? kDebut : ClassByWins(wins_so_far);
    run.surface = rng.Chance(0.75) ? horse.surface : static_cast<Surface>(1 - horse.surface);
    // Mostly at courses of the horse's own region, sometimes today's course, in their season.
    const int back = runs - 1 - k;
    if (back < model::kPastRuns) run.days = recent_days[static_cast<size_t>(back)];
    const int month = back < model::kPastRuns ? CivilFromDays(run.days).m : 0;
    for (;;) {
      run.course = rng.Chance(0.3) ? today_course : rng.Int(0, 9);
      const Course& at = Courses()[static_cast<size_t>(run.course)];
      if (month != 0 && !RacesIn(at, month)) continue;
      if (at.region == horse.region || at.region == 2 || rng.Chance(0.25)) break;
    }
    const Course& c = Courses()[static_cast<size_t>(run.course)];
    run.distance = NearestDistance(Distances(c, run.surface), horse.distance + 200 * rng.Int(-2, 2));
    run.going = Going(rng);
    PlaceInRace(rng, horse, run, won[static_cast<size_t>(k)]);
    if (won[static_cast<size_t>(k)]) ++wins_so_far;
    horse.career.push_back(run);
  }
}

// Times, margins, furlongs, corners and the rest of a run that the horse file lists.
void DetailRun(Rng& rng, const Horse& horse, Run& run) {
  const Course& c = Courses()[static_cast<size_t>(run.course)];
  run.pace = rng.Weighted({30, 45, 25});
  run.gate = rng.Int(1, run.field_size);
  run.weight = (horse.female ? 540 : 560) + 5 * rng.Int(-4, 2);
  run.body_weight = Clamp(horse.body_weight + rng.Int(-8, 8), 380, 560);

  const double noise = rng.Real(-0.4, 0.4) * run.distance / 1600.0;
  const int winner = ExpectedTenths(c, run.surface, run.distance, run.cls, run.going) +
                     static_cast<int>(std::lround(noise * 10));
  int margin = 0;
  for (int p = 2; p <= run.position; ++p) margin += rng.Int(0, 4) + (p > 10 ? rng.Int(0, 5) : 0);
  run.margin_tenths = std::min(margin, 49);
  run.time_tenths = winner + run.margin_tenths;

  // Corner positions follow the running style and close in on the finish at the last corner.
  const std::array<std::pair<double, double>, 4> band = {{{0.0, 0.05}, {0.1, 0.3}, {0.35, 0.65}, {0.7, 1.0}}};
  const double f = rng.Real(band[run.style].first, band[run.style].second);
  int pos = Clamp(1 + static_cast<int>(std::lround(f * (run.field_size - 1))), 1, run.field_size);
  const int listed = ListedCorners(run.distance);
  for (int corner = 4 - listed; corner < 4; ++corner) {
    if (corner == 3)
      pos = (pos + run.position + 1) / 2 + rng.Int(-1, 1);
    else if (corner > 4 - listed)
      pos += rng.Int(-1, 1);
    pos = Clamp(pos, 1, run.field_size);
    run.corners[static_cast<size_t>(corner)] = pos;
  }
  const int first_listed = 4 - listed;
  // Furlong times from the average speed, shaped by surface, distance and pace.
  double k_first = run.surface == kTurf ? (run.distance <= 1400   ? 0.985
                                           : run.distance <= 1800 ? 0.99
                                                                  : 1.0)
                                        : (run.distance <= 1400 ? 0.965 : 0.975);
  double k_last = run.surface == kTurf ? (run.distance <= 1400   ? 1.015
                                          : run.distance <= 1800 ? 0.985
                                                                 : 0.96)
                                       : (run.distance <= 1400   ? 1.035
                                          : run.distance <= 1800 ? 1.015
                                                                 : 1.0);
  if (run.pace == 0) k_first -= 0.015, k_last += 0.015;
  if (run.pace == 2) k_first += 0.02, k_last -= 0.02;
  const double winner_avg = winner / 10.0 * 600.0 / run.distance;
  const int leader_first = static_cast<int>(std::lround(winner_avg * k_first * 10));
  const int winner_last = static_cast<int>(std::lround(winner_avg * k_last * 10));
  run.first3_f = leader_first + (run.corners[static_cast<size_t>(first_listed)] - 1) + rng.Int(0, 2);
  run.last3_f = Clamp(winner_last + run.margin_tenths - (run.corners[3] - 3) + rng.Int(-2, 2),
                      winner_last - 15, winner_last + 40);
  // Now and then a horse met trouble: the first listed position carries 40 more.
  if (rng.Chance(0.02)) run.corners[static_cast<size_t>(first_listed)] += 40;
}

// ---- Record counts ----

using Counts = std::array<std::array<int, 4>, 37>;  // [group][finish 0..3]; group 0 unused

int FinishIndex(int position) {
  return position <= 3 ? position - 1 : 3;
}

int DistanceBucket(int distance) {
  const std::array<int, 7> limits = {1000, 1200, 1400, 1600, 1800, 2000, 2200};
  for (size_t i = 0; i < limits.size(); ++i) {
    if (distance <= limits[i]) return static_cast<int>(i);
  }
  return 7;
}

Counts CountCareer(const std::vector<Run>& career) {
  Counts counts{};
  for (const Run& run : career) {
    const int f = FinishIndex(run.position);
    const bool left = Courses()[static_cast<size_t>(run.course)].left_handed;
    auto add = [&](int group) { ++counts[static_cast<size_t>(group)][static_cast<size_t>(f)]; };
    add(1);
    ++counts[2][static_cast<size_t>(run.style)];
    add(run.surface == kTurf ? (left ? 4 : 3) : (left ? 6 : 5));
    add((run.surface == kTurf ? 9 : 13) + run.going);
    add((run.surface == kTurf ? 21 : 29) + DistanceBucket(run.distance));
  }
  return counts;
}

// ---- Workouts ----

struct Workout {
  bool held = true;
  long days = 0;
  Text centre;
  Text course;
  Text going;  // flat work only
  std::array<std::string, 7> slots;
  char lane = ' ';
  Text action;
  char trend = ' ';
  Text remark;
};

std::string Slot(double seconds) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%6.1f", seconds);
  return buf;
}

// Item widths of a workout, as workout 1's fields and inside the workout texts.
constexpr std::array<int, 17> kWorkoutWidths = {1, 8, 8, 6, 2, 2, 6, 6, 6, 6, 6, 6, 6, 1, 6, 1, 40};

std::string MarkDigits(Rng& rng, int count) {
  // No "2": the first "2" of a workout text starts its date.
  static const std::string digits = "013456789";
  std::string out;
  for (int i = 0; i < count; ++i) out += digits[static_cast<size_t>(rng.Int(0, 8))];
  return out;
}

Workout MakeWorkout(Rng& rng, long days, const Text& centre) {
  Workout w;
  w.days = days;
  w.centre = centre;
  const bool slope_centre = centre != u"函館";
  if (slope_centre && rng.Chance(0.35)) {
    w.course = u"坂";
    const double g = rng.Real(12.0, 13.8);
    const double f = g + rng.Real(12.3, 13.8);
    const double e = f + rng.Real(12.5, 14.0);
    const double d = e + rng.Real(12.5, 14.5);
    if (rng.Chance(0.6))
      w.slots[2] = "   " + std::to_string(rng.Int(1, 2)) + EncodeCp932(u"回");  // runs up the slope
    w.slots[3] = Slot(d);
    w.slots[4] = Slot(e);
    w.slots[5] = Slot(f);
    w.slots[6] = Slot(g);
  } else {
    if (centre == u"栗東")
      w.course = rng.Pick(std::vector<Text>{u"CW", u"CW", u"Ｅ", u"Ｂ", u"ダ", u"芝"});
    else if (centre == u"函館")
      w.course = rng.Pick(std::vector<Text>{u"Ｗ", u"ダ", u"芝"});
    else
      w.course = rng.Pick(std::vector<Text>{u"Ｗ", u"Ｗ", u"Ｄ", u"ダ", u"芝", u"DW"});
    w.going =
        std::vector<Text>{u"良", u"稍", u"重", u"不"}[static_cast<size_t>(rng.Weighted({70, 15, 10, 5}))];
    const double g = rng.Real(11.8, 13.5);
    const double f = g + rng.Real(24.5, 27.0);
    const double e = f + rng.Real(12.5, 14.5);
    const double d = e + rng.Real(13.0, 15.0);
    const double c = d + rng.Real(13.5, 16.0);
    if (rng.Chance(0.7)) w.slots[2] = Slot(c);
    w.slots[3] = Slot(d);
    w.slots[4] = Slot(e);
    w.slots[5] = Slot(f);
    w.slots[6] = Slot(g);
  }
  w.lane = static_cast<char>('3' + rng.Int(0, 6));
  w.action = rng.Pick(std::vector<Text>{u"馬なり", u"馬なり", u"末強め", u"直強め", u"一杯追"});
  w.trend = rng.Chance(0.1) ? ' ' : static_cast<char>('1' + rng.Int(0, 4));
  if (rng.Chance(0.2)) w.remark = rng.Pick(std::vector<Text>{u"併せ馬に先着", u"併せて同入", u"単走"});
  return w;
}

// A runner without a workout on record this time.
Workout NoWorkout(Rng& rng) {
  Workout w;
  w.held = false;
  w.remark = rng.Pick(std::vector<Text>{u"中間軽め", u"キャンタ\uFF0D", u"トレセン調整"});
  return w;
}

// The workout's items, each fitted to its width, in record order.
std::array<std::string, 17> WorkoutItems(Rng& rng, const Workout& w) {
  std::array<std::string, 17> items;
  items[0] = w.held ? "0" : " ";
  items[1] = w.held ? MarkDigits(rng, 8) : std::string(8, ' ');
  items[2] = w.held ? DateCode(w.days) : std::string(8, ' ');
  items[3] = EncodeFitted(w.centre, 6);
  items[4] = EncodeFitted(w.course, 2);
  items[5] = EncodeFitted(w.going, 2);
  for (size_t s = 0; s < 7; ++s) items[6 + s] = w.slots[s];
  items[13] = std::string(1, w.held ? w.lane : ' ');
  items[14] = EncodeFitted(w.action, 6);
  items[15] = std::string(1, w.held ? w.trend : ' ');
  items[16] = EncodeFitted(w.remark, 40);
  for (size_t i = 0; i < items.size(); ++i) {
    items[i].resize(static_cast<size_t>(kWorkoutWidths[i]), ' ');
  }
  return items;
}

// ---- The meeting ----

struct RaceCard {
  ClassIndex cls;
  Surface surface;
  int distance;
  int runners;
};

int FrameOf(int horse_no, int runners) {
  if (runners <= 8) return horse_no;
  // Frames 1..8 share the runners; the extra ones go to the outside frames.
  const int base = runners / 8;
  const int extra = runners % 8;
  int first = 1;
  for (int frame = 1; frame <= 8; ++frame) {
    const int size = base + (frame > 8 - extra ? 1 : 0);
    if (horse_no < first + size) return frame;
    first += size;
  }
  return 8;
}

long MeetingDay(Rng& rng, const Course& course) {
  for (;;) {
    const int year = rng.Int(2000, 2008);
    const int month = rng.Int(1, 12);
    if (!RacesIn(course, month)) continue;
    long days = DaysFromCivil({year, month, rng.Int(1, 28)});
    while (Weekday(days) != 0 && Weekday(days) != 6) ++days;
    if (days < DaysFromCivil({2000, 2, 1})) continue;  // workouts weeks before stay in 2000
    return days;
  }
}

}  // namespace

MeetingFiles GenerateMeeting(std::uint64_t seed) {
  Rng rng(seed);
  NameMaker names(rng);
  MeetingFiles files;

  const int course_index = rng.Int(0, 9);
  const Course& course = Courses()[static_cast<size_t>(course_index)];
  const long today = MeetingDay(rng, course);
  const Date today_date = CivilFromDays(today);
  const bool old_ages = today_date.y <= 2000;  // ages were counted one higher until 2000
  const int meeting_no = rng.Int(1, 5);
  const int meeting_day = 2 * rng.Int(0, 3) + (Weekday(today) == 6 ? 1 : 2);

  const std::array<ClassIndex, 12> programme = {
      kMaiden, kMaiden, kMaiden, kMaiden, k500, k500, k500, k900, k500, k900, rng.Chance(0.5) ? kOpen : k1600,
      k900};
  const std::array<double, 12> turf_share = {0.3, 0.5, 0.6, 0.3, 0.6, 0.4, 0.6, 0.4, 0.6, 0.6, 0.8, 0.3};
  std::set<Text> used_specials;

  for (int r = 1; r <= 12; ++r) {
    RaceCard race;
    race.cls = programme[static_cast<size_t>(r - 1)];
    race.surface = rng.Chance(turf_share[static_cast<size_t>(r - 1)]) ? kTurf : kDirt;
    race.distance = rng.Pick(Distances(course, race.surface));
    race.runners = rng.Int(8, 18);
    const bool straight = course.code == std::string("07") && race.surface == kTurf && race.distance == 1000;

    Text race_name;
    const int young_age = old_ages ? 4 : 3;
    if (race.cls == kMaiden) {
      race_name = FullWidthNumber(young_age) + u"歳未勝利";
    } else if (race.cls == k500 && rng.Chance(0.6)) {
      race_name = FullWidthNumber(young_age + 1) + u"歳上５００万";
    } else {
      do race_name = rng.Pick(kSpecialNames);
      while (!used_specials.insert(race_name).second);
    }

    Den1Builder& rec = files.races.emplace_back();
    rec.SetBytes(Den1Record::kCourseCode, course.code)
        .SetNumber(2, today_date.y)
        .SetNumber(Den1Record::kMeetingNo, meeting_no)
        .SetNumber(Den1Record::kMeetingDay, meeting_day)
        .SetNumber(Den1Record::kRaceNo, r)
        .SetBytes(Den1Record::kRaceDate, DateCode(today))
        .SetBytes(Den1Record::kRaceFlag, "0")
        .Set(Den1Record::kRaceName, race_name)
        .SetBytes(Den1Record::kClassCode, kClassCodes[race.cls])
        .SetNumber(Den1Record::kSurfaceCode, race.surface)
        .SetNumber(Den1Record::kDirectionCode, straight             ? 2
                                               : course.left_handed ? 1
                                                                    : 0)
        .SetNumber(Den1Record::kDistance, race.distance)
        .SetNumber(Den1Record::kRunnerCount, race.runners)
        .SetBytes(Den1Record::kEstimatedTime,
                  TimeCode(ExpectedTenths(course, race.surface, race.distance, race.cls, 0)))
        .SetNumber(Den1Record::kPaceCode, rng.Weighted({30, 45, 25}));

    for (int j = 1; j <= race.runners; ++j) {
      Horse horse;
      horse.surface = rng.Chance(0.8) ? race.surface : static_cast<Surface>(1 - race.surface);
      horse.distance = race.distance;
      horse.style = static_cast<Style>(rng.Weighted({15, 35, 35, 15}));
      horse.ability = rng.Unit();
      horse.region =
          course.region == 2 ? rng.Int(0, 1) : (rng.Chance(0.8) ? course.region : 1 - course.region);
      const int sex = rng.Weighted({60, 35, 5});
      horse.female = sex == 1;
      horse.body_weight = rng.Int(420, 520);
      // The five most recent runs, the last one first, each some weeks before the one after it;
      // Saturday and Sunday both race.
      std::vector<long> recent_days;
      long when = today;
      for (int k = 0; k < model::kPastRuns; ++k) {
        when -= 7L * (k == 0 ? rng.Int(2, 8) : rng.Int(2, 10));
        recent_days.push_back(when + (rng.Chance(0.5) ? (Weekday(when) == 6 ? 1 : -1) : 0));
      }
      MakeCareer(rng, horse, race.cls, course_index, recent_days);
      std::vector<Run*> recent;
      for (int k = 0; k < model::kPastRuns; ++k) {
        recent.push_back(&horse.career[horse.career.size() - 1 - static_cast<size_t>(k)]);
        DetailRun(rng, horse, *recent.back());
      }

      const int age = (race.cls == kMaiden ? 3 : rng.Int(3, race.cls >= k1600 ? 7 : 5)) + (old_ages ? 1 : 0);
      const bool young = age - (old_ages ? 1 : 0) == 3;
      int weight = (young ? 560 : 570) - (horse.female ? 20 : 0);
      if (race.cls >= k1600) weight += 5 * rng.Int(-6, 2);
      const Text name = names.Horse();
      const std::string horse_code =
          Digits(today_date.y - age + (old_ages ? 1 : 0), 4).substr(2) + MarkDigits(rng, 5);

      Den2Builder& runner = files.runners.emplace_back();
      runner.SetBytes(1, course.code)
          .SetNumber(2, today_date.y)
          .SetNumber(3, meeting_no)
          .SetNumber(4, meeting_day)
          .SetNumber(5, r)
          .SetBytes(6, DateCode(today))
          .SetNumber(Den2Record::kFrame, FrameOf(j, race.runners))
          .SetNumber(Den2Record::kHorseNo, j)
          .SetBytes(Den2Record::kHorseCode, horse_code)
          .Set(Den2Record::kHorseName, name)
          .SetNumber(Den2Record::kSexCode, sex)
          .SetNumber(Den2Record::kAge, age)
          .SetNumber(Den2Record::kWeight, weight)
          .Set(Den2Record::kJockey, rng.Pick(kJockeySurnames) + rng.Pick(kJockeyGiven));

      // Workouts: the latest in the race week, the others one and two weeks earlier.
      Text centre = horse.region == 0 ? u"栗東" : rng.Chance(0.5) ? u"美南" : u"美北";
      if (course.region == 2 && rng.Chance(0.5)) centre = u"函館";
      for (int w = 1; w <= 3; ++w) {
        const long days = today - 7L * (w - 1) - rng.Int(3, 5);
        const Workout workout = rng.Chance(0.05) ? NoWorkout(rng) : MakeWorkout(rng, days, centre);
        const std::array<std::string, 17> items = WorkoutItems(rng, workout);
        if (w == 1) {
          for (size_t i = 0; i < items.size(); ++i) {
            runner.SetBytes(Den2Record::kTrainLeadChar1 + static_cast<int>(i), items[i]);
          }
        } else {
          std::string text;
          for (const std::string& item : items) text += item;
          runner.SetBytes(w == 2 ? Den2Record::kTrainText2 : Den2Record::kTrainText3, text);
        }
      }

      UmaBuilder& uma = files.horses.emplace_back();
      uma.SetBytes(1, horse_code)
          .Set(UmaRecord::kHorseName, name)
          .Set(UmaRecord::kSireName, rng.Pick(kSires))
          .Set(UmaRecord::kDamName, names.Dam());
      const Counts counts = CountCareer(horse.career);
      for (int g = 1; g <= UmaRecord::kCountGroups; ++g) {
        for (int c = 1; c <= 4; ++c) {
          uma.SetNumber(UmaRecord::CountField(g, c),
                        std::min(counts[static_cast<size_t>(g)][static_cast<size_t>(c - 1)], 99));
        }
      }
      for (int b = 1; b <= model::kPastRuns; ++b) {
        const Run& run = *recent[static_cast<size_t>(b - 1)];
        auto field = [b](int block1_field) { return UmaRecord::RunField(b, block1_field); };
        uma.SetBytes(field(UmaRecord::kRunCourseCode), Courses()[static_cast<size_t>(run.course)].code)
            .SetBytes(field(UmaRecord::kRunDateCode), DateCode(run.days))
            .SetBytes(field(UmaRecord::kRunClassCode), kClassCodes[run.cls])
            .SetNumber(field(UmaRecord::kRunSurfaceCode), run.surface)
            .SetNumber(field(UmaRecord::kRunDistance), run.distance)
            .SetNumber(field(UmaRecord::kRunFieldSize), run.field_size)
            .SetNumber(field(UmaRecord::kRunPaceCode), run.pace)
            .SetNumber(field(UmaRecord::kRunGoingCode), run.going)
            .SetNumber(field(UmaRecord::kRunGate), run.gate)
            .SetNumber(field(UmaRecord::kRunWeight), run.weight)
            .SetNumber(field(UmaRecord::kRunBodyWeight), run.body_weight)
            .SetNumber(field(UmaRecord::kRunPosition), run.position)
            .SetBytes(field(UmaRecord::kRunTime), TimeCode(run.time_tenths))
            .SetNumber(field(UmaRecord::kRunMargin), run.margin_tenths)
            .SetNumber(field(UmaRecord::kRunFirst3F), run.first3_f)
            .SetNumber(field(UmaRecord::kRunLast3F), run.last3_f);
        for (int corner = 1; corner <= 4; ++corner) {
          const int pos = run.corners[static_cast<size_t>(corner - 1)];
          if (pos > 0) uma.SetNumber(UmaRecord::RunCornerField(b, corner), pos);
        }
      }
    }
  }
  return files;
}

}  // namespace writer
