// The desktop frontend under Qt's offscreen platform: windows render at their size, user input reaches
// the model as the model's events, and the windows follow the model after every event.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <map>

#include "desktop/form_window.h"
#include "desktop/grid_view.h"
#include "desktop/painting.h"
#include "tests/desktop/qt_fixture.h"
#include "tests/support/temp_dir.h"

namespace desktop::testing {
namespace {

class FrontendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application();
    app_ = MakeApp();
    frontend_ = std::make_unique<Frontend>(*app_, false);
    form_ = &static_cast<SampleForm&>(app_->FormByName("frmSample"));
    form_->Show();
    frontend_->Sync();
  }
  void TearDown() override {
    frontend_.reset();
    app_.reset();
  }

  FormWindow& Window() { return *frontend_->WindowOf(*form_); }
  QWidget* WidgetOf(const ui::Control& c) { return Window().WidgetOf(c); }
  QImage Render() { return Window().Render(); }
  // Where a control's widget lies in the rendered picture of its window.
  QRect AreaInPicture(const ui::Control& c) {
    QWidget* w = WidgetOf(c);
    NonClient nc = NonClientOf(*form_);
    QPoint origin = w->mapTo(&Window(), QPoint(0, 0)) + QPoint(nc.border, nc.border + nc.caption);
    return QRect(origin, w->size());
  }
  void Press(QWidget* target, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent press(QEvent::MouseButtonPress, pos, target->mapToGlobal(pos), button, button, modifiers);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, target->mapToGlobal(pos), button, Qt::NoButton,
                        modifiers);
    QApplication::sendEvent(target, &release);
  }
  // Runs Qt's events until done() holds or two seconds pass.
  bool RunUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
  }

  std::unique_ptr<shell::App> app_;
  std::unique_ptr<Frontend> frontend_;
  SampleForm* form_ = nullptr;
};

TEST(WindowSizeTest, EveryRegisteredWindowRendersAtItsSize) {
  Application();
  std::vector<std::string> names = MakeApp()->RegisteredNames();
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    auto app = MakeApp();
    ui::Form& form = app->FormByName(name);
    NoInput no_input;
    FormWindow window(form, no_input, false);
    window.Sync();
    QImage image = window.Render();
    EXPECT_EQ(image.width(), TwipsToPixels(form.Width()));
    EXPECT_EQ(image.height(), TwipsToPixels(form.Height()));
    NonClient nc = NonClientOf(form);
    EXPECT_EQ(window.Surface()->height(), image.height() - 2 * nc.border - nc.caption - nc.menu);
  }
}

