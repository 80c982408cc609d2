#pragma once
// The check window on a small built meeting, for the tests of its steps and its sheet.
//
// Race 1: 16 runners, each the winner of a 東京 500万 turf 1600 m race in 95.0 s as its last run;
// runners 2 and 3 also won over 1000 m (56.0 s) and 1200 m (70.5 s), a step that the smoothing
// narrows; runner 1 also won a 中山 未勝利 dirt 1200 m race. Race 2: 12 runners, runner 1 a 東京
// 500万 turf 1600 m winner in 97.0 s. Race 3: 20 runners, runner 20 a 阪神 turf 2000 m winner. Every
// other run is blank and cannot be used.

#include <gtest/gtest.h>

#include <vector>

#include "basetime/base_time_build.h"
#include "basetime/base_time_tables.h"
#include "basetime/frm_ag7.h"
#include "intake/race_card_tables.h"
#include "past_run_fixture.h"
#include "program/program.h"
#include "shell/app.h"

namespace basetime::testing {

class BuiltCheckWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.screen.SetSizePixels(1920, 1080);
    card_.RunnerCount(1) = u"16";
    for (int i = 1; i <= 16; ++i) SetPastRun(m_, 1, i, 1, {.time_seconds = u"95.0"});
    SetPastRun(m_, 1, 2, 2, {.distance = u"1000", .time_seconds = u"56.0"});
    SetPastRun(m_, 1, 3, 2, {.distance = u"1200", .time_seconds = u"70.5"});
    SetPastRun(m_, 1, 1, 2,
               {.course_name = u"中山",
                .class_name = u"未勝利",
                .distance = u"1200",
                .surface_code = u"0",
                .time_seconds = u"71.6"});
    card_.RunnerCount(2) = u"12";
    SetPastRun(m_, 2, 1, 1, {.time_seconds = u"97.0"});
    card_.RunnerCount(3) = u"20";
    SetPastRun(m_, 3, 20, 1, {.course_name = u"阪神", .distance = u"2000", .time_seconds = u"121.0"});
    CheckWindowGrids grids(app_);
    BuildBaseTimes(m_, grids);
  }

  frmAg7& Window() { return app_.Form<frmAg7>(); }
  frmAg7& ShownWindow() {
    frmAg7& w = Window();
    w.Show();
    return w;
  }

  program::Program app_;
  model::Meeting& m_ = app_.meeting;
  intake::RaceCardTables& card_ = m_.Group<intake::RaceCardTables>();
  BaseTimeTables& b_ = m_.Group<BaseTimeTables>();
};

// Every cell of a grid, row by row.
inline std::vector<Text> Cells(const ui::FlexGrid& grid) {
  std::vector<Text> cells;
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) cells.push_back(grid.TextMatrix(r, c));
  }
  return cells;
}

inline std::vector<Text> Cells(const model::TextTable& table) {
  std::vector<Text> cells;
  for (size_t i = 0; i < table.CellCount(); ++i) cells.push_back(table.CellAt(i));
  return cells;
}

}  // namespace basetime::testing
