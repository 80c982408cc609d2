// The script driver's pictures and printing through this frontend, run as the program itself.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>

#include "tests/desktop/qt_fixture.h"

namespace desktop::testing {
namespace {

TEST(ScriptDriverTest, ShotSavesEachWindowAtItsSizeAndPrintToIsAccepted) {
  Application();
  QTemporaryDir dir;
  QString script = dir.filePath(QStringLiteral("shots.txt"));
  {
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QTextStream out(&file);
    out << "shot frmAg0 " << dir.filePath("ag0.png") << "\n"
        << "shot frmAg1 " << dir.filePath("ag1.png") << "\n"
        << "click frmAg1.Command1\n"
        << "shot frmAg2 " << dir.filePath("ag2.png") << "\n"
        << "printto " << dir.filePath("printed.pdf") << "\n";
  }
  QString command =
      QStringLiteral("cd '%1' && '%2/tarvelo-script' --screen 1280x1024 '%3' >'%4' 2>'%5'")
          .arg(dir.path(), TARVELO_BINARY_DIR, script, dir.filePath("out.txt"), dir.filePath("err.txt"));
  ASSERT_EQ(std::system(command.toUtf8().constData()), 0);
  QFile err(dir.filePath("err.txt"));
  ASSERT_TRUE(err.open(QIODevice::ReadOnly));
  EXPECT_EQ(err.readAll(), QByteArray());
  EXPECT_EQ(QImage(dir.filePath("ag0.png")).size(), QSize(867, 83));
  EXPECT_EQ(QImage(dir.filePath("ag1.png")).size(), QSize(867, 548));
  EXPECT_EQ(QImage(dir.filePath("ag2.png")).size(), QSize(867, 548));
  // Nothing was printed, so nothing was written.
  EXPECT_FALSE(QFile::exists(dir.filePath("printed.pdf")));
}

TEST(ScriptDriverTest, ShotOfAWindowThatIsNotLoadedFailsWithTheReason) {
  QTemporaryDir dir;
  QString command = QStringLiteral("cd '%1' && echo 'shot frmAg9 x.png' | '%2/tarvelo-script' - 2>err.txt")
                        .arg(dir.path(), TARVELO_BINARY_DIR);
  EXPECT_NE(std::system(command.toUtf8().constData()), 0);
  QFile err(dir.filePath("err.txt"));
  ASSERT_TRUE(err.open(QIODevice::ReadOnly));
  EXPECT_EQ(err.readAll(), QByteArray("line 1: window \"frmAg9\" is not loaded: shot frmAg9 x.png\n"));
}

}  // namespace
}  // namespace desktop::testing
