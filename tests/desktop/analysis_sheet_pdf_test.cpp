// The analysis sheet of a sample race printed by the desktop: into a PDF on an A4 landscape page
// whose text copies as printed, and into a folder that cannot take it, which is told and changes
// nothing else.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "desktop/offscreen.h"
#include "desktop/painting.h"
#include "desktop/printing.h"
#include "model/meeting.h"
#include "model/table.h"
#include "model/text.h"
#include "model/text_ops.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "shell/frm_ag0.h"
#include "tests/desktop/qt_fixture.h"
#include "tests/support/sample_road.h"
#include "tests/support/scoped_env.h"
#include "ui/grid.h"

namespace desktop::testing {
namespace {

using testsupport::ScopedEnv;

constexpr int kRace = 1;

// The sample's race through every step up to "推奨馬", with the print box ticked.
void ReadyToPrint(program::Program& app) {
  app.Start();
  ASSERT_EQ(testsupport::RoadToAnalysisWindow(app), "");
  std::string lines = "select frmAg3.Combo1 0\n";
  for (int k = 0; k < kRace; ++k) lines += "click frmAg3.Command16\n";
  lines +=
      "click frmAg3.Command18\nclick frmAg3.Command20\nclick frmAg3.Command5\nclick frmAg3.Command9\n"
      "click frmAg3.Command10\nclick frmAg3.Command11\nclick frmAg0.Check1\n";
  ASSERT_EQ(testsupport::RunLines(app, lines), "");
}

// Every cell of every registered table, by table name.
std::vector<std::pair<std::string, std::vector<model::Text>>> AllCells(const model::Meeting& meeting) {
  std::vector<std::pair<std::string, std::vector<model::Text>>> cells;
  for (const std::string& name : meeting.Registry().Names()) {
    const model::TextTable& table = *meeting.Registry().Find(name);
    std::vector<model::Text> texts;
    for (size_t k = 0; k < table.CellCount(); ++k) texts.push_back(table.CellAt(k));
    cells.emplace_back(name, std::move(texts));
  }
  return cells;
}

void ClickPrint(program::Program& app) {
  ui::Desktop::EventScope scope(app);
  app.Form<shell::frmAg0>().Command4.UserClick();
}

TEST(AnalysisSheetPdf, SampleRacePrintsOnAnA4LandscapePage) {
  if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
  Application();
  if (!PrintFamily().startsWith(QStringLiteral("IPA")))
    GTEST_SKIP() << "the print face (fonts-ipafont-gothic) is not installed";
  program::Program app;
  ReadyToPrint(app);
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
  ASSERT_EQ(PrintTo(app, pdf.toStdString()), "");
  ClickPrint(app);
  ASSERT_EQ(app.printer.Documents().size(), 1u);
  EXPECT_TRUE(app.Messages().empty());

  // The text layer holds every character the sheet prints, in order: its digits and kanji copy as printed.
  std::optional<std::u16string> layer = PdfCharacters(pdf);
  ASSERT_TRUE(layer);
  const std::u16string printed = PrintedCharacters(app.printer.Documents()[0]);
  EXPECT_EQ(*layer, printed);
  // Among them the texts that show the race and its runners.
  const auto& t = app.meeting.Group<secondary::SecondaryAnalysisTables>();
  const analysis::frmAg3& w = app.Form<analysis::frmAg3>();
  std::vector<model::Text> expected = {u"Tarvelo", u"H14.10.19", u"馬番", model::Trim(w.Label18.Caption())};
  const int runners = analysis::AnalysedRunnerCount(app.meeting);
  ASSERT_GT(runners, 0);
  for (int i = 1; i <= runners; ++i) expected.push_back(t.PredictedTime(i));
  for (const model::Text& text : expected)
    EXPECT_NE(layer->find(WithoutSpaces(ToQString(text))), std::u16string::npos) << model::ToUtf8(text);
  std::optional<std::string> info = PdfText(pdf, "-bbox");
  ASSERT_TRUE(info);
  // A4 landscape: 297 x 210 mm, that is about 842 x 595 points.
  EXPECT_NE(info->find("<page width=\"842"), std::string::npos) << info->substr(0, 400);
  EXPECT_NE(info->find("height=\"595"), std::string::npos) << info->substr(0, 400);
  if (const char* keep = std::getenv("TARVELO_KEEP_PDF")) QFile::copy(pdf, QString::fromUtf8(keep));
}

TEST(AnalysisSheetPdf, AFailedPrintIsToldAndChangesNothingElse) {
  Application();
  // Two runs of the same road: one prints, the other cannot write its file.
  program::Program printed, failed;
  ReadyToPrint(printed);
  ReadyToPrint(failed);
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("no-such-folder"));
  DesktopPrinting good(printed, dir.path().toStdString(), {}, false);
  DesktopPrinting bad(failed, missing.toStdString(), {}, false);
  printed.printer.SetSink([&](const ui::PrintedDocument& doc) { good.Print(doc); });
  failed.printer.SetSink([&](const ui::PrintedDocument& doc) { bad.Print(doc); });
  ClickPrint(printed);
  ClickPrint(failed);

