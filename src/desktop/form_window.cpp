#include "desktop/form_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstring>
#include <functional>

#include "desktop/drawing_image.h"
#include "desktop/painting.h"
#include "ui/capabilities.h"
#include "ui/controls.h"

namespace desktop {

namespace {

// The platform's frame metrics: a sizing border of 4 pixels, a fixed one of 3, a caption bar of 19
// (a tool window's of 16) and a menu bar of 19.
constexpr int kSizingBorder = 4;
constexpr int kFixedBorder = 3;
constexpr int kCaption = 19;
constexpr int kToolCaption = 16;
constexpr int kMenuBar = 19;

bool HasVisibleMenuBar(const ui::Form& form) {
  for (const ui::Menu* m : form.MenuBar())
    if (m->Visible()) return true;
  return false;
}

Qt::WindowFlags TitleBarFlagsOf(int border_style) {
  Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  switch (border_style) {
    case 0:
      return Qt::Window | Qt::FramelessWindowHint;
    case 1:
      return Qt::Window | common | Qt::WindowCloseButtonHint;
    case 3:
      return Qt::Dialog | common | Qt::WindowCloseButtonHint;
    case 4:
    case 5:
      return Qt::Tool | common | Qt::WindowCloseButtonHint;
    default:
      return Qt::Window | common | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  }
}

// A window without a control box keeps its title but has no menu or buttons on it.
Qt::WindowFlags FlagsOf(const ui::Form& form) {
  Qt::WindowFlags flags = TitleBarFlagsOf(form.BorderStyle());
  if (!form.ControlBox()) {
    flags &= ~(Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  }
  return flags;
}

// The platform's menu bar is 19 pixels high; Qt's items are taller than that with the CJK font's line
// height, and items that do not fit would be folded away.
class CompactMenuBarStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_MenuBarVMargin || metric == PM_MenuBarPanelWidth) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuBarItem) s.setHeight(std::min(s.height(), kMenuBar));
    return s;
  }
};

// The window's client area: its back colour and what was drawn on it, as one image made when the
// window changes (a background of thousands of lines is drawn once, not on every paint).
class FormSurface : public QWidget {
 public:
  FormSurface(ui::Form& form, QWidget* parent) : QWidget(parent), form_(&form) {}
  void Detach() { form_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (form_ == nullptr) return;
    if (!drawn_ || drawn_change_ != form_->LastOwnChange() || image_.size() != size()) {
      image_ = DrawingImage(form_->Drawing().Ops(), form_->Drawing().ScaleMode(), form_->Font(),
                            ToQColor(form_->BackColor()), size());
      drawn_ = true;
      drawn_change_ = form_->LastOwnChange();
    }
    QPainter p(this);
    p.drawImage(0, 0, image_);
  }

 private:
  ui::Form* form_;
  QImage image_;
  // The window's change stamp the image was drawn at.
  bool drawn_ = false;
  uint64_t drawn_change_ = 0;
};

void DrawWindowEdge(QPainter& p, const QRect& r) {
  p.setPen(ToQColor(0x80000016));  // 3D light
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(ToQColor(0x80000015));  // dark shadow
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  QRect inner = r.adjusted(1, 1, -1, -1);
  p.setPen(ToQColor(0x80000014));  // highlight
  p.drawLine(inner.topLeft(), inner.topRight());
  p.drawLine(inner.topLeft(), inner.bottomLeft());
  p.setPen(ToQColor(0x80000010));  // shadow
  p.drawLine(inner.bottomLeft(), inner.bottomRight());
  p.drawLine(inner.topRight(), inner.bottomRight());
}

