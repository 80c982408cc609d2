#pragma once
// Printing of recorded printer documents: each document is one page on its paper size and orientation,
// in its scale (millimetres, twips, ...) from the top left of the printable area, texts anchored at
// their top left in the print face. The desktop sends documents to the system's default printer when one
// is configured and otherwise writes them to a new PDF file in the user's documents folder and says
// so in a box; a failure is told with the program's message box.

#include <QDateTime>
#include <QPageLayout>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "ui/desktop.h"
#include "ui/printer.h"

class QPainter;

namespace desktop {

// The page a document asks for, with the given margins in millimetres.
QPageLayout PageLayoutOf(const ui::PrintedDocument& doc, const QMarginsF& margins = {});
// Millimetres in one unit of a printer scale mode.
double MillimetresPerUnit(int scale_mode);
// Paints a document on a painter open on a page of its paper; the painter's origin is the top left of
// the printable area.
void RenderDocument(QPainter& painter, const ui::PrintedDocument& doc);
// Writes the documents, one page each, into a PDF file. Empty on success, else the reason it failed.
QString WritePdf(const std::filesystem::path& path, const std::vector<ui::PrintedDocument>& docs);
// A file name in folder for a printout made at `when`, which says what it is and when it was made and
// never names anything that exists already (a dangling link included).
std::filesystem::path PrintoutFileName(const std::filesystem::path& folder, const QDateTime& when);
// Where printouts go without a printer: the user's documents folder, else the home folder; never the
// folder the program was started from, which may be read-only or a source tree.
std::filesystem::path PrintoutFolder();
// A path as a message shows it.
QString PathText(const std::filesystem::path& path);

// Where ended documents go on the desktop.
class DesktopPrinting {
 public:
  // Shows the user a text of the desktop's own (not one of the program's message boxes).
  using Notice = std::function<void(const QString& text)>;
  // folder: where printouts go as PDF files when no printer is configured (or use_printer is false);
  // notice tells the user, once per printout, which file it went to.
  DesktopPrinting(ui::Desktop& desktop, std::filesystem::path folder, Notice notice, bool use_printer = true);
  void Print(const ui::PrintedDocument& doc);

 private:
  // Empty on success, else the reason; names the printer it used.
  QString PrintOnDefaultPrinter(const ui::PrintedDocument& doc, QString& printer_name);

  ui::Desktop& desktop_;
  std::filesystem::path folder_;
  Notice notice_;
  bool use_printer_;
};

// Collects every document ended from now on into one PDF file, written anew as each one ends.
class PdfCollector {
 public:
  PdfCollector(ui::Desktop& desktop, std::filesystem::path path)
      : desktop_(desktop), path_(std::move(path)) {}
  void Add(const ui::PrintedDocument& doc);

 private:
  ui::Desktop& desktop_;
  std::filesystem::path path_;
  std::vector<ui::PrintedDocument> docs_;
};

}  // namespace desktop
