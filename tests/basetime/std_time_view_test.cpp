#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "basetime/base_time_tables.h"
#include "basetime/frm_ag9.h"
#include "basetime/std_time_view_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "model/time_text.h"
#include "program/program.h"
#include "shell/app.h"
#include "tests/support/case_names.h"
#include "tests/support/text_printer.h"

namespace basetime {
namespace {

using model::Text;

const Text kOptionCaption = u"[  標準タイムの表示  ]";
const Text kLauncherCaption = u"[  基本タイムの表示  ]";
const Text kTurfCorner = u"(   芝   ) ";
const Text kDirtCorner = u"( ダ－ト ) ";

// Distinct turf and dirt tables: every cell tells its surface, course and distance apart.
class StdTimeView : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.screen.SetSizePixels(1920, 1080);
    for (int i = 1; i <= 10; ++i) {
      for (int j = 1; j <= 12; ++j) {
        base_.TurfStdTime(i, j) = model::NumberToPatternText(60 + 10 * j + 0.1 * i, u"###.0");
        base_.DirtStdTime(i, j) = model::NumberToPatternText(65 + 10 * j + 0.1 * i, u"###.0");
      }
    }
  }
  frmAg9& Shown() { return app_.Show<frmAg9>(); }
  // The grid cells (i, j) against what the view must show for a standard-time table.
  void ExpectCellsShow(const frmAg9& view, const CourseDistanceTable& times) {
    for (int i = 1; i <= 10; ++i) {
      for (int j = 1; j <= 12; ++j) {
        EXPECT_EQ(view.MSFlexGrid1.TextMatrix(i, j), model::Trim(model::SecondsToTimeText(times(i, j))))
            << i << "," << j;
      }
    }
  }

  program::Program app_;
  BaseTimeTables& base_ = app_.meeting.Group<BaseTimeTables>();
  StdTimeViewTables& texts_ = app_.meeting.Group<StdTimeViewTables>();
};

// The design table places the controls; loading places the window in the frame, picks no
// surface and lays out the grid.
TEST_F(StdTimeView, LoadPlacesTheWindowInTheFrameAndLaysOutTheGrid) {
  const frmAg9& view = Shown();
  EXPECT_EQ(view.Width(), 9800);
  EXPECT_EQ(view.Height(), 3400);
  EXPECT_EQ(view.Left(), (28800 - 13000) / 2.0 + 2985);
  EXPECT_EQ(view.Top(), (16200 - 9475) / 2.0 + 5900 + 25 - 200);

  EXPECT_FALSE(view.Option1.Value());
  EXPECT_FALSE(view.Option2.Value());

  const ui::FlexGrid& grid = view.MSFlexGrid1;
  EXPECT_EQ(std::tuple(grid.Rows(), grid.Cols(), grid.FixedRows(), grid.FixedCols()),
            std::tuple(11, 13, 1, 1));
  EXPECT_EQ(grid.ColWidth(0), 900);
  EXPECT_EQ(grid.ColAlignment(0), ui::kFlexCenterCenter);
  const std::array<Text, 12> headings = {u"1000m", u"1200m", u"1400m", u"1500m", u"1600m", u"1700m",
                                         u"1800m", u"2000m", u"2100m", u"2200m", u"2300m", u"2400m"};
  for (int j = 1; j <= 12; ++j) {
    EXPECT_EQ(grid.ColWidth(j), 700) << j;
    EXPECT_EQ(grid.TextMatrix(0, j), headings[j - 1]) << j;
  }
  const std::array<Text, 10> courses = {u"東  京", u"中  山", u"阪  神", u"京  都", u"中  京",
                                        u"小  倉", u"札　幌", u"新　潟", u"福  島", u"函  館"};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(grid.TextMatrix(i, 0), courses[i - 1]) << i;
  // Nothing is shown until an option or the launcher fills the view.
  EXPECT_EQ(grid.TextMatrix(0, 0), u"");
  EXPECT_EQ(grid.TextMatrix(1, 1), u"");
}

