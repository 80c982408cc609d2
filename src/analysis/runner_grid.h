#pragma once
// The two grids of the analysis window that several stages write: the runner grid (MSFlexGrid2, the
// runners' names and values) and the past-run grid (MSFlexGrid1, five runs per runner). Each has one
// map of its columns here; the layout, the writers, the readers and the press hit test all use it, so
// that a column is named once.
//
// Both grids have two heading rows; runner i is in row i + 1.

#include <array>
#include <cstddef>

#include "model/meeting_shape.h"
#include "model/text.h"
#include "ui/control.h"
#include "ui/grid.h"

namespace analysis {

inline constexpr int kGridHeadingRows = 2;
inline constexpr int kGridRows = kGridHeadingRows + model::kRunnersAnalysed;
inline constexpr int kFirstRunnerRow = kGridHeadingRows;
inline constexpr int kGridTitleRow = 0;  // the group titles over the value columns

constexpr int RunnerRow(int runner) {
  return runner + kGridHeadingRows - 1;
}

// --- The runner grid

// The narrow spacer columns carry no text; three of them show a mark by their colour.
enum class RunnerColumn : int {
  kHorseName,
  kSpeedValue,
  kSpeedGrade,     // ①
  kSpeedRestMark,  // spacer: the rest mark of the colouring
  kCurrentAbility,
  kAbilityGrade,  // ②
  kAbilitySpacer,
  kFront3F,
  kBack3F,
  kTotal6F,
  kSixFurlongDiff,
  kThreeFurlongGrade,  // ③
  kRunningStyle,
  kStyleSpacer,
  kRiseValue,
  kRiseGrade,  // ④
  kRiseSpacer,
  kTrainingState,
  kTrainingRestMark,  // spacer: the rest mark of the filter
  kPredictedTime,
  kAbilityMark,  // spacer: blue where the current ability is close to the best
  kOverallCode,
};

inline constexpr int kRunnerColumns = static_cast<int>(RunnerColumn::kOverallCode) + 1;

constexpr int Index(RunnerColumn column) {
  return static_cast<int>(column);
}

struct RunnerColumnLayout {
  double width;
  const char16_t* group;    // heading row 0
  const char16_t* heading;  // heading row 1; empty for a spacer
};

// In column order.
inline constexpr std::array<RunnerColumnLayout, kRunnerColumns> kRunnerColumnLayouts = {{
    {1575, u"       馬　　名", u"       馬　　名"},
    {550, u"速力値", u"評価"},
    {300, u"速力値", u"①"},
    {50, u"", u""},
    {550, u"現力値", u"評価"},
    {300, u"現力値", u"②"},
    {50, u"", u""},
    {475, u"３Ｆタイム値", u"前3F"},
    {475, u"３Ｆタイム値", u"後3F"},
    {475, u"３Ｆタイム値", u"合6F"},
    {300, u"３Ｆタイム値", u"差"},
    {300, u"３Ｆタイム値", u"③"},
    {500, u"３Ｆタイム値", u"脚質"},
    {50, u"", u""},
    {550, u"上昇値", u"評価"},
    {300, u"上昇値", u"④"},
    {50, u"", u""},
    {500, u"調教", u"状態"},
    {50, u"", u""},
    {675, u"予想", u"ﾀｲﾑ"},
    {50, u"", u""},
    {550, u"総合", u"評価"},
}};

constexpr const RunnerColumnLayout& LayoutOf(RunnerColumn column) {
  return kRunnerColumnLayouts[static_cast<size_t>(Index(column))];
}

constexpr bool IsSpacer(RunnerColumn column) {
  return LayoutOf(column).heading[0] == u'\0';
}

// The left edge of a column in twips from the grid's left, as the widths lay them out; the right edge
// of the last column is RunnerColumnLeft(kRunnerColumns).
constexpr double RunnerColumnLeft(int index) {
  double left = 0;
  for (int c = 0; c < index; ++c) left += kRunnerColumnLayouts[static_cast<size_t>(c)].width;
  return left;
}

// --- The past-run grid

// Column 1 holds the run five back, column 5 the last run.
enum class PastRunColumn : int {
  kHorseNo,
  kFiveRunsBack,
  kFourRunsBack,
  kThreeRunsBack,
  kTwoRunsBack,
  kLastRun,
};

inline constexpr int kPastRunColumns = static_cast<int>(PastRunColumn::kLastRun) + 1;

constexpr int Index(PastRunColumn column) {
  return static_cast<int>(column);
}

// The column of run 1 (the last) to 5 (five back).
constexpr PastRunColumn PastRunColumnOf(int run) {
  return static_cast<PastRunColumn>(Index(PastRunColumn::kLastRun) + 1 - run);
}

struct PastRunColumnLayout {
  double width;
  const char16_t* heading;  // heading row 1
};

inline constexpr std::array<PastRunColumnLayout, kPastRunColumns> kPastRunColumnLayouts = {{
    {450, u"馬番"},
    {650, u"５走"},
    {650, u"４走"},
    {650, u"３走"},
    {650, u"２走"},
    {650, u"前走"},
}};

constexpr const PastRunColumnLayout& LayoutOf(PastRunColumn column) {
  return kPastRunColumnLayouts[static_cast<size_t>(Index(column))];
}

// --- Writing them

// What a computation writes into one of the grids: a cell's text and its back colour, by grid row
// (RunnerRow for a runner) and named column. The window's grid plugs in through GridCellWriter below;
// tests record.
template <typename Column>
class CellWriter {
 public:
  virtual ~CellWriter() = default;
  virtual void SetCellText(int row, Column column, const model::Text& text) = 0;
  virtual void SetCellBackColor(int row, Column column, ui::Color colour) = 0;
};

using RunnerGridWriter = CellWriter<RunnerColumn>;
using PastRunGridWriter = CellWriter<PastRunColumn>;

// A grid of the window behind the writer. A colour goes to the cell made current, column first, as
// the grid colours only its current cell.
template <typename Column>
class GridCellWriter final : public CellWriter<Column> {
 public:
  explicit GridCellWriter(ui::FlexGrid& grid) : grid_(grid) {}
  void SetCellText(int row, Column column, const model::Text& text) override {
    grid_.SetTextMatrix(row, Index(column), text);
  }
  void SetCellBackColor(int row, Column column, ui::Color colour) override {
    grid_.SetCol(Index(column));
    grid_.SetRow(row);
    grid_.SetCellBackColor(colour);
  }

 private:
  ui::FlexGrid& grid_;
};

using RunnerGridOf = GridCellWriter<RunnerColumn>;
using PastRunGridOf = GridCellWriter<PastRunColumn>;

}  // namespace analysis