TEST_F(FrontendTest, GridPressArrivesAsMouseDownInTwipsFromTheCellArea) {
  auto* grid = qobject_cast<QAbstractScrollArea*>(WidgetOf(form_->MSFlexGrid1));
  ASSERT_NE(grid, nullptr);
  Press(grid->viewport(), QPoint(30, 20), Qt::RightButton, Qt::ShiftModifier);
  EXPECT_EQ(form_->grid_presses, 1);
  EXPECT_EQ(form_->last_button, 2);
  EXPECT_EQ(form_->last_shift, 1);
  EXPECT_EQ(form_->last_x, 450);
  EXPECT_EQ(form_->last_y, 300);

  // Scrolled rows do not move the coordinates: they are the control's, not the sheet's.
  ASSERT_GT(grid->verticalScrollBar()->maximum(), 0);
  grid->verticalScrollBar()->setValue(3);
  Press(grid->viewport(), QPoint(7, 100), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(form_->grid_presses, 2);
  EXPECT_EQ(form_->last_button, 1);
  EXPECT_EQ(form_->last_shift, 2);
  EXPECT_EQ(form_->last_x, 105);
  EXPECT_EQ(form_->last_y, 1500);

  form_->MSFlexGrid1.SetEnabled(false);
  frontend_->Sync();
  Press(grid->viewport(), QPoint(30, 20), Qt::LeftButton);
  EXPECT_EQ(form_->grid_presses, 2);
}

TEST_F(FrontendTest, GridShowsScrollBarsOnlyWhereTheCellsDoNotFit) {
  auto* grid = qobject_cast<QAbstractScrollArea*>(WidgetOf(form_->MSFlexGrid1));
  EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
  EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
  form_->MSFlexGrid1.SetRows(3);
  form_->MSFlexGrid1.SetCols(2);
  frontend_->Sync();
  EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
  form_->MSFlexGrid1.SetRows(40);
  form_->MSFlexGrid1.SetScrollBars(1);  // horizontal only
  frontend_->Sync();
  EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
}

TEST_F(FrontendTest, GridPaintsCellColoursWhereTheCellsAre) {
  QImage image = Render();
  QRect area = AreaInPicture(form_->MSFlexGrid1);
  // Cell (2, 2) is yellow: columns 400 + 960 twips and rows 240 + 240 twips in from the cell area;
  // its top left corner lies clear of the centred text.
  QPoint inside = area.topLeft() + QPoint(2 + 27 + 64 + 1, 2 + 16 + 16 + 1);
  EXPECT_EQ(PixelAt(image, inside.x(), inside.y()), (Rgb{255, 255, 0}));
  EXPECT_GT(CountColor(image, area, QColor(255, 255, 0)), 40 * 10);
}

TEST_F(FrontendTest, GridDrawsEqualFrameCellsAboveEachOtherAsOneCell) {
  // The fixed frame column reads 1, 1, 2, 2, ... from row 1 on and merges equal neighbours.
  auto* grid = dynamic_cast<GridWidget*>(WidgetOf(form_->MSFlexGrid1));
  ASSERT_NE(grid, nullptr);
  const std::vector<Band> rows = grid->VisibleRows();
  const Band frames = grid->VisibleCols().at(0);
  ASSERT_GE(rows.size(), 5u);
  ASSERT_EQ(rows[4].index, 4);
  NonClient nc = NonClientOf(*form_);
  QPoint origin =
      grid->viewport()->mapTo(&Window(), QPoint(0, 0)) + QPoint(nc.border, nc.border + nc.caption);
  // The bottom line of row r in the frame column, from just inside its left edge to clear of the
  // centred text.
  const int width = frames.size / 3;
  auto bottom_of = [&](int r) {
    return QRect(origin.x() + frames.start + 2, origin.y() + rows[r].start + rows[r].size - 1, width, 1);
  };
  const QImage image = Render();
  const QColor shadow = ToQColor(0x80000010);
  EXPECT_EQ(CountColor(image, bottom_of(1), shadow), 0) << "frame 1 over frame 1";
  EXPECT_EQ(CountColor(image, bottom_of(2), shadow), width) << "frame 1 over frame 2";
  EXPECT_EQ(CountColor(image, bottom_of(3), shadow), 0) << "frame 2 over frame 2";
  EXPECT_EQ(CountColor(image, bottom_of(0), shadow), width) << "the heading over frame 1";
}

TEST_F(FrontendTest, CheckBoxSetFromCodeShowsItsTick) {
  QRect box = AreaInPicture(form_->Check1);
  int before = CountColor(Render(), box, Qt::black);
  form_->Check1.SetValue(ui::kChecked);
  frontend_->Sync();
  int after = CountColor(Render(), box, Qt::black);
  EXPECT_GE(after, before + 7);  // the tick
  form_->Check1.SetValue(ui::kUnchecked);
  frontend_->Sync();
  EXPECT_EQ(CountColor(Render(), box, Qt::black), before);
}

TEST_F(FrontendTest, ControlMovedBelowTheVisibleAreaIsNotDrawn) {
  const QColor magenta(255, 0, 255);
  form_->Label2.SetBackColor(0x00FF00FF);
  frontend_->Sync();
  QImage image = Render();
  EXPECT_GT(CountColor(image, image.rect(), magenta), 200);
  form_->Label2.SetTop(form_->Height() + 500);
  frontend_->Sync();
  image = Render();
  EXPECT_EQ(CountColor(image, image.rect(), magenta), 0);

  // The same inside a frame: moved below the frame, a control is gone although the window goes on.
  form_->Label1.SetBackColor(0x00FF00FF);
  frontend_->Sync();
  EXPECT_GT(CountColor(Render(), image.rect(), magenta), 100);
  form_->Label1.SetTop(form_->Frame1.Height() + 50);
  frontend_->Sync();
  EXPECT_EQ(CountColor(Render(), image.rect(), magenta), 0);
}

TEST_F(FrontendTest, WindowBackgroundShowsItsDrawing) {
  QImage image = Render();
  NonClient nc = NonClientOf(*form_);
  QPoint origin =
      Window().Surface()->mapTo(&Window(), QPoint(0, 0)) + QPoint(nc.border, nc.border + nc.caption);
  // The first line of the band: from x 6000 at y 5600 twips, pure blue.
  EXPECT_EQ(PixelAt(image, origin.x() + 410, origin.y() + 373), (Rgb{0, 0, 255}));
}

TEST_F(FrontendTest, UserClicksReachTheModel) {
  Press(WidgetOf(form_->Check1), QPoint(5, 5), Qt::LeftButton);
  EXPECT_EQ(form_->Check1.Value(), ui::kChecked);
  EXPECT_EQ(form_->check_clicks, 1);
  Press(WidgetOf(form_->Option2), QPoint(5, 5), Qt::LeftButton);
  EXPECT_TRUE(form_->Option2.Value());
  Press(WidgetOf(form_->Option1), QPoint(5, 5), Qt::LeftButton);
  EXPECT_TRUE(form_->Option1.Value());
  EXPECT_FALSE(form_->Option2.Value());

  form_->Check1.SetEnabled(false);
  frontend_->Sync();
  Press(WidgetOf(form_->Check1), QPoint(5, 5), Qt::LeftButton);
  EXPECT_EQ(form_->check_clicks, 1);
}

TEST_F(FrontendTest, TypingAndChoosingReachTheModelAndCodeChangesShow) {
  auto* line = qobject_cast<QLineEdit*>(WidgetOf(form_->Text1));
  ASSERT_NE(line, nullptr);
  emit line->textEdited(QStringLiteral("入力"));
  EXPECT_EQ(form_->Text1.Text(), u"入力");
  form_->Text1.SetText(u"コードから");
  frontend_->Sync();
  EXPECT_EQ(line->text(), QStringLiteral("コードから"));

  auto* list = qobject_cast<QListWidget*>(WidgetOf(form_->List1));
  ASSERT_NE(list, nullptr);
  list->setCurrentRow(1);
  EXPECT_EQ(form_->List1.ListIndex(), 1);
  form_->List1.SetListIndex(2);
  frontend_->Sync();
  EXPECT_EQ(list->currentRow(), 2);

  auto* combo = qobject_cast<QComboBox*>(WidgetOf(form_->Combo1));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 1);
  // Leaving the field with a text that matches an entry picks nothing: only a click in the list does.
  emit combo->lineEdit()->editingFinished();
  emit combo->lineEdit()->returnPressed();
  EXPECT_EQ(form_->Combo1.ListIndex(), -1);
  emit combo->activated(0);
  EXPECT_EQ(form_->Combo1.ListIndex(), 0);
}

