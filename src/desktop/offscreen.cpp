#include "desktop/offscreen.h"

#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "desktop/form_window.h"
#include "desktop/frontend.h"
#include "desktop/printing.h"

namespace desktop {

namespace {

// Pictures are taken of the model as it stands; a picture takes no user input.
class NoInput : public Dispatcher {
 public:
  void Dispatch(const std::function<void()>&) override {}
};

// Qt's chatter (missing runtime folders and the like) would mix with the driver's own messages.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  static int argc = 1;
  static char name[] = "tarvelo-script";
  static char* argv[] = {name, nullptr};
  // Lives until the process ends; the driver never tears Qt down.
  static QApplication* application = new QApplication(argc, argv);
  ConfigureApplication(*application);
}

}  // namespace

std::string ShotWindow(ui::Desktop& desktop, const std::string& form_name, const std::string& png_path) {
  ui::Form* form = desktop.FindLoaded(form_name);
  if (form == nullptr) return "window \"" + form_name + "\" is not loaded";
  EnsureApplication();
  NoInput no_input;
  FormWindow window(*form, no_input, false);
  window.Sync();
  QImage image = window.Render();
  QString path = QString::fromStdString(png_path);
  if (!image.save(path, "PNG")) return "cannot write " + png_path;
  return {};
}

std::string PrintTo(ui::Desktop& desktop, const std::string& pdf_path) {
  EnsureApplication();
  // The name as the file system has it, byte for byte: it need not be UTF-8.
  std::error_code error;
  const std::filesystem::path file = std::filesystem::absolute(pdf_path, error);
  const std::filesystem::path folder = file.parent_path();
  if (error || !std::filesystem::is_directory(folder, error))
    return "cannot write " + pdf_path + ": no such folder";
  const bool exists = std::filesystem::exists(file, error);
  if (::access((exists ? file : folder).c_str(), W_OK) != 0)
    return "cannot write " + pdf_path + ": not writable";
  auto collector = std::make_shared<PdfCollector>(desktop, file);
  desktop.printer.SetSink([collector](const ui::PrintedDocument& doc) { collector->Add(doc); });
  return {};
}

}  // namespace desktop
