#pragma once
// Printing of recorded printer documents: each document is one page on its paper size and orientation,
// in its scale (millimetres, twips, ...) from the top left of the printable area, texts anchored at
// their top left in the CJK font. The desktop sends documents to the system's default printer when one
// is configured and otherwise writes them to a new PDF file; a failure is told with a message box.

#include <QDateTime>
#include <QPageLayout>
#include <QString>
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
QString WritePdf(const QString& path, const std::vector<ui::PrintedDocument>& docs);
// A file name in folder for a printout made at `when`, which says what it is and when it was made and
// never names a file that exists already.
QString PrintoutFileName(const QString& folder, const QDateTime& when);

// Where ended documents go on the desktop.
class DesktopPrinting {
 public:
  // folder: where printouts go as PDF files when no printer is configured (or use_printer is false).
  DesktopPrinting(ui::Desktop& desktop, QString folder, bool use_printer = true);
  void Print(const ui::PrintedDocument& doc);

 private:
  // Empty on success, else the reason; names the printer it used.
  QString PrintOnDefaultPrinter(const ui::PrintedDocument& doc, QString& printer_name);

  ui::Desktop& desktop_;
  QString folder_;
  bool use_printer_;
};

// Collects every document ended from now on into one PDF file, written anew as each one ends.
class PdfCollector {
 public:
  PdfCollector(ui::Desktop& desktop, QString path) : desktop_(desktop), path_(std::move(path)) {}
  void Add(const ui::PrintedDocument& doc);

 private:
  ui::Desktop& desktop_;
  QString path_;
  std::vector<ui::PrintedDocument> docs_;
};

}  // namespace desktop