TEST_F(FrontendTest, FolderListClickPicksTheFolder) {
  auto* list = qobject_cast<QListWidget*>(WidgetOf(form_->Dir1));
  ASSERT_NE(list, nullptr);
  // The open folder's path from the root down, then its subfolders.
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("/"));
  ASSERT_GT(list->count(), 1);
  QListWidgetItem* parent = list->item(list->currentRow() > 0 ? list->currentRow() - 1 : 0);
  emit list->itemClicked(parent);
  EXPECT_EQ(form_->Dir1.ClickedEntry().native(), parent->data(Qt::UserRole).toByteArray().toStdString());
}

// A folder opened deep down shows its own row at the top and its subfolders under it, not the path
// above it that fills the list; with few subfolders, the list scrolls as far as it goes.
TEST_F(FrontendTest, FolderListShowsTheOpenFolderAtTheTopWithItsSubfolders) {
  for (int subfolders : {2, 12}) {
    testsupport::ScopedTempDir temp;
    const std::filesystem::path open = temp.Path() / "a" / "b" / "c" / "d" / "e" / "f" / "g" / "open";
    for (int i = 0; i < subfolders; ++i)
      std::filesystem::create_directories(open / ("sub" + std::to_string(i)));
    form_->Dir1.SetPath(open);
    frontend_->Sync();
    auto* list = qobject_cast<QListWidget*>(WidgetOf(form_->Dir1));
    ASSERT_NE(list, nullptr);
    const int open_row = list->currentRow();
    ASSERT_EQ(list->item(open_row)->text(), QStringLiteral("open"));
    ASSERT_EQ(list->count(), open_row + 1 + subfolders);
    const QRect in_view = list->viewport()->rect();
    EXPECT_TRUE(in_view.contains(list->visualItemRect(list->item(open_row)))) << subfolders;
    EXPECT_TRUE(in_view.contains(list->visualItemRect(list->item(open_row + 1)))) << subfolders;
    if (subfolders == 2) {
      EXPECT_TRUE(in_view.contains(list->visualItemRect(list->item(open_row + 2))));
    } else {
      EXPECT_EQ(list->indexAt(QPoint(2, 2)).row(), open_row);
    }
  }
}

