// Printing: a recorded document becomes a page of its paper and orientation with its texts and rules in
// place; without a printer a new PDF file is written in the documents folder and a box names it; a
// failure is told with the program's message box.
#include "desktop/printing.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "desktop/offscreen.h"
#include "desktop/painting.h"
#include "desktop/picture_store.h"
#include "tests/desktop/qt_fixture.h"
#include "tests/support/scoped_env.h"

namespace desktop::testing {
namespace {

using testsupport::ScopedEnv;

// Output of a command, or nothing when it cannot run.
std::optional<QString> RunCommand(const QString& command) {
  FILE* pipe = popen((command + QStringLiteral(" 2>/dev/null")).toUtf8().constData(), "r");
  if (pipe == nullptr) return std::nullopt;
  QByteArray out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, static_cast<qsizetype>(n));
  int status = pclose(pipe);
  if (status != 0) return std::nullopt;
  return QString::fromUtf8(out);
}

bool HavePoppler() {
  return system("pdftotext -v >/dev/null 2>&1") == 0;
}

ui::DrawOp Text(double x, double y, const ui::Text& text, double size = 9) {
  ui::DrawOp op;
  op.kind = ui::DrawOpKind::kText;
  op.x1 = x;
  op.y1 = y;
  op.text = text;
  op.font_size = size;
  return op;
}

ui::DrawOp Rule(double x1, double y1, double x2, double y2) {
  ui::DrawOp op;
  op.kind = ui::DrawOpKind::kLine;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  return op;
}

ui::PrintedDocument B4Sheet() {
  ui::PrintedDocument doc;
  doc.scale_mode = ui::kScaleMillimeters;
  doc.paper_size = ui::kPaperB4;
  doc.orientation = ui::kLandscape;
  doc.font_size = 9;
  doc.ops = {Text(27.5, 10, u"基本タイム　チェック"), Rule(20, 30, 270, 30), Text(100, 50, u"東京　1600"),
             Text(300, 150, u"右下")};
  return doc;
}

// xMin and yMin of each word pdftotext finds, in millimetres.
std::map<QString, QPointF> WordPlaces(const QString& pdf) {
  std::map<QString, QPointF> places;
  std::optional<QString> html = RunCommand(QStringLiteral("pdftotext -bbox '%1' -").arg(pdf));
  if (!html) return places;
  QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
  for (auto it = word.globalMatch(*html); it.hasNext();) {
    auto m = it.next();
    places[m.captured(3)] =
        QPointF(m.captured(1).toDouble() * 25.4 / 72, m.captured(2).toDouble() * 25.4 / 72);
  }
  return places;
}

TEST(PrintingTest, DocumentBecomesAPageOfItsPaperWithTextsAtTheirTopLeft) {
  Application();
  if (!HavePoppler()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  QTemporaryDir dir;
  QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
  ASSERT_EQ(WritePdf(pdf.toStdString(), {B4Sheet()}), QString());
  std::optional<QString> info = RunCommand(QStringLiteral("pdfinfo '%1'").arg(pdf));
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info->toStdString();
  // JIS B4 on its side: 364 by 257 millimetres.
  EXPECT_TRUE(info->contains(
      QRegularExpression(QStringLiteral("Page size:\\s+103[12](\\.[0-9]+)? x 72[89](\\.[0-9]+)? pts"))))
      << info->toStdString();
  std::map<QString, QPointF> words = WordPlaces(pdf);
  ASSERT_TRUE(words.count(QStringLiteral("基本タイム"))) << words.size();
  EXPECT_NEAR(words[QStringLiteral("基本タイム")].x(), 27.5, 0.3);
  EXPECT_NEAR(words[QStringLiteral("基本タイム")].y(), 10, 1.0);
  ASSERT_TRUE(words.count(QStringLiteral("東京")));
  EXPECT_NEAR(words[QStringLiteral("東京")].x(), 100, 0.3);
  EXPECT_NEAR(words[QStringLiteral("東京")].y(), 50, 1.0);
  ASSERT_TRUE(words.count(QStringLiteral("右下")));
  EXPECT_NEAR(words[QStringLiteral("右下")].x(), 300, 0.3);

  // The rule at y 30 mm from x 20 to 270 mm: dark pixels on that row of a rendered page, none above.
  ASSERT_TRUE(
      RunCommand(QStringLiteral("pdftoppm -r 50 -png -singlefile '%1' '%2'").arg(pdf, dir.filePath("page"))));
  QImage page(dir.filePath(QStringLiteral("page.png")));
  ASSERT_FALSE(page.isNull());
  double px_per_mm = 50 / 25.4;
  int row = static_cast<int>(30 * px_per_mm);
  EXPECT_LT(QColor(page.pixel(static_cast<int>(150 * px_per_mm), row)).lightness(), 200);
  EXPECT_EQ(QColor(page.pixel(static_cast<int>(150 * px_per_mm), row - 6)).lightness(), 255);
  EXPECT_EQ(QColor(page.pixel(static_cast<int>(10 * px_per_mm), row)).lightness(), 255);
}

TEST(PrintingTest, EveryScaleModeMeetsOnTheSamePlace) {
  EXPECT_DOUBLE_EQ(MillimetresPerUnit(ui::kScaleMillimeters) * 25.4, 25.4);
  EXPECT_DOUBLE_EQ(MillimetresPerUnit(ui::kScaleTwips) * 1440, 25.4);
  EXPECT_DOUBLE_EQ(MillimetresPerUnit(ui::kScalePoints) * 72, 25.4);
  QPageLayout a4 = PageLayoutOf(ui::PrintedDocument{});
  EXPECT_EQ(a4.pageSize().id(), QPageSize::A4);
  EXPECT_EQ(a4.orientation(), QPageLayout::Portrait);
}

void PrintTwice(shell::App& app) {
  for (int i = 0; i < 2; ++i) {
    app.printer.SetCurrentX(10);
    app.printer.SetCurrentY(10);
    app.printer.Print(u"印刷");
    app.printer.EndDoc();
  }
}

TEST(PrintingTest, WithoutPrinterEachDocumentGoesToANewPdfThatABoxNames) {
  Application();
  QTemporaryDir dir;
  auto app = MakeApp();
  NoticeReader notices;
  DesktopPrinting printing(*app, dir.path().toStdString(), notices.Notice(), false);
  app->printer.SetSink([&](const ui::PrintedDocument& doc) { printing.Print(doc); });
  PrintTwice(*app);
  const std::vector<std::filesystem::path> files = FilesIn(dir.path().toStdString());
  ASSERT_EQ(files.size(), 2u);
  ASSERT_EQ(notices.texts.size(), 2);
  for (const std::filesystem::path& file : files) {
    EXPECT_TRUE(QString::fromStdString(file.filename())
                    .contains(QRegularExpression(
                        QStringLiteral("^Tarvelo-printout-[0-9]{8}-[0-9]{6}(-[0-9]+)?\\.pdf$"))))
        << file;
  }
  // One box per printout, naming its file; the program's own message boxes are not involved.
  const QString before =
      QStringLiteral("プリンタが設定されていないため、印刷をファイルに保存しました。\nファイル：");
  std::vector<std::filesystem::path> named;
  for (const QString& text : notices.texts) {
    EXPECT_TRUE(text.startsWith(before)) << text.toStdString();
    named.push_back(text.mid(before.size()).toStdString());
  }
  std::sort(named.begin(), named.end());
  EXPECT_EQ(named, files);
  EXPECT_TRUE(app->Messages().empty());
  EXPECT_EQ(app->printer.Documents().size(), 2u);
}

// The frontend's printing as the desktop program sets it up: the box is a real dialog over the windows.
TEST(PrintingTest, TheFrontendTellsInABoxWhereThePrintoutWent) {
  Application();
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is configured: it would print";
  QTemporaryDir dir;
  auto app = MakeApp();
  Frontend frontend(*app, false);
  frontend.UseDesktopServices(dir.path().toStdString());
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown = box->text();
    box->buttons().front()->click();
  });
  app->printer.Print(u"印刷");
  app->printer.EndDoc();
  const std::vector<std::filesystem::path> files = FilesIn(dir.path().toStdString());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_TRUE(shown.endsWith(QStringLiteral("\nファイル：") + PathText(files[0]))) << shown.toStdString();
  EXPECT_TRUE(app->Messages().empty());
}

