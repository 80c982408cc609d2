#include "tests/desktop/qt_fixture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "desktop/message_boxes.h"
#include "desktop/painting.h"
#include "program/program.h"

namespace desktop::testing {

QApplication& Application() {
  static QApplication* application = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    auto* app = new QApplication(argc, argv);
    ConfigureApplication(*app);
    return app;
  }();
  return *application;
}

Rgb PixelAt(const QImage& image, int x, int y) {
  QColor c = image.pixelColor(x, y);
  return {c.red(), c.green(), c.blue()};
}

int CountColor(const QImage& image, const QRect& area, QColor color) {
  int n = 0;
  QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (image.pixelColor(x, y).rgb() == color.rgb()) ++n;
  return n;
}

SampleForm::SampleForm(ui::Desktop& desktop) : ui::Form(desktop, "frmSample") {
  SetCaption(u"  サンプル　ウィンドウ");
  Move(1500, 1200, 9000, 7500);
  mnuFile.SetCaption(u"ファイル(&F)");
  mnuOpen.SetCaption(u"開く～デ－タ読込");
  mnuLine.SetCaption(u"-");
  mnuExit.SetCaption(u"終了(&X)");
  mnuExit.SetShortcut("Ctrl+X");
  mnuPrint.SetCaption(u"印刷(&P)");
  mnuOpen.OnClick = [this] { ++menu_clicks; };

  Frame1.Move(120, 60, 4200, 1400);
  Frame1.SetCaption(u"枠の見出し");
  Label1.Move(200, 300, 1800, 300);
  Label1.SetCaption(u"<   開 催 情 報  >");
  Command1.Move(2100, 260, 1200, 1000);
  Command1.SetCaption(u" 出走馬  読込");
  Command1.SetFontBold(true);
  Check1.Move(200, 800, 200, 200);
  Check1.OnClick = [this] { ++check_clicks; };

  Label2.Move(4500, 120, 3600, 300);
  Label2.SetBackColor(0x00E0E0E0);
  Label2.SetForeColor(0x000000FF);
  Label2.SetFontBold(true);
  Label2.SetBorderStyle(1);
  Label2.SetCaption(u"第３回　東京　８日目");
  Command2.Move(4500, 520, 1200, 400);
  Command2.SetCaption(u"成績読込");
  Command2.SetStyle(1);
  Command2.SetBackColor(0x0000FFFF);
  Check2.Move(5800, 520, 1800, 250);
  Check2.SetCaption(u"チェック");
  Option1.Move(5800, 800, 1600, 250);
  Option1.SetCaption(u" はじめに");
  Option1.SetFontBold(true);
  Option2.Move(5800, 1050, 1600, 250);
  Option2.SetCaption(u" 消     去");
  Text1.Move(4500, 1000, 1200, 300);
  Text1.SetText(u"テキスト");

  Combo1.Move(120, 1550, 1400, 300);
  Combo1.AddItem(u"*.kd2");
  Combo1.SetText(u"*.kd2");
  List1.Move(1600, 1550, 1400, 900);
  List1.AddItem(u"良");
  List1.AddItem(u"稍重");
  List1.AddItem(u"重");
  Shape1.Move(3100, 1550, 900, 600);
  Shape1.SetShapeKind(ui::kShapeOval);
  Shape1.SetFillStyle(ui::kFillSolid);
  Shape1.SetFillColor(0x00FF8080);
  Line1.SetPoints(4100, 1550, 5500, 2100);
  Line1.SetBorderColor(0x00008000);
  Picture1.Move(5700, 1550, 2400, 1200);
  Picture1.SetBackColor(ui::colors::kWhite);
  Drive1.Move(120, 2600, 1800, 300);
  Dir1.Move(120, 3000, 1800, 1500);
  File1.Move(2000, 2600, 1800, 1900);
  File1.SetPattern(u"*.txt");

  MSFlexGrid1.Move(3900, 2900, 4800, 2400);
  MSFlexGrid1.OnMouseDown = [this](int button, int shift, double x, double y) {
    ++grid_presses;
    last_button = button;
    last_shift = shift;
    last_x = x;
    last_y = y;
  };
  Timer1.OnTimer = [this] { ++ticks; };
}

void SampleForm::Form_Load() {
  Picture1.Line(100, 100, 2000, 100, 0x000000FF);
  Picture1.Box(100, 300, 1000, 900, 0x00FF0000, true);
  Picture1.SetCurrentX(1100);
  Picture1.SetCurrentY(300);
  Picture1.Print(u"グラフ");
  for (int y = 0; y < 600; y += 15) Line(6000, 5600 + y, 8500, 5600 + y, ui::Rgb(0, 0, 255 - y / 5));

  ui::FlexGrid& g = MSFlexGrid1;
  g.SetRows(12);
  g.SetCols(6);
  g.SetFixedRows(1);
  g.SetFixedCols(1);
  g.SetColWidth(0, 400);
  g.SetMergeCells(ui::kMergeRestrictColumns);
  g.SetMergeCol(0, true);
  const char16_t* heads[] = {u"枠", u"馬", u"馬名", u"性", u"齢", u"騎手"};
  for (int c = 0; c < 6; ++c) {
    g.SetTextMatrix(0, c, heads[c]);
    g.SetColAlignment(c, ui::kFlexCenterCenter);
  }
  for (int r = 1; r < 12; ++r) {
    g.SetTextMatrix(r, 0, model::FromUtf8(std::to_string((r + 1) / 2)));
    g.SetTextMatrix(r, 1, model::FromUtf8(std::to_string(r)));
    g.SetTextMatrix(r, 2, u"テストホース");
  }
  g.SetRow(2);
  g.SetCol(2);
  g.SetCellBackColor(0x0000FFFF);
  g.SetCellForeColor(0x000000FF);
}

std::unique_ptr<shell::App> MakeApp() {
  auto app = std::make_unique<program::Program>();
  app->RegisterForm<SampleForm>("frmSample");
  return app;
}

std::optional<std::string> PdfText(const QString& pdf, const char* options) {
  std::string command = std::string("pdftotext ") + options + " '" + pdf.toStdString() + "' - 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  if (pclose(pipe) != 0) return std::nullopt;
  return out;
}

std::u16string WithoutSpaces(const QString& text) {
  std::u16string out;
  for (QChar c : text) {
    if (!c.isSpace()) out.push_back(c.unicode());
  }
  return out;
}

std::u16string PrintedCharacters(const ui::PrintedDocument& doc) {
  QString texts;
  for (const ui::DrawOp& op : doc.ops) {
    if (op.kind == ui::DrawOpKind::kText) texts += ToQString(op.text);
  }
  return WithoutSpaces(texts);
}

std::optional<std::u16string> PdfCharacters(const QString& pdf) {
  std::optional<std::string> raw = PdfText(pdf, "-raw -enc UTF-8");
  if (!raw) return std::nullopt;
  return WithoutSpaces(QString::fromStdString(*raw));
}

std::function<void(const QString&)> NoticeReader::Notice() {
  return [this](const QString& text) {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || box->buttons().size() != 1) return;
      texts << box->text();
      box->buttons().front()->click();
    });
    ShowNotice(text);
  };
}

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace desktop::testing