  EXPECT_TRUE(printed.Messages().empty());
  ASSERT_EQ(failed.Messages().size(), 1u);
  const QString text = ToQString(failed.Messages()[0].text);
  EXPECT_TRUE(text.startsWith(QStringLiteral("印刷できませんでした。\nファイル：") + missing))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("理由："))) << text.toStdString();

  // Tables, the runner grid and the print controls end as after a print that worked.
  EXPECT_EQ(AllCells(failed.meeting), AllCells(printed.meeting));
  const auto& fw = failed.Form<analysis::frmAg3>();
  const auto& pw = printed.Form<analysis::frmAg3>();
  for (int r = 0; r < pw.MSFlexGrid2.Rows(); ++r) {
    for (int c = 0; c < pw.MSFlexGrid2.Cols(); ++c)
      EXPECT_EQ(fw.MSFlexGrid2.TextMatrix(r, c), pw.MSFlexGrid2.TextMatrix(r, c)) << r << ", " << c;
  }
  auto& main = failed.Form<shell::frmAg0>();
  EXPECT_FALSE(main.Command4.Enabled());
  EXPECT_TRUE(main.Check1.Enabled());
  EXPECT_EQ(main.Check1.Value(), ui::kUnchecked);
}

// Started from a read-only folder whose name is not UTF-8: the sheet goes to the user's documents folder
// and a box names it, and the start folder is left as it was.
TEST(AnalysisSheetPdf, AStartFolderNamedInNoEncodingAndReadOnlyStillPrints) {
  Application();
  QTemporaryDir dir;
  const std::filesystem::path root = dir.path().toStdString();
  const std::filesystem::path start = root / "\xff\xfe\x8a\x4a";
  const std::filesystem::path documents = root / "home" / "Documents";
  std::filesystem::create_directories(documents);
  std::filesystem::create_directory(start);
  std::filesystem::permissions(start,
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  ScopedEnv home("HOME", (root / "home").string());
  ScopedEnv config("XDG_CONFIG_HOME", (root / "config").string());
  const std::filesystem::path was = std::filesystem::current_path();
  std::filesystem::current_path(start);

  program::Program app;
  ReadyToPrint(app);
  NoticeReader notices;
  DesktopPrinting printing(app, PrintoutFolder(), notices.Notice(), false);
  app.printer.SetSink([&](const ui::PrintedDocument& doc) { printing.Print(doc); });
  ClickPrint(app);
  std::filesystem::current_path(was);
  const bool start_untouched = std::filesystem::is_empty(start);
  // Qt cannot name the folder to remove it.
  std::filesystem::permissions(start, std::filesystem::perms::owner_all);
  std::filesystem::remove_all(start);

  ASSERT_EQ(app.printer.Documents().size(), 1u);
  EXPECT_TRUE(app.Messages().empty());
  EXPECT_TRUE(start_untouched);
  const std::vector<std::filesystem::path> printed = FilesIn(documents);
  ASSERT_EQ(printed.size(), 1u);
  ASSERT_EQ(notices.texts.size(), 1);
  EXPECT_TRUE(notices.texts[0].endsWith(QStringLiteral("ファイル：") + PathText(printed[0])))
      << notices.texts[0].toStdString();
}

}  // namespace
}  // namespace desktop::testing
