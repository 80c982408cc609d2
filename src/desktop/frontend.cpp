#include "desktop/frontend.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QWindow>
#include <iostream>

#include "desktop/message_boxes.h"
#include "desktop/painting.h"
#include "desktop/picture_store.h"
#include "desktop/printing.h"

namespace desktop {

namespace {

Qt::CursorShape CursorOf(int pointer) {
  switch (pointer) {
    case ui::pointer::kCross:
      return Qt::CrossCursor;
    case ui::pointer::kIBeam:
      return Qt::IBeamCursor;
    case ui::pointer::kHourglass:
      return Qt::WaitCursor;
    case ui::pointer::kNoDrop:
      return Qt::ForbiddenCursor;
    case ui::pointer::kArrowHourglass:
      return Qt::BusyCursor;
    case ui::pointer::kSizeAll:
      return Qt::SizeAllCursor;
    default:
      return Qt::ArrowCursor;
  }
}

}  // namespace

}  // namespace desktop

// For the sanitizer build's leak check: fontconfig keeps its caches for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
extern "C" const char* __lsan_default_options() {
  return "print_suppressions=0";
}

namespace desktop {

void ConfigureApplication(QApplication& application) {
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) application.setStyle(style);
  application.setPalette(StandardPalette());
  application.setFont(MapFont(ui::Font{}));
  application.setQuitOnLastWindowClosed(false);
  application.setApplicationName(QStringLiteral("Tarvelo"));
}

Frontend::Frontend(ui::Desktop& desktop, bool quit_when_done)
    : desktop_(desktop), quit_when_done_(quit_when_done) {
  desktop_.SetUnloadWatcher([this](ui::Form& form) { Unloaded(form); });
  desktop_.screen.SetPointerWatcher([this](int pointer) { ApplyPointer(pointer); });
}

Frontend::~Frontend() {
  desktop_.SetUnloadWatcher({});
  desktop_.screen.SetPointerWatcher({});
  if (printing_) desktop_.printer.SetSink({});
  ApplyPointer(ui::pointer::kDefault);
  for (auto& [form, window] : windows_) {
    window->Detach();
    delete window;
  }
}

void Frontend::UseDesktopServices(const std::filesystem::path& print_folder) {
  desktop_.SetMessageBoxService(std::make_unique<DialogMessageBoxes>([this] { Sync(); }));
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QSize size = screen->size();
    desktop_.screen.SetSizePixels(size.width(), size.height());
  }
  desktop_.SetPictureStore(std::make_unique<ImagePictureStore>());
  // The program keeps its picture files beside itself (else in the user's data folder).
  desktop_.SetProgramFolder(FromQString(QCoreApplication::applicationDirPath()));
  printing_ = std::make_unique<DesktopPrinting>(desktop_, print_folder, [this](const QString& text) {
    Sync();
    ShowNotice(text);
  });
  desktop_.printer.SetSink([this](const ui::PrintedDocument& doc) { printing_->Print(doc); });
}

void Frontend::Dispatch(const std::function<void()>& action) {
  ++depth_;
  try {
    // One user action is one event: a window it unloads is destroyed only after all of it has run.
    ui::Desktop::EventScope scope(desktop_);
    action();
  } catch (const std::exception& e) {
    // A fault in a handler must not take the program down; it is left for the developer to see.
    std::cerr << "tarvelo: " << e.what() << '\n';
  }
  --depth_;
  Sync();
}

FormWindow* Frontend::WindowOf(const ui::Form& form) const {
  auto it = windows_.find(&form);
  return it != windows_.end() ? it->second : nullptr;
}

void Frontend::Sync() {
  if (syncing_) return;
  syncing_ = true;
  for (ui::Form* form : desktop_.LoadedForms()) {
    FormWindow*& window = windows_[form];
    if (window == nullptr) window = new FormWindow(*form, *this, true);
    // An owned window stays in front of its owner.
    if (const ui::Form* owner = form->Owner(); owner != nullptr && form->Visible()) {
      FormWindow* owner_window = WindowOf(*owner);
      if (owner_window != nullptr && owner_window != window) {
        window->winId();
        owner_window->winId();
        if (window->windowHandle()->transientParent() != owner_window->windowHandle())
          window->windowHandle()->setTransientParent(owner_window->windowHandle());
      }
    }
    window->Sync();
  }
  ApplyPointer(desktop_.screen.MousePointer());
  syncing_ = false;
  if (quit_when_done_ && !desktop_.Running()) QCoreApplication::quit();
}

void Frontend::Unloaded(ui::Form& form) {
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* window = it->second;
  windows_.erase(it);
  window->Detach();
  window->hide();
  // The window may be the one whose button or timer is running this very event.
  if (depth_ > 0 || desktop_.InEvent()) {
    window->deleteLater();
  } else {
    delete window;
  }
}

void Frontend::ApplyPointer(int pointer) {
  if (pointer == pointer_) return;
  if (pointer_ != ui::pointer::kDefault) QGuiApplication::restoreOverrideCursor();
  if (pointer != ui::pointer::kDefault) QGuiApplication::setOverrideCursor(QCursor(CursorOf(pointer)));
  pointer_ = pointer;
}

}  // namespace desktop