TEST(PrintingTest, ANewPrintoutNeverTakesTheNameOfAnythingThere) {
  QTemporaryDir dir;
  const std::filesystem::path folder = dir.path().toStdString();
  const QDateTime when(QDate(2002, 10, 19), QTime(9, 30, 5));
  const std::filesystem::path first = folder / "Tarvelo-printout-20021019-093005.pdf";
  EXPECT_EQ(PrintoutFileName(folder, when), first);
  std::ofstream(first) << "an earlier printout";
  // A link that leads nowhere: writing through it would make a file elsewhere.
  std::filesystem::create_symlink(folder / "gone" / "x.pdf",
                                  folder / "Tarvelo-printout-20021019-093005-2.pdf");
  EXPECT_EQ(PrintoutFileName(folder, when), folder / "Tarvelo-printout-20021019-093005-3.pdf");
}

// Where the printouts go without a printer: the documents folder the user's desktop names, else
// ~/Documents, else the home folder itself.
TEST(PrintingTest, PrintoutsGoToTheDocumentsFolderElseHome) {
  Application();
  struct Case {
    const char* user_dirs;  // the desktop's list of the user's folders; null: none
    std::vector<std::string> folders;
    std::string expected;  // under home
  };
  const Case cases[] = {
      {nullptr, {"Documents"}, "Documents"},
      {"XDG_DOCUMENTS_DIR=\"$HOME/文書\"\n", {"文書", "Documents"}, "文書"},
      {nullptr, {}, ""},
      {"XDG_DOCUMENTS_DIR=\"$HOME/文書\"\n", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.user_dirs ? c.user_dirs : "no user-dirs.dirs");
    QTemporaryDir dir;
    const std::filesystem::path home = dir.path().toStdString() + "/home";
    const std::filesystem::path config = dir.path().toStdString() + "/config";
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(config);
    for (const std::string& f : c.folders) std::filesystem::create_directory(home / f);
    if (c.user_dirs != nullptr) std::ofstream(config / "user-dirs.dirs") << c.user_dirs;
    ScopedEnv home_env("HOME", home.string());
    ScopedEnv config_env("XDG_CONFIG_HOME", config.string());
    EXPECT_EQ(PrintoutFolder(), c.expected.empty() ? home : home / c.expected);
  }
}

