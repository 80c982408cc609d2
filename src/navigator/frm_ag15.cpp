#include "navigator/frm_ag15.h"

#include <array>

#include "navigator/stage_handlers.h"
#include "navigator/window_place.h"
#include "shell/app.h"
#include "ui/design.h"
#include "ui/grid_design.h"

namespace navigator {

using model::Text;

namespace {

constexpr char16_t kFace[] = u"ＭＳ Ｐゴシック";
constexpr int kRows = 20;
constexpr int kCols = 11;

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg15", .place = {{0, 0, 11425, 5500}}, .caption = u"  ＜   解析ナビ  評価システム  ＞"},
    {.name = "MSFlexGrid1", .place = {{700, 500, 9850, 4600}}, .font_name = kFace, .font_size = 9},
    {.name = "Command1",
     .place = {{9350, 75, 1200, 375}},
     .caption = u"総合評価",
     .font_name = kFace,
     .font_size = 9.75,
     .bold = true},
    {.name = "Text1", .place = {{720, 5760, 1215, 270}}, .text = u"Text1"},
};

const Text kNameHead = u"       馬　　名";
const Text kPaceHead = u"         展　　    開";

// Columns 0 to 10: number, name, the rest mark, and the bars between spacers; the spacers keep
// the grid's own alignment.
constexpr int kAlignments[] = {ui::kFlexCenterCenter, ui::kFlexLeftCenter, ui::kFlexGeneral,
                               ui::kFlexLeftCenter,   ui::kFlexGeneral,    ui::kFlexLeftCenter,
                               ui::kFlexGeneral,      ui::kFlexLeftCenter, ui::kFlexGeneral,
                               ui::kFlexLeftCenter,   ui::kFlexLeftCenter};
constexpr double kWidths[] = {450, 1700, 50, 2400, 50, 1500, 50, 1500, 50, 1000, 1000};
const std::array<Text, kCols> kRow0Heads = {u"馬番", kNameHead,         u"",      u"           総　 合   力",
                                            u"",     u"　　　スピ－ド", u"",      u"      パ ワ －",
                                            u"",     kPaceHead,         kPaceHead};
const std::array<Text, kCols> kRow1Heads = {u"馬番", kNameHead,        u"",          u"           　評    価",
                                            u"",     u"      評　 価", u"",          u"      評    価",
                                            u"",     u"  先 行 度",    u"  追 込 度"};
const ui::GridHeadings kHeadings[] = {{.row = 0, .col = 0, .texts = kRow0Heads},
                                      {.row = 1, .col = 0, .texts = kRow1Heads}};
constexpr int kMergedCols[] = {0, 1};
constexpr int kMergedRows[] = {0};
const ui::GridDesign kGridDesign = {.rows = kRows,
                                    .cols = kCols,
                                    .fixed_rows = 2,
                                    .fixed_cols = 2,
                                    .font_size = 9,
                                    .merge_cells = ui::kMergeFree,
                                    .alignments = kAlignments,
                                    .widths = kWidths,
                                    .headings = kHeadings,
                                    .merged_cols = kMergedCols,
                                    .merged_rows = kMergedRows};

}  // namespace

frmAg15::frmAg15(shell::App& app) : ui::Form(app, "frmAg15"), app_(app) {
  ui::ApplyDesign(*this, kDesign);

  Command1.OnClick = [this] { Command1_Click(); };
}

void frmAg15::Form_Load() {
  PlaceOverAnalysisWindow(*this, app_.screen);
  ui::ApplyGridDesign(MSFlexGrid1, kGridDesign);
}

void frmAg15::Command1_Click() {
  navigator::Command1_Click(app_, *this);
}

}  // namespace navigator