// A caption button with a cross, a bar or a box on it.
void DrawCaptionButton(QPainter& p, const QRect& r, char glyph) {
  p.fillRect(r, ToQColor(ui::colors::kButtonFace));
  DrawWindowEdge(p, r);
  p.setPen(QPen(Qt::black, 1));
  QRect g = r.adjusted(4, 3, -5, -4);
  if (glyph == 'x') {
    p.drawLine(g.topLeft(), g.bottomRight());
    p.drawLine(g.topLeft() + QPoint(1, 0), g.bottomRight() + QPoint(1, 0));
    p.drawLine(g.bottomLeft(), g.topRight());
    p.drawLine(g.bottomLeft() + QPoint(1, 0), g.topRight() + QPoint(1, 0));
  } else if (glyph == '_') {
    p.fillRect(QRect(g.left(), g.bottom() - 1, 6, 2), Qt::black);
  } else {
    p.drawRect(g);
    p.drawLine(g.topLeft() + QPoint(0, 1), g.topRight() + QPoint(0, 1));
  }
}

}  // namespace

NonClient NonClientOf(const ui::Form& form) {
  NonClient nc;
  switch (form.BorderStyle()) {
    case 0:
      break;
    case 2:
    case 5:
      nc.border = kSizingBorder;
      nc.caption = form.BorderStyle() == 5 ? kToolCaption : kCaption;
      break;
    case 4:
      nc.border = kFixedBorder;
      nc.caption = kToolCaption;
      break;
    default:
      nc.border = kFixedBorder;
      nc.caption = kCaption;
      break;
  }
  nc.menu = HasVisibleMenuBar(form) ? kMenuBar : 0;
  return nc;
}

FormWindow::FormWindow(ui::Form& form, Dispatcher& dispatcher, bool on_screen)
    : QWidget(nullptr, FlagsOf(form)),
      form_(&form),
      dispatcher_(dispatcher),
      on_screen_(on_screen),
      title_bar_flags_(FlagsOf(form)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  surface_ = new FormSurface(form, this);
  BuildMenus();
  BuildControls();
}

FormWindow::~FormWindow() {
  // Widgets going away may still signal (focus moving on); nothing may reach the model then.
  form_ = nullptr;
  views_.clear();
}

void FormWindow::Dispatch(const std::function<void()>& action) {
  if (form_ == nullptr) return;
  user_acted_ = true;
  dispatcher_.Dispatch(action);
}

void FormWindow::BuildMenus() {
  std::vector<ui::Menu*> bar = form_->MenuBar();
  if (bar.empty()) return;
  menu_bar_ = new QMenuBar(this);
  menu_bar_->setNativeMenuBar(false);
  auto* style = new CompactMenuBarStyle(QStyleFactory::create(QStringLiteral("Windows")));
  style->setParent(menu_bar_);
  menu_bar_->setStyle(style);
  std::function<void(ui::Menu*, QWidget*)> add = [&](ui::Menu* m, QWidget* container) {
    if (!m->Items().empty()) {
      auto* menu = new QMenu(container);
      container->addAction(menu->menuAction());
      menus_.push_back({m, menu->menuAction(), menu});
      // Opening a menu is its click, as on the platform.
      connect(menu, &QMenu::aboutToShow, this, [this, m] { Dispatch([m] { m->UserClick(); }); });
      for (ui::Menu* item : m->Items()) add(item, menu);
    } else {
      auto* action = new QAction(container);
      container->addAction(action);
      menus_.push_back({m, action, nullptr});
      connect(action, &QAction::triggered, this, [this, m] { Dispatch([m] { m->UserClick(); }); });
    }
  };
  for (ui::Menu* m : bar) add(m, menu_bar_);
}

void FormWindow::BuildControls() {
  // Frames are declared before what they hold, so a container's widget always exists already.
  auto parent_of = [this](const ui::Control& c) -> QWidget* {
    if (c.Container() == nullptr) return surface_;
    QWidget* frame = WidgetOf(*c.Container());
    return frame != nullptr ? frame : surface_;
  };
  for (ui::Control* c : form_->Controls()) {
    if (ui::Tickable* model = c->AsTickable()) {
      if (!on_screen_) continue;
      auto* timer = new QTimer(this);
      connect(timer, &QTimer::timeout, this, [this, model] { Dispatch([model] { model->Tick(); }); });
      timers_.push_back({model, timer});
      continue;
    }
    std::unique_ptr<ControlView> view = MakeControlView(*c, parent_of(*c), *this);
    if (view) views_.push_back(std::move(view));
  }
  // Labels, shapes and lines lie on their container's surface, beneath every other control.
  for (auto it = views_.rbegin(); it != views_.rend(); ++it)
    if ((*it)->Lightweight()) (*it)->Widget()->lower();
}

