#include "views/frm_ag8.h"

#include <array>

#include "intake/race_history_sheet.h"
#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"
#include "ui/grid_design.h"

namespace views {

using model::Text;

namespace {

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg8", .place = {{0, 0, 5450, 7700}}, .caption = u" ＜　個別デ－タウィンドウ　＞"},
    {.name = "Label1",
     .place = {{120, 50, 3600, 200}},
     .caption = u"[  表示したい [  馬名  ] をクリックして下さい  ]"},
    {.name = "MSFlexGrid1", .place = {{105, 250, 5130, 4600}}, .font_name = u"ＭＳ Ｐゴシック"},
    {.name = "MSFlexGrid2", .place = {{100, 4900, 5130, 2350}}, .font_name = u"ＭＳ Ｐゴシック"},
};

// Row 9 shows the evaluation texts under an empty head.
const std::array<Text, 8> kValueHeads = {u"走力値", u"斤　量", u"走対値", u"スロ－",
                                         u"不　利", u"馬　場", u"評価値", u""};
// Each run spans its turf and dirt columns.
const std::array<Text, 10> kValueRunHeads = {u"５走前", u"５走前", u"４走前", u"４走前", u"３走前",
                                             u"３走前", u"２走前", u"２走前", u"前　走", u"前　走"};
const std::array<Text, 10> kSurfaceHeads = {u"芝",   u"ﾀﾞ-ﾄ", u"芝",   u"ﾀﾞ-ﾄ", u"芝",
                                            u"ﾀﾞ-ﾄ", u"芝",   u"ﾀﾞ-ﾄ", u"芝",   u"ﾀﾞ-ﾄ"};

constexpr int kValueAlignments[] = {ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                    ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                    ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                    ui::kFlexCenterCenter, ui::kFlexCenterCenter};
constexpr double kValueWidths[] = {900, 415, 410, 415, 410, 415, 410, 415, 410, 415, 410};
const ui::GridHeadings kValueHeadings[] = {{.row = 1, .col = 1, .texts = kSurfaceHeads},
                                           {.row = 2, .col = 0, .down = true, .texts = kValueHeads},
                                           {.row = 0, .col = 1, .texts = kValueRunHeads}};
constexpr int kValueMergedRows[] = {0};
const ui::GridDesign kValueGridDesign = {.rows = 10,
                                         .cols = 11,
                                         .fixed_rows = 2,
                                         .fixed_cols = 1,
                                         .font_size = 9,
                                         .merge_cells = ui::kMergeFree,
                                         .alignments = kValueAlignments,
                                         .widths = kValueWidths,
                                         .headings = kValueHeadings,
                                         .merged_rows = kValueMergedRows};

}  // namespace

frmAg8::frmAg8(shell::App& app) : ui::Form(app, "frmAg8"), app_(app) {
  ui::ApplyDesign(*this, kDesign);
}

void frmAg8::Form_Load() {
  shell::PlaceFromFrameOrigin(*this, app_.screen, 7350, 1560 + 25);
  ui::ApplyGridDesign(MSFlexGrid1, intake::kRaceHistorySheetDesign);
  ui::ApplyGridDesign(MSFlexGrid2, kValueGridDesign);
}

}  // namespace views