// Folder names are bytes: one that is not UTF-8 is written to as it is, by the desktop's printing and
// by the driver's printto alike.
TEST(PrintingTest, AFolderWhoseNameIsNotUtf8TakesThePrintouts) {
  Application();
  QTemporaryDir dir;
  const std::filesystem::path folder = dir.path().toStdString() + "/\xff\xfe\x93\xfa";
  std::filesystem::create_directory(folder);
  auto app = MakeApp();
  NoticeReader notices;
  DesktopPrinting printing(*app, folder, notices.Notice(), false);
  app->printer.SetSink([&](const ui::PrintedDocument& doc) { printing.Print(doc); });
  PrintTwice(*app);
  EXPECT_EQ(FilesIn(folder).size(), 2u);
  EXPECT_EQ(notices.texts.size(), 2);
  EXPECT_TRUE(app->Messages().empty());

  ASSERT_EQ(PrintTo(*app, (folder / "all.pdf").string()), "");
  PrintTwice(*app);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / "all.pdf"));
  EXPECT_EQ(FilesIn(folder).size(), 3u);
  EXPECT_TRUE(app->Messages().empty());
  // Qt cannot name the folder to remove it.
  app->printer.SetSink({});
  std::filesystem::remove_all(folder);
}

TEST(PrintingTest, ADocumentThatCannotBeWrittenIsToldWithTheFileAndTheReason) {
  Application();
  QTemporaryDir dir;
  auto app = MakeApp();
  QString missing = dir.filePath(QStringLiteral("no-such-folder"));
  DesktopPrinting printing(*app, missing.toStdString(), {}, false);
  app->printer.SetSink([&](const ui::PrintedDocument& doc) { printing.Print(doc); });
  app->printer.Print(u"印刷");
  app->printer.EndDoc();
  ASSERT_EQ(app->Messages().size(), 1u);
  QString text = ToQString(app->Messages()[0].text);
  EXPECT_TRUE(text.startsWith(QStringLiteral("印刷できませんでした。\nファイル：") + missing +
                              QStringLiteral("/Tarvelo-printout-")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("理由：No such file or directory"))) << text.toStdString();
  EXPECT_EQ(app->Messages()[0].style, ui::kExclamation);
  // The program goes on: the document is recorded all the same.
  EXPECT_EQ(app->printer.Documents().size(), 1u);
}

