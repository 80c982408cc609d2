#include "navigator/frm_ag15.h"

#include <array>

#include "navigator/stage_handlers.h"
#include "navigator/window_place.h"
#include "shell/app.h"
#include "ui/design.h"

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

struct ColumnHead {
  double width;
  bool left_aligned;  // false: the grid's default alignment (the spacers) or centred (column 0)
  Text row0;
  Text row1;
};

const Text kNameHead = u"       馬　　名";
const Text kPaceHead = u"         展　　    開";

// Columns 0 to 10: number, name, the rest mark, and the bars between spacers.
const std::array<ColumnHead, kCols> kColumns = {{
    {450, false, u"馬番", u"馬番"},
    {1700, true, kNameHead, kNameHead},
    {50, false, u"", u""},
    {2400, true, u"           総　 合   力", u"           　評    価"},
    {50, false, u"", u""},
    {1500, true, u"　　　スピ－ド", u"      評　 価"},
    {50, false, u"", u""},
    {1500, true, u"      パ ワ －", u"      評    価"},
    {50, false, u"", u""},
    {1000, true, kPaceHead, u"  先 行 度"},
    {1000, true, kPaceHead, u"  追 込 度"},
}};

}  // namespace

frmAg15::frmAg15(shell::App& app) : ui::Form(app, "frmAg15"), app_(app) {
  ui::ApplyDesign(*this, kDesign);

  Command1.OnClick = [this] { Command1_Click(); };
}

void frmAg15::Form_Load() {
  PlaceOverAnalysisWindow(*this, app_.screen);
  LayOutGrid();
}

void frmAg15::Command1_Click() {
  navigator::Command1_Click(app_, *this);
}

void frmAg15::LayOutGrid() {
  ui::FlexGrid& grid = MSFlexGrid1;
  grid.SetRows(kRows);
  grid.SetCols(kCols);
  grid.SetFixedRows(2);
  grid.SetFixedCols(2);
  grid.SetMergeCells(ui::kMergeFree);
  grid.SetFontSize(9);
  grid.SetColAlignment(0, ui::kFlexCenterCenter);
  for (int col = 0; col < kCols; ++col) {
    const ColumnHead& head = kColumns[static_cast<size_t>(col)];
    if (head.left_aligned) grid.SetColAlignment(col, ui::kFlexLeftCenter);
    grid.SetColWidth(col, head.width);
    grid.SetTextMatrix(0, col, head.row0);
    grid.SetTextMatrix(1, col, head.row1);
  }
  grid.SetMergeCol(0, true);
  grid.SetMergeCol(1, true);
  grid.SetMergeRow(0, true);
}

}  // namespace navigator
