// The first steps of the road, done with the mouse on the real windows: "Ｓｔａｒｔ" opens the data-read
// window, a click on the sample meeting's folder enables " 出走馬  読込", and its click fills the meeting
// line of the main window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QListWidget>
#include <QMouseEvent>
#include <filesystem>

#include "desktop/form_window.h"
#include "desktop/painting.h"
#include "intake/frm_ag2.h"
#include "program/program.h"
#include "shell/frm_ag0.h"
#include "tests/desktop/qt_fixture.h"

namespace desktop::testing {
namespace {

void Click(QWidget* target, QPoint pos) {
  QPoint global = target->mapToGlobal(pos);
  QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(target, &release);
}

void ClickCentre(QWidget* target) {
  Click(target, target->rect().center());
}

// The folder lists start in the program's current folder; the sample meeting lies in the source tree.
class InSourceFolder {
 public:
  InSourceFolder() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(TARVELO_SOURCE_DIR);
  }
  ~InSourceFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

TEST(RoadTest, StartPickTheSampleFolderAndReadTheRaceCardWithTheMouse) {
  Application();
  InSourceFolder folder;
  ASSERT_TRUE(std::filesystem::exists("sample/kol_den1.kd2"));
  program::Program app;
  Frontend frontend(app, false);
  app.Start();
  frontend.Sync();

  ui::Form* opening = app.FindLoaded("frmAg1");
  ASSERT_NE(opening, nullptr);
  FormWindow* opening_window = frontend.WindowOf(*opening);
  ASSERT_NE(opening_window, nullptr);
  EXPECT_TRUE(opening_window->isVisible());
  ClickCentre(opening_window->WidgetOf(*opening->FindControl("Command1")));
  EXPECT_EQ(app.FindLoaded("frmAg1"), nullptr);

  auto* reading = app.FindLoaded<intake::frmAg2>();
  ASSERT_NE(reading, nullptr);
  FormWindow* reading_window = frontend.WindowOf(*reading);
  ASSERT_NE(reading_window, nullptr);
  EXPECT_TRUE(reading_window->isVisible());
  EXPECT_FALSE(reading->Command1.Enabled());
  auto* folders = qobject_cast<QListWidget*>(reading_window->WidgetOf(reading->Dir1));
  ASSERT_NE(folders, nullptr);
  QList<QListWidgetItem*> sample = folders->findItems(QStringLiteral("sample"), Qt::MatchExactly);
  ASSERT_EQ(sample.size(), 1);
  folders->scrollToItem(sample.front());
  Click(folders->viewport(), folders->visualItemRect(sample.front()).center());
  EXPECT_TRUE(reading->Command1.Enabled());
  EXPECT_TRUE(reading_window->WidgetOf(reading->Command1)->isEnabled());

  ClickCentre(reading_window->WidgetOf(reading->Command1));
  auto* main = app.FindLoaded<shell::frmAg0>();
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(main->Label2.Caption().empty());
  // The meeting line shows in red on the main window.
  QImage image = frontend.WindowOf(*main)->Render();
  EXPECT_GT(CountColor(image, image.rect(), QColor(255, 0, 0)), 20);
}

}  // namespace
}  // namespace desktop::testing