QWidget* FormWindow::WidgetOf(const ui::Control& control) const {
  for (const auto& view : views_)
    if (&view->Model() == &control) return view->Widget();
  return nullptr;
}

QAction* FormWindow::ActionOf(const ui::Menu& menu) const {
  for (const MenuEntry& entry : menus_)
    if (entry.model == &menu) return entry.action;
  return nullptr;
}

void FormWindow::Detach() {
  form_ = nullptr;
  for (TimerEntry& t : timers_) t.timer->stop();
  timers_.clear();
  static_cast<FormSurface*>(surface_)->Detach();
  // The control widgets still point at the model; hidden, they paint no more.
  surface_->hide();
}

void FormWindow::Sync() {
  if (form_ == nullptr) return;
  if (synced_ && !user_acted_ && form_->LastChange() == synced_stamp_) return;
  // Everything on the first sync; afterwards what changed after the stamp of the last one.
  const bool everything = !synced_;
  const uint64_t since = synced_stamp_;
  synced_ = true;
  synced_stamp_ = form_->LastChange();
  user_acted_ = false;
  SyncFrame();
  SyncMenus();
  for (const auto& view : views_)
    if (everything || view->Stale(since)) view->Sync();
  SyncTimers();
  if (everything || form_->LastOwnChange() > since) surface_->update();
  SyncVisibility();
  const ui::Control* active = form_->ActiveControl();
  if (active != focused_) {
    focused_ = active;
    if (QWidget* w = active != nullptr ? WidgetOf(*active) : nullptr) w->setFocus(Qt::OtherFocusReason);
  }
}

void FormWindow::SyncFrame() {
  // New title bar flags hide the window; SyncVisibility shows it again.
  if (const Qt::WindowFlags flags = FlagsOf(*form_); flags != title_bar_flags_) {
    title_bar_flags_ = flags;
    setWindowFlags(flags | Qt::Window);
  }
  QString caption = ToQString(form_->Caption());
  if (windowTitle() != caption) setWindowTitle(caption);
  NonClient nc = NonClientOf(*form_);
  int outer_width = TwipsToPixels(form_->Width()), outer_height = TwipsToPixels(form_->Height());
  QSize client(std::max(1, outer_width - 2 * nc.border),
               std::max(1, outer_height - 2 * nc.border - nc.caption));
  if (size() != client || minimumSize() != client || maximumSize() != client) setFixedSize(client);
  // The client area goes where the platform puts it, inside its border and caption bar, whatever frame
  // the window manager draws around it. It is placed when the model moves the window, so that a window
  // the user dragged stays there.
  if (form_->Left() != placed_left_ || form_->Top() != placed_top_) {
    placed_left_ = form_->Left();
    placed_top_ = form_->Top();
    QPoint origin(TwipsToPixels(placed_left_) + nc.border,
                  TwipsToPixels(placed_top_) + nc.border + nc.caption);
    setGeometry(QRect(origin, client));
  }
  if (menu_bar_ != nullptr) {
    QRect bar(0, 0, client.width(), nc.menu);
    if (menu_bar_->geometry() != bar) menu_bar_->setGeometry(bar);
    if (menu_bar_->isHidden() == (nc.menu > 0)) menu_bar_->setVisible(nc.menu > 0);
  }
  QRect area(0, nc.menu, client.width(), std::max(0, client.height() - nc.menu));
  if (surface_->geometry() != area) surface_->setGeometry(area);
  if (testAttribute(Qt::WA_Disabled) == form_->Enabled()) setEnabled(form_->Enabled());
  QFont font = MapFont(form_->Font());
  if (menu_bar_ != nullptr && menu_bar_->font() != font) menu_bar_->setFont(font);
}

