// The check window's sheet of the sample meeting's first race, printed into a PDF: every fixed text and
// the runners' names land on a B4 landscape page, and its text copies as printed.
#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "basetime/frm_ag7.h"
#include "desktop/offscreen.h"
#include "desktop/painting.h"
#include "desktop/printing.h"
#include "intake/race_card_tables.h"
#include "model/text.h"
#include "model/text_ops.h"
#include "program/program.h"
#include "shell/app.h"
#include "tests/desktop/qt_fixture.h"
#include "tools/driver/script_driver.h"

namespace desktop::testing {
namespace {

TEST(CheckSheetPdf, SampleRaceOnePrintsWithItsTextsInPlace) {
  if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
  Application();
  if (!PrintFamily().startsWith(QStringLiteral("IPA")))
    GTEST_SKIP() << "the print face (fonts-ipafont-gothic) is not installed";
  program::Program app;
  app.Start();
  std::istringstream script("click frmAg1.Command1\nfolder " TARVELO_SOURCE_DIR
                            "/sample\nclick frmAg2.Command1\nclick frmAg2.Command7\nclick frmAg2.Command8\n");
  std::ostringstream out, err;
  ASSERT_EQ(driver::RunScript(app, script, out, err), 0) << err.str();

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("check.pdf"));
  ASSERT_EQ(PrintTo(app, pdf.toStdString()), "");
  auto& check = app.Form<basetime::frmAg7>();
  check.Combo2.SetListIndex(0);
  {
    ui::Desktop::EventScope scope(app);
    check.Command5_Click();
  }
  ASSERT_EQ(app.printer.Documents().size(), 1u);

  // The text layer holds every character the sheet prints, in order: its digits and kanji copy as printed.
  std::optional<std::u16string> layer = PdfCharacters(pdf);
  ASSERT_TRUE(layer);
  EXPECT_EQ(*layer, PrintedCharacters(app.printer.Documents()[0]));
  const intake::RaceCardTables& card = app.meeting.Group<intake::RaceCardTables>();
  for (const model::Text& text :
       {model::Trim(card.RaceNoLabel(1)), card.RaceSurfaceLabel(1), card.RaceDistanceLabel(1)}) {
    EXPECT_NE(layer->find(WithoutSpaces(ToQString(text))), std::u16string::npos) << model::ToUtf8(text);
  }
  // One numbered row per runner, the last one too.
  std::optional<std::string> layout = PdfText(pdf, "-layout");
  ASSERT_TRUE(layout);
  const std::string last = "\n" + model::ToUtf8(card.RunnerCount(1)) + " ";
  EXPECT_NE(layout->find(last), std::string::npos) << *layout;
  std::optional<std::string> info = PdfText(pdf, "-bbox");
  ASSERT_TRUE(info);
  // B4 landscape: 364 x 257 mm, that is about 1032 x 729 points.
  EXPECT_NE(info->find("<page width=\"1032"), std::string::npos) << info->substr(0, 400);
  if (const char* keep = std::getenv("TARVELO_KEEP_PDF")) QFile::copy(pdf, QString::fromUtf8(keep));
}

}  // namespace
}  // namespace desktop::testing