// A folder whose name is not UTF-8 shows U+FFFD in the list, and a click opens it by its bytes.
TEST_F(FrontendTest, FolderListClickOpensAFolderWhoseNameIsNotUtf8) {
  testsupport::ScopedTempDir temp;
  const std::filesystem::path japan = temp.Path() / "\x93\xfa\x96\x7b";
  std::filesystem::create_directories(japan);
  form_->Dir1.SetPath(temp.Path());
  frontend_->Sync();
  auto* list = qobject_cast<QListWidget*>(WidgetOf(form_->Dir1));
  ASSERT_NE(list, nullptr);
  QListWidgetItem* item = list->item(list->count() - 1);
  EXPECT_EQ(item->text(), QString::fromUtf16(u"\uFFFD\uFFFD\uFFFD{"));
  emit list->itemClicked(item);
  EXPECT_EQ(form_->Dir1.ClickedEntry().native(), japan.native());
}

TEST_F(FrontendTest, MenusShowCaptionsSeparatorsAndShortcutsAndClickTheModel) {
  QMenuBar* bar = Window().MenuBar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("ファイル(&F)"));
  EXPECT_EQ(bar->actions()[1]->text(), QStringLiteral("印刷(&P)"));
  QMenu* file = bar->actions()[0]->menu();
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->actions().size(), 3);
  EXPECT_TRUE(file->actions()[1]->isSeparator());
  EXPECT_EQ(file->actions()[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
  // The menu bar's items fit in the platform's 19 pixels instead of folding away.
  EXPECT_TRUE(bar->actionGeometry(bar->actions()[1]).isValid());
  EXPECT_LE(bar->actionGeometry(bar->actions()[1]).bottom(), 19);

  Window().ActionOf(form_->mnuOpen)->trigger();
  EXPECT_EQ(form_->menu_clicks, 1);
  form_->mnuOpen.SetEnabled(false);
  form_->mnuPrint.SetVisible(false);
  frontend_->Sync();
  EXPECT_FALSE(Window().ActionOf(form_->mnuOpen)->isEnabled());
  EXPECT_FALSE(Window().ActionOf(form_->mnuPrint)->isVisible());
}

TEST_F(FrontendTest, TimersRunOnQtTimersWhileTheModelRunsThem) {
  form_->Timer1.SetInterval(10);
  frontend_->Sync();
  EXPECT_TRUE(RunUntil([&] { return form_->ticks >= 2; }));
  form_->Timer1.SetEnabled(false);
  frontend_->Sync();
  int ticks = form_->ticks;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 60) QApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(form_->ticks, ticks);
}

TEST_F(FrontendTest, WindowsFollowShowHideAndUnload) {
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("  サンプル　ウィンドウ"));
  // The client area sits inside the platform's 4-pixel border and 19-pixel caption bar.
  EXPECT_EQ(Window().geometry().topLeft(), QPoint(100 + 4, 80 + 4 + 19));
  form_->Hide();
  frontend_->Sync();
  EXPECT_FALSE(Window().isVisible());
  form_->Show();
  frontend_->Sync();
  EXPECT_TRUE(Window().isVisible());
  form_->Unload();
  frontend_->Sync();
  EXPECT_EQ(frontend_->WindowOf(*form_), nullptr);
}

TEST_F(FrontendTest, ClosingTheWindowUnloadsItAndTheProgramEndsWhenNoWindowIsLeft) {
  frontend_.reset();
  Frontend quitting(*app_, true);
  quitting.Sync();
  bool timed_out = false;
  QTimer::singleShot(0, [&] { quitting.WindowOf(*form_)->close(); });
  QTimer::singleShot(3000, [&] {
    timed_out = true;
    QApplication::quit();
  });
  QApplication::exec();
  EXPECT_FALSE(timed_out);
  EXPECT_FALSE(app_->Running());
}

