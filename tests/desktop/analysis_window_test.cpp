// The analysis window on the desktop: the hand-over opens it with its grids and legends, a race is
// stepped to and confirmed with the mouse, and the user cannot close it on its own.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "desktop/form_window.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "tests/desktop/qt_fixture.h"
#include "tests/support/sample_road.h"

namespace desktop::testing {
namespace {

void ClickCentre(QWidget* target) {
  const QPoint pos = target->rect().center();
  const QPoint global = target->mapToGlobal(pos);
  QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(target, &release);
}

TEST(AnalysisWindowOnTheDesktop, HandOverOpensItAndARaceIsConfirmedWithTheMouse) {
  Application();
  program::Program app;
  Frontend frontend(app, false);
  app.Start();
  ASSERT_EQ(testsupport::RoadToAnalysisWindow(app), "");
  frontend.Sync();

  auto* w = app.FindLoaded<analysis::frmAg3>();
  ASSERT_NE(w, nullptr);
  FormWindow* window = frontend.WindowOf(*w);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  const ui::Control* shown[] = {&w->MSFlexGrid1, &w->MSFlexGrid2, &w->MSFlexGrid3, &w->Label27, &w->Label31};
  for (const ui::Control* c : shown) {
    ASSERT_NE(window->WidgetOf(*c), nullptr) << c->Name();
    EXPECT_TRUE(window->WidgetOf(*c)->isVisible()) << c->Name();
  }
  EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);

  QWidget* up = window->WidgetOf(w->Command16);
  QWidget* down = window->WidgetOf(w->Command17);
  QWidget* confirm = window->WidgetOf(w->Command18);
  EXPECT_FALSE(confirm->isEnabled());
  for (int i = 0; i < 3; ++i) ClickCentre(up);
  ClickCentre(down);
  EXPECT_EQ(w->Label2.Caption(), app.meeting.Group<intake::RaceCardTables>().RaceSummary(2));
  EXPECT_TRUE(confirm->isEnabled());
  ClickCentre(confirm);
  EXPECT_EQ(analysis::AnalysedRace(app.meeting), 2);
  EXPECT_EQ(w->Label6.Caption(), app.meeting.Group<intake::RaceCardTables>().RaceEstTimeLabel(2));
  EXPECT_FALSE(up->isEnabled());
  EXPECT_TRUE(window->WidgetOf(w->Command20)->isEnabled());
  // The overview went out of view and uncovered the runner grid.
  QWidget* overview = window->WidgetOf(w->MSFlexGrid3);
  EXPECT_GE(overview->y(), window->height());

  // Closing the window with the title bar leaves it; the program ends from the main window.
  window->close();
  QApplication::processEvents();
  EXPECT_TRUE(w->Loaded());
}

}  // namespace
}  // namespace desktop::testing
