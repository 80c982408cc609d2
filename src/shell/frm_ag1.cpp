#include "shell/frm_ag1.h"

#include <array>
#include <cmath>

#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "shell/frm_ag0.h"
#include "ui/design.h"
#include "ui/grid_design.h"
#include "ui/palette.h"

namespace shell {

namespace {

constexpr int kGuideRows = 15;
constexpr double kGuideColWidth = 6400;

// The three guide pages, row 0 to 14 of the grid's only column.
const std::array<std::array<const char16_t*, kGuideRows>, 3> kGuideText = {{
    {{
        u"（ はじめに ）",
        u"　　　本ソフトは，インタ－ネットの競馬情報サ－ビスからダウンロ－ド出来る",
        u"　　　レ－スデ－タを使用して競馬予想を行う専用ソフトです。",
        u"",
        u"（ ソフト概要 ）",
        u"　　　[ ソフト  名 ]　　Tarvelo　Ver 1.0 （ 1.9MB )",
        u"　　　[ 開発言語 ]　　C++20 ／ Qt 6",
        u"      [ 種　    別 ]     競馬予想支援ソフト・数値解析型",
        u"　　　[ 動作環境 ]　　 Windows'98/'95　推奨メモリ－　128KB ( 64KB以上 )",
        u"（ ソフトに関する連絡先 ）",
        u"　　　[ ＴＥＬ・ＦＡＸ ]　　（ 非公開 ）",
        u"　　　[ Ｅメ－ル ]　　（ 非公開 ）",
        u"　　　[ 会員ＩＤ ]　　（ 非公開 ）",
        u"　　　[ 担 当 者 ]　　（ 非公開 ）",
        u"",
    }},
    {{
        u"（  前　準　備  ）",
        u"　　　①　競馬デ－タ用の新しいフォルダを作ります。",
        u"　　　　　　ディレクトリはどこでもＯＫですが，下の様に「競馬情報サ－ビス」フォルダ，",
        u"　　　　　　その下に開催場所フォルダ・その下に日付フォルダがお勧めです。",
        u"　　　　　　(例）　C:\\Program Files\\競馬情報サ－ビス\\東京\\H120925",
        u"　　　②　インタ－ネットに接続します。",
        u"　　　③　競馬情報サ－ビスのホ－ムペ－ジにアクセスし，",
        u"　　　　　　ダウンロ－ドコ－ナ－へ入る",
        u"　　　　　　プロバイダのデ－タダウンロ－ドのペ－ジで[ 出馬表・予想オッズ ]をクリック",
        u"　　　　　　出馬表ダウンロ－ドの[ 出馬表+競争馬 ]をダウンロ－ドします。",
        u"　　　　　　　　　（　１競馬場　１～１２Ｒで１５０円　）",
        u"　　 ④　デ－タ用フォルダに解凍します。（ダウンロ－ドデ－タはＬＨＡ圧縮ファイル）",
        u"          「kol_den1.kd2」  「kol_den2.kd2」  「kol_uma.kd2」 の３ファイルが収納されて",
        u"　　　　   いますので、同じフォルダに解凍してから本ソフトを起動してください。",
        u"",
    }},
    {{
        u"（　注意事項　）",
        u"　　　１.レ－ス距離が「 ２５００ｍ以上 」では使用出来ません。　",
        u"　　　２. 障害レ－ス・公営競馬では使用出来ません。",
        u"      ３. 過去５走の実績デ－タから予想する為，デ－タ数の少ないレ－スは",
        u"　　　　　信頼性が低下します。",
        u"　　　　　　　（　解析有効性の表示に注意　）",
        u"",
        u"",
        u"",
        u"",
        u"",
        u"",
        u"     ◎. 本ソフト上で解析した「推奨馬番」は、購入馬券を特定するものでは",
        u"　　　　 ありません。",
        u"",
    }},
}};

// One column, no fixed ones, as wide as the guide lines.
constexpr int kGuideAlignments[] = {ui::kFlexLeftCenter};
constexpr double kGuideWidths[] = {kGuideColWidth};
constexpr ui::GridDesign kGuideGridDesign = {.rows = kGuideRows,
                                             .cols = 1,
                                             .fixed_rows = 0,
                                             .fixed_cols = 0,
                                             .font_size = 9,
                                             .alignments = kGuideAlignments,
                                             .widths = kGuideWidths};

// The titles stand on the colour bands, so they let the background through (back_style 0). The
// colour bands are drawn once and stay.
constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg1", .caption = u"      ＜ オ－プニング ＞   ", .auto_redraw = true},
    {.name = "Command1", .place = {{1000, 250, 1650, 400}}, .caption = u"Ｓｔａｒｔ", .bold = true},
    {.name = "Label4",
     .place = {{1400, 1580, 7000, 975}},
     .caption = u"Tarvelo",
     .font_size = 48,
     .bold = true,
     .italic = true,
     .fore = ui::palette::kGreen,
     .back_style = 0},
    {.name = "Label8",
     .place = {{1240, 1200, 5600, 275}},
     .caption = u"「競馬情報サ－ビス」ＫＯＬ（新）デ－タ専用",
     .font_size = 12,
     .bold = true,
     .fore = ui::palette::kLightGreen,
     .back_style = 0},
    {.name = "Label5",
     .place = {{2500, 2650, 4700, 450}},
     .caption = u"（　競馬予想支援ソフト　）",
     .font_size = 20.25,
     .bold = true,
     .italic = true,
     .fore = ui::palette::kDarkGreen,
     .back_style = 0},
    {.name = "Label12",
     .place = {{4100, 3100, 1400, 300}},
     .caption = u"Ｖｅｒ １.０",
     .font_size = 15.75,
     .bold = true,
     .italic = true,
     .fore = ui::palette::kDarkGreen,
     .back_style = 0},
    {.name = "MSFlexGrid1", .place = {{975, 4050, 6500, 3450}}},
    {.name = "Option1", .place = {{10735, 4900, 1300, 200}}, .caption = u" はじめに", .bold = true},
    {.name = "Option2", .place = {{10480, 5200, 1300, 200}}, .caption = u" 前 準 備", .bold = true},
    {.name = "Option3", .place = {{10340, 5500, 1300, 200}}, .caption = u" 注意事項", .bold = true},
    {.name = "Option4", .place = {{10260, 5815, 1300, 200}}, .caption = u" 消     去", .bold = true},
    {.name = "Label1",
     .place = {{10500, 6725, 2000, 450}},
     .caption = u"ＴＶ工房",
     .font_size = 20.25,
     .bold = true,
     .italic = true},
};

// Colour components are whole numbers; halves go to the even one.
int ColourComponent(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

frmAg1::frmAg1(App& app) : ui::Form(app, "frmAg1"), app_(app) {
  ui::ApplyDesign(*this, kDesign);
  ui::ApplyGridDesign(MSFlexGrid1, kGuideGridDesign);

  Command1.OnClick = [this] { Command1_Click(); };
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  Option3.OnClick = [this] { Option3_Click(); };
  Option4.OnClick = [this] { Option4_Click(); };
}

// Directly under the main window, in the same frame.
void frmAg1::Form_Load() {
  PlaceBelowMainWindow(*this, app_.screen);
  MSFlexGrid1.SetVisible(false);
  Option1.SetValue(false);
  Option2.SetValue(false);
  Option3.SetValue(false);
  Option4.SetValue(true);
  ui::ApplyGridDesign(MSFlexGrid1, kGuideGridDesign);
  DrawColourBands();
}

void frmAg1::Option1_Click() {
  ShowGuidePage(Option1, 0);
}
void frmAg1::Option2_Click() {
  ShowGuidePage(Option2, 1);
}
void frmAg1::Option3_Click() {
  ShowGuidePage(Option3, 2);
}

void frmAg1::Option4_Click() {
  MarkGuideButton(nullptr);
  MSFlexGrid1.SetVisible(false);
  for (int row = 0; row < kGuideRows; ++row) MSFlexGrid1.SetTextMatrix(row, 0, u"");
}

// Every row is written, so nothing of the page shown before remains.
void frmAg1::ShowGuidePage(ui::OptionButton& clicked, int page) {
  MarkGuideButton(&clicked);
  MSFlexGrid1.SetVisible(true);
  for (int row = 0; row < kGuideRows; ++row) MSFlexGrid1.SetTextMatrix(row, 0, kGuideText[page][row]);
}

// The page shown is the one whose button is yellow.
void frmAg1::MarkGuideButton(const ui::OptionButton* clicked) {
  for (ui::OptionButton* option : {&Option1, &Option2, &Option3, &Option4})
    option->SetForeColor(option == clicked ? ui::palette::kYellow : ui::colors::kWindowText);
}

// The window is gone once this handler returns; the data-read window takes its place.
void frmAg1::Command1_Click() {
  Command1.SetEnabled(false);
  app_.Form<frmAg0>().mnuOpen1.SetEnabled(false);
  Unload();
  app_.FormByName("frmAg2").Show();
}

// Two bands of horizontal lines one twip apart: a blue one whose right end bends on a quarter
// circle, and a green one below whose ends both bend; each fades downwards.
void frmAg1::DrawColourBands() {
  Drawing().Reserve((3900 - 900 + 1) + (6475 - 3975 + 1));
  for (int y = 900; y <= 3900; ++y) {
    const double k = y - 900;
    const double right = 9200 + std::sqrt(3000.0 * 3000.0 - (3000 - k) * (3000 - k));
    const int blue = ColourComponent(255 - 255 * k / 6000);
    Line(1000, y, right, y, ui::Rgb(0, 0, blue));
  }
  for (int y = 3975; y <= 6475; ++y) {
    const double m = y - 3975;
    const double left = 1300 + 2500 - std::sqrt(2500.0 * 2500.0 - m * m);
    const double right = 12200 - std::sqrt(2500.0 * 2500.0 - (2500 - m) * (2500 - m));
    const int green = ColourComponent(255 - 255 * m / 5600);
    Line(left, y, right, y, ui::Rgb(0, green, 0));
  }
}

}  // namespace shell