TEST_F(StdTimeView, EachOptionShowsItsSurfaceOnceAndKeepsTheOtherSurfacesTexts) {
  frmAg9& view = Shown();
  view.Option1.UserClick();
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(0, 0), kTurfCorner);
  EXPECT_EQ(view.Caption(), kOptionCaption);
  ExpectCellsShow(view, base_.TurfStdTime);
  EXPECT_EQ(texts_.TurfStdText(3, 5), u"1.50.3");

  view.Option2.UserClick();
  EXPECT_TRUE(view.Option2.Value());
  EXPECT_FALSE(view.Option1.Value());
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(0, 0), kDirtCorner);
  EXPECT_EQ(view.Caption(), kOptionCaption);
  ExpectCellsShow(view, base_.DirtStdTime);
  EXPECT_EQ(texts_.DirtStdText(3, 5), u"1.55.3");
  EXPECT_EQ(texts_.TurfStdText(3, 5), u"1.50.3");  // the turf texts of the last turf fill stay

  // Choosing the option on show again runs nothing.
  view.MSFlexGrid1.SetTextMatrix(1, 1, u"x");
  view.SetCaption(u"y");
  base_.DirtStdTime(2, 2) = u"99.9";
  view.Option2.UserClick();
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(1, 1), u"x");
  EXPECT_EQ(view.Caption(), u"y");
  EXPECT_EQ(texts_.DirtStdText(2, 2), u"1.25.2");
}

struct CellCase {
  Text stored;     // the standard time as the build leaves it
  Text time_text;  // kept in the display-text table
  Text shown;      // in the grid
};

void PrintTo(const CellCase& c, std::ostream* os) {
  *os << "stored ";
  testsupport::PrintText(c.stored, os);
}

class StdTimeViewCell : public StdTimeView, public ::testing::WithParamInterface<CellCase> {};

// Below 60 s the text itself follows "0."; a course without data shows the text of ".0"; the
// grid never shows the blanks at either end of a time text.
TEST_P(StdTimeViewCell, ShowsTheTimeTextOfTheStoredValue) {
  const CellCase& c = GetParam();
  base_.TurfStdTime(7, 1) = c.stored;
  frmAg9& view = Shown();
  view.Option1.SetValue(true);
  EXPECT_EQ(texts_.TurfStdText(7, 1), c.time_text);
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(7, 1), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Values, StdTimeViewCell,
                         ::testing::Values(CellCase{u"57.2", u"0.57.2", u"0.57.2"},
                                           CellCase{u" 57.2 ", u"0.57.2", u"0.57.2"},
                                           CellCase{u".0", u"0..0", u"0..0"}, CellCase{u"", u"0.", u"0."},
                                           CellCase{u"96.5", u"1.36.5", u"1.36.5"},
                                           CellCase{u"120.0", u"2.00.0", u"2.00.0"},
                                           CellCase{u"245.3", u"3.65.3", u"3.65.3"}),
                         [](const auto& info) { return testsupport::CaseName(info.param.stored); });

// The analysis window's launcher writes the corner, selects the option of today's surface and
// fills the view again under its own caption.
TEST_F(StdTimeView, LauncherFillEndsWithItsCaptionAndTodaysSurface) {
  frmAg9& view = Shown();
  view.MSFlexGrid1.SetTextMatrix(0, 0, kDirtCorner);
  view.Option2.SetValue(true);
  view.Fill(base_.DirtStdTime, texts_.DirtStdText, kLauncherCaption);
  EXPECT_EQ(view.Caption(), kLauncherCaption);
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(0, 0), kDirtCorner);
  ExpectCellsShow(view, base_.DirtStdTime);

  view.Option1.UserClick();
  EXPECT_EQ(view.Caption(), kOptionCaption);
  ExpectCellsShow(view, base_.TurfStdTime);

  // Filled again while its option is still selected: only the refill runs.
  base_.TurfStdTime(1, 1) = u"58.0";
  view.Option1.SetValue(true);
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(1, 1), u"1.10.1");
  view.Fill(base_.TurfStdTime, texts_.TurfStdText, kLauncherCaption);
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(1, 1), u"0.58.0");
  EXPECT_EQ(view.Caption(), kLauncherCaption);
}

TEST_F(StdTimeView, ClosingAndReopeningLaysTheViewOutAgain) {
  frmAg9& first = Shown();
  first.Option1.UserClick();
  first.UserClose();
  const frmAg9& again = Shown();
  EXPECT_FALSE(again.Option1.Value());
  EXPECT_EQ(again.MSFlexGrid1.TextMatrix(0, 0), u"");
  EXPECT_EQ(again.MSFlexGrid1.TextMatrix(1, 1), u"");
  EXPECT_EQ(texts_.TurfStdText(1, 1), u"1.10.1");  // the tables outlive the window
}

}  // namespace
}  // namespace basetime
