#include "views/frm_ag8.h"

#include <array>

#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"

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

// Oldest run first, as the run columns stand.
const std::array<Text, 5> kRunHeads = {u"５走前", u"４走前", u"３走前", u"２走前", u"前　走"};
const std::array<Text, 18> kHistoryHeads = {u"競馬場名", u"開 催 日", u"条    件", u"タ － フ", u"距    離",
                                            u"頭    数", u"ペ － ス", u"馬場状態", u"ゲ － ト", u"斤    量",
                                            u"馬 体 重", u"着    順", u"タ イ ム", u"着    差", u"前 ３ Ｆ",
                                            u"後 ３ Ｆ", u"通過順位", u"不　　利"};
// Row 9 shows the evaluation texts under an empty head.
const std::array<Text, 8> kValueHeads = {u"走力値", u"斤　量", u"走対値", u"スロ－",
                                         u"不　利", u"馬　場", u"評価値", u""};
const Text kTurfHead = u"芝";
const Text kDirtHead = u"ﾀﾞ-ﾄ";

}  // namespace

frmAg8::frmAg8(shell::App& app) : ui::Form(app, "frmAg8"), app_(app) {
  ui::ApplyDesign(*this, kDesign);
}

void frmAg8::Form_Load() {
  shell::PlaceFromFrameOrigin(*this, app_.screen, 7350, 1560 + 25);
  LayOutHistoryGrid();
  LayOutValueGrid();
}

void frmAg8::LayOutHistoryGrid() {
  ui::FlexGrid& grid = MSFlexGrid1;
  grid.SetRows(20);
  grid.SetCols(6);
  grid.SetFixedRows(2);
  grid.SetFixedCols(1);
  grid.SetFontSize(9);
  grid.SetMergeCells(ui::kMergeFree);
  for (int col = 0; col <= 5; ++col) grid.SetColAlignment(col, ui::kFlexCenterCenter);
  grid.SetColWidth(0, 900);
  for (int row = 2; row <= 19; ++row) grid.SetTextMatrix(row, 0, kHistoryHeads[row - 2]);
  for (int col = 1; col <= 5; ++col) {
    grid.SetColWidth(col, 825);
    grid.SetTextMatrix(1, col, kRunHeads[col - 1]);
  }
}

void frmAg8::LayOutValueGrid() {
  ui::FlexGrid& grid = MSFlexGrid2;
  grid.SetRows(10);
  grid.SetCols(11);
  grid.SetFixedRows(2);
  grid.SetFixedCols(1);
  grid.SetFontSize(9);
  grid.SetMergeCells(ui::kMergeFree);
  for (int col = 0; col <= 10; ++col) grid.SetColAlignment(col, ui::kFlexCenterCenter);
  grid.SetColWidth(0, 900);
  for (int col = 1; col <= 10; ++col) {
    const bool turf = col % 2 == 1;
    grid.SetColWidth(col, turf ? 415 : 410);
    grid.SetTextMatrix(0, col, u"");
    grid.SetTextMatrix(1, col, turf ? kTurfHead : kDirtHead);
  }
  for (int row = 2; row <= 9; ++row) grid.SetTextMatrix(row, 0, kValueHeads[row - 2]);
  grid.SetMergeRow(0, true);
  for (int col = 1; col <= 10; ++col) grid.SetTextMatrix(0, col, kRunHeads[(col - 1) / 2]);
}

}  // namespace views