TEST(PrintingTest, PrintToCollectsTheFollowingDocumentsInOneFile) {
  Application();
  QTemporaryDir dir;
  auto app = MakeApp();
  QString pdf = dir.filePath(QStringLiteral("all.pdf"));
  app->printer.Print(u"前の印刷");
  app->printer.EndDoc();
  ASSERT_EQ(PrintTo(*app, pdf.toStdString()), "");
  EXPECT_FALSE(QFile::exists(pdf));
  for (int i = 0; i < 2; ++i) {
    app->printer.SetPaperSize(i == 0 ? ui::kPaperB4 : ui::kPaperA4);
    app->printer.Print(u"印刷");
    app->printer.EndDoc();
  }
  ASSERT_TRUE(QFile::exists(pdf));
  if (HavePoppler()) {
    std::optional<QString> info = RunCommand(QStringLiteral("pdfinfo '%1'").arg(pdf));
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info->toStdString();
  }
  EXPECT_NE(PrintTo(*app, dir.filePath(QStringLiteral("missing/x.pdf")).toStdString()), "");
}

TEST(PrintingTest, ShotSavesTheWindowAtItsSize) {
  Application();
  QTemporaryDir dir;
  auto app = MakeApp();
  EXPECT_EQ(ShotWindow(*app, "frmSample", dir.filePath("x.png").toStdString()),
            "window \"frmSample\" is not loaded");
  ui::Form& form = app->FormByName("frmSample");
  QString png = dir.filePath(QStringLiteral("sample.png"));
  ASSERT_EQ(ShotWindow(*app, "frmSample", png.toStdString()), "");
  QImage image(png);
  EXPECT_EQ(image.size(), QSize(TwipsToPixels(form.Width()), TwipsToPixels(form.Height())));
  EXPECT_NE(ShotWindow(*app, "frmSample", dir.filePath("missing/x.png").toStdString()), "");
}

TEST(PictureStoreTest, SavedPictureIsABitmapFileAndLoadsBackAsItsPixels) {
  Application();
  QTemporaryDir dir;
  ImagePictureStore store;
  ui::PictureImage image;
  image.back_color = ui::colors::kWhite;
  image.width = 1500;
  image.height = 750;
  ui::DrawOp line;
  line.x1 = 0;
  line.y1 = 300;
  line.x2 = 1500;
  line.y2 = 300;
  line.color = 0x000000FF;
  image.ops.push_back(line);
  ui::Text path = FromQString(dir.filePath(QStringLiteral("GRAPTH1.bmp")));
  ASSERT_TRUE(store.Save(path, image));
  QImage bitmap(ToQString(path));
  ASSERT_EQ(bitmap.size(), QSize(100, 50));
  EXPECT_EQ(bitmap.pixelColor(50, 20), QColor(255, 0, 0));
  EXPECT_EQ(bitmap.pixelColor(50, 10), QColor(255, 255, 255));
  const std::optional<ui::PictureImage> loaded = store.Load(path, image.width, image.height);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->raster, FromQImage(bitmap.convertToFormat(QImage::Format_RGB32)));
  EXPECT_TRUE(loaded->ops.empty());
  EXPECT_EQ(loaded->width, image.width);
  EXPECT_FALSE(store.Load(FromQString(dir.filePath(QStringLiteral("other.bmp"))), image.width, image.height));
  EXPECT_FALSE(store.Save(FromQString(dir.filePath(QStringLiteral("missing/GRAPTH2.bmp"))), image));
}

}  // namespace
}  // namespace desktop::testing