void FormWindow::SyncMenus() {
  for (MenuEntry& entry : menus_) {
    const ui::Menu& m = *entry.model;
    QAction* a = entry.action;
    QString text = ToQString(m.Caption());
    if (a->isSeparator() != m.IsSeparator()) a->setSeparator(m.IsSeparator());
    if (a->text() != text) a->setText(text);
    if (a->isEnabled() != m.Enabled()) a->setEnabled(m.Enabled());
    if (a->isVisible() != m.Visible()) a->setVisible(m.Visible());
    if (a->isCheckable() != m.Checked()) a->setCheckable(m.Checked());
    if (a->isChecked() != m.Checked()) a->setChecked(m.Checked());
    QKeySequence keys =
        QKeySequence::fromString(QString::fromStdString(m.Shortcut()), QKeySequence::PortableText);
    if (a->shortcut() != keys) a->setShortcut(keys);
  }
}

void FormWindow::SyncTimers() {
  for (TimerEntry& t : timers_) {
    bool running = t.model->Running();
    if (running && (!t.timer->isActive() || t.timer->interval() != t.model->Interval())) {
      t.timer->start(t.model->Interval());
    } else if (!running && t.timer->isActive()) {
      t.timer->stop();
    }
  }
}

void FormWindow::SyncVisibility() {
  if (!on_screen_) return;
  bool wanted = form_->Visible() && form_->Loaded();
  if (wanted && !isVisible()) {
    show();
    raise();
    activateWindow();
  } else if (!wanted && isVisible()) {
    hide();
  }
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (!on_screen_ || form_ == nullptr) {
    event->accept();
    return;
  }
  // The model decides: closing is unloading, and the frontend removes the window afterwards.
  event->ignore();
  ui::Form* form = form_;
  dispatcher_.Dispatch([form] { form->UserClose(); });
}

QImage FormWindow::Render() {
  if (form_ != nullptr) Sync();
  NonClient nc = form_ != nullptr ? NonClientOf(*form_) : NonClient{};
  int outer_width = width() + 2 * nc.border, outer_height = height() + 2 * nc.border + nc.caption;
  QImage image(outer_width, outer_height, QImage::Format_RGB32);
  image.fill(ToQColor(ui::colors::kButtonFace));
  QPainter p(&image);
  if (nc.border > 0) DrawWindowEdge(p, QRect(0, 0, outer_width, outer_height).adjusted(0, 0, -1, -1));
  if (nc.caption > 0) {
    QRect bar(nc.border, nc.border, outer_width - 2 * nc.border, nc.caption - 1);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(0, 0, 128));
    gradient.setColorAt(1, QColor(16, 132, 208));
    p.fillRect(bar, gradient);
    int button_width = nc.caption - 3, button_height = nc.caption - 5;
    QRect button(bar.right() + 1, bar.top() + 2, button_width, button_height);
    int text_right = bar.right() - 1;
    if (windowFlags() & Qt::WindowCloseButtonHint) {
      button.moveLeft(bar.right() - 1 - button_width);
      DrawCaptionButton(p, button, 'x');
      text_right = button.left() - 2;
    }
    if (windowFlags() & Qt::WindowMinimizeButtonHint) {
      button.translate(-button_width - 2, 0);
      DrawCaptionButton(p, button, '_');
      text_right = button.left() - 2;
    }
    ui::Font caption_font;
    caption_font.bold = true;
    TextLook look{MapFont(caption_font), Qt::white, Qt::AlignLeft | Qt::AlignVCenter, false, false};
    DrawText(p, QRect(bar.left() + 3, bar.top(), text_right - bar.left() - 3, bar.height()), windowTitle(),
             look);
  }
  render(&p, QPoint(nc.border, nc.border + nc.caption), QRegion(),
         QWidget::DrawWindowBackground | QWidget::DrawChildren);
  return image;
}

}  // namespace desktop
