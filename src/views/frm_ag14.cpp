#include "views/frm_ag14.h"

#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"
#include "views/graph_frames.h"

namespace views {

namespace {

constexpr ui::Color kFrameBack = ui::Rgb(255, 224, 192);

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg14", .place = {{0, 0, 7275, 6615}}, .caption = u"  <  グラフ表示  >"},
    {.name = "Picture1", .place = {{50, 150, 7100, 3000}}, .back = kFrameBack},
    {.name = "Picture2", .place = {{50, 3250, 7100, 2900}}, .back = kFrameBack},
};

}  // namespace

frmAg14::frmAg14(shell::App& app) : ui::Form(app, "frmAg14"), app_(app) {
  ui::ApplyDesign(*this, kDesign);
}

void frmAg14::Form_Load() {
  SetHeight(6615);
  SetWidth(7275);
  const double screen_height = app_.screen.Height();
  const double screen_width = app_.screen.Width();
  SetTop((screen_height - shell::kFrameHeight) / 2 + shell::kMainWindowHeight - 200 + 1475);
  SetLeft((screen_width - shell::kFrameWidth) / 2 + 5650);
  const model::Text& folder = app_.ProgramFolder();
  DrawEvaluationFrame(Picture1);
  frame1_.Save(Picture1, folder, u"GRAPTH1.bmp");
  DrawMarginPositionFrame(Picture2);
  frame2_.Save(Picture2, folder, u"GRAPTH2.bmp");
}

void frmAg14::RestoreFrames() {
  frame1_.Restore(Picture1);
  frame2_.Restore(Picture2);
}

}  // namespace views
