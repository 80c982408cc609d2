#include "basetime/frm_ag9.h"

#include <array>

#include "basetime/base_time_tables.h"
#include "basetime/distance_headings.h"
#include "basetime/std_time_view_tables.h"
#include "model/text_ops.h"
#include "model/time_text.h"
#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"
#include "ui/grid_design.h"

namespace basetime {

using model::Text;

namespace {

const std::array<Text, 10> kCourseNames = {u"東  京", u"中  山", u"阪  神", u"京  都", u"中  京",
                                           u"小  倉", u"札　幌", u"新　潟", u"福  島", u"函  館"};
const Text kOptionCaption = u"[  標準タイムの表示  ]";

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg9", .place = {{0, 0, 9800, 3400}}, .caption = u" ＜標準タイムの表示＞"},
    {.name = "Option1", .place = {{6960, 50, 800, 250}}, .caption = u"芝"},
    {.name = "Option2", .place = {{7920, 50, 800, 250}}, .caption = u"ダ－ト"},
    {.name = "MSFlexGrid1", .place = {{150, 350, 9460, 2585}}},
};

constexpr int kGridAlignments[] = {ui::kFlexCenterCenter};
constexpr double kGridWidths[] = {900, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700};
const ui::GridHeadings kGridHeadings[] = {{.row = 0, .col = 1, .texts = kDistanceHeadings},
                                          {.row = 1, .col = 0, .down = true, .texts = kCourseNames}};
const ui::GridDesign kGridDesign = {.rows = 11,
                                    .cols = 13,
                                    .fixed_rows = 1,
                                    .fixed_cols = 1,
                                    .alignments = kGridAlignments,
                                    .widths = kGridWidths,
                                    .headings = kGridHeadings};

}  // namespace

frmAg9::frmAg9(shell::App& app) : ui::Form(app, "frmAg9"), app_(app) {
  ui::ApplyDesign(*this, kDesign);
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
}

void frmAg9::Form_Load() {
  shell::PlaceFromFrameOrigin(*this, app_.screen, 2985, 5900 + 25);
  ui::ApplyGridDesign(MSFlexGrid1, kGridDesign);
}

void frmAg9::Option1_Click() {
  MSFlexGrid1.SetTextMatrix(0, 0, kTurfCorner);
  Fill(app_.meeting.Group<BaseTimeTables>().TurfStdTime, app_.meeting.Group<StdTimeViewTables>().TurfStdText,
       kOptionCaption);
}

void frmAg9::Option2_Click() {
  MSFlexGrid1.SetTextMatrix(0, 0, kDirtCorner);
  Fill(app_.meeting.Group<BaseTimeTables>().DirtStdTime, app_.meeting.Group<StdTimeViewTables>().DirtStdText,
       kOptionCaption);
}

void frmAg9::Fill(const model::TextTable& std_time, model::TextTable& std_text, const Text& caption) {
  SetCaption(caption);
  for (int i = 1; i <= 10; ++i) {
    for (int j = 1; j <= 12; ++j) {
      std_text(i, j) = model::SecondsToTimeText(std_time(i, j));
      MSFlexGrid1.SetTextMatrix(i, j, model::Trim(std_text(i, j)));
    }
  }
}

}  // namespace basetime