// The control box is a fact of the window like its caption: the title bar follows it after the window
// is shown, and without it closing from the title bar leaves the window loaded and shown.
TEST_F(FrontendTest, TheTitleBarFollowsTheControlBox) {
  EXPECT_TRUE(Window().windowFlags() & Qt::WindowCloseButtonHint);
  form_->SetControlBox(false);
  frontend_->Sync();
  EXPECT_FALSE(Window().windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(Window().windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(Window().isVisible());
  Window().close();
  QApplication::processEvents();
  EXPECT_TRUE(form_->Loaded());
  EXPECT_TRUE(Window().isVisible());
  form_->SetControlBox(true);
  frontend_->Sync();
  EXPECT_TRUE(Window().windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(Window().isVisible());
}

TEST_F(FrontendTest, MousePointerFollowsTheModel) {
  app_->screen.SetMousePointer(11);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  app_->screen.SetMousePointer(0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Counts the paint events each widget receives.
class PaintLog : public QObject {
 public:
  PaintLog() { QApplication::instance()->installEventFilter(this); }
  ~PaintLog() override { QApplication::instance()->removeEventFilter(this); }
  int PaintsOf(const QObject* widget) const { return paints_.count(widget) ? paints_.at(widget) : 0; }
  int Total() const {
    int n = 0;
    for (const auto& [widget, count] : paints_) n += count;
    return n;
  }
  void Clear() { paints_.clear(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_[watched];
    return QObject::eventFilter(watched, event);
  }

 private:
  std::map<const QObject*, int> paints_;
};

// Lets Qt deliver the repaints a sync asked for.
void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents(QEventLoop::AllEvents);
}

TEST_F(FrontendTest, ASyncRepaintsOnlyTheControlsThatChanged) {
  // A blinking text cursor would repaint its field by itself.
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  PaintLog log;
  Settle();
  log.Clear();
  form_->Label2.SetCaption(u"第４回　中山　１日目");
  frontend_->Sync();
  Settle();
  EXPECT_GT(log.PaintsOf(WidgetOf(form_->Label2)), 0);
  auto* grid = qobject_cast<QAbstractScrollArea*>(WidgetOf(form_->MSFlexGrid1));
  EXPECT_EQ(log.PaintsOf(grid->viewport()), 0);
  EXPECT_EQ(log.PaintsOf(WidgetOf(form_->Picture1)), 0);

  // A timer whose handler changes no control repaints nothing.
  log.Clear();
  form_->Timer1.SetInterval(10);
  frontend_->Sync();
  Settle();
  log.Clear();
  EXPECT_TRUE(RunUntil([&] { return form_->ticks >= 2; }));
  Settle();
  EXPECT_EQ(log.Total(), 0);
}

TEST_F(FrontendTest, AWidgetTheModelRefusesShowsTheModelAgain) {
  auto* line = qobject_cast<QLineEdit*>(WidgetOf(form_->Text1));
  ASSERT_NE(line, nullptr);
  form_->Text1.SetLocked(true);
  frontend_->Sync();
  // What the user typed reaches a locked box, which keeps its text; the field shows it again.
  line->setText(QStringLiteral("入力"));
  emit line->textEdited(QStringLiteral("入力"));
  EXPECT_EQ(form_->Text1.Text(), u"テキスト");
  EXPECT_EQ(line->text(), QStringLiteral("テキスト"));

  auto* list = qobject_cast<QListWidget*>(WidgetOf(form_->List1));
  form_->List1.SetEnabled(false);
  frontend_->Sync();
  list->setCurrentRow(2);
  EXPECT_EQ(form_->List1.ListIndex(), -1);
  EXPECT_EQ(list->currentRow(), -1);
}

TEST_F(FrontendTest, TextsKeepTheirSizeAndAreNotCut) {
  // A 9-point label only 150 twips (10 pixels) high grows to show its line.
  form_->Label2.SetHeight(150);
  frontend_->Sync();
  EXPECT_GE(WidgetOf(form_->Label2)->height(), 12);
  QFont font = MapFont(ui::Font{u"ＭＳ Ｐゴシック", 9, true, false, false});
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(font.pixelSize(), 12);
  EXPECT_TRUE(font.bold());
}

}  // namespace
}  // namespace desktop::testing
