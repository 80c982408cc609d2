#include "desktop/printing.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>

#include "desktop/painting.h"
#include "ui/frame_file.h"

namespace desktop {

namespace {

// Rules are drawn a tenth of a millimetre wide: the platform's one printer dot is too thin to see on a
// high-resolution page.
constexpr double kLineWidthMm = 0.1;

QPageSize::PageSizeId PageSizeIdOf(int paper_size) {
  switch (paper_size) {
    case 1:
    case 2:
      return QPageSize::Letter;
    case 3:
      return QPageSize::Tabloid;
    case 4:
      return QPageSize::Ledger;
    case 5:
      return QPageSize::Legal;
    case 7:
      return QPageSize::Executive;
    case 8:
      return QPageSize::A3;
    case 11:
      return QPageSize::A5;
    case ui::kPaperB4:
      return QPageSize::JisB4;
    case 13:
      return QPageSize::JisB5;
    default:
      return QPageSize::A4;
  }
}

QPageLayout::Orientation OrientationOf(int orientation) {
  return orientation == ui::kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Tells the user that a printout could not be made, naming where it was to go and why.
void ReportPrintFailure(ui::Desktop& desktop, const QString& target_label, const QString& target,
                        const QString& reason) {
  ui::Text text = FromQString(
      QStringLiteral("印刷できませんでした。\n%1：%2\n理由：%3").arg(target_label, target, reason));
  desktop.MsgBox(text, ui::kOkOnly | ui::kExclamation);
}

// Writes bytes into a file named by the file system's own bytes (a name need not be UTF-8). Empty on
// success, else the reason, worded as Qt's file errors are.
QString WriteFileBytes(const std::filesystem::path& path, const QByteArray& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return qt_error_string(errno);
  if (!ui::WriteAll(fd, {bytes.constData(), static_cast<size_t>(bytes.size())})) {
    const int error = errno;
    ::close(fd);
    return qt_error_string(error);
  }
  if (::close(fd) != 0) return qt_error_string(errno);
  return {};
}

// Anything at all at path, a link that leads nowhere included.
bool Taken(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

bool IsFolder(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  return QFile::encodeName(QDir::homePath()).toStdString();
}

}  // namespace

QPageLayout PageLayoutOf(const ui::PrintedDocument& doc, const QMarginsF& margins) {
  return QPageLayout(QPageSize(PageSizeIdOf(doc.paper_size)), OrientationOf(doc.orientation), margins,
                     QPageLayout::Millimeter);
}

double MillimetresPerUnit(int scale_mode) {
  switch (scale_mode) {
    case ui::kScalePoints:
      return 25.4 / 72;
    case ui::kScalePixels:
      return 25.4 / 96;
    case 5:
      return 25.4;  // inches
    case ui::kScaleMillimeters:
      return 1;
    case 7:
      return 10;  // centimetres
    default:
      return 25.4 / 1440;  // twips
  }
}

void RenderDocument(QPainter& painter, const ui::PrintedDocument& doc) {
  double dots_per_mm = painter.device()->logicalDpiX() / 25.4;
  double dots_per_point = painter.device()->logicalDpiY() / 72.0;
  double k = MillimetresPerUnit(doc.scale_mode) * dots_per_mm;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QPen pen(Qt::black);
  pen.setWidthF(kLineWidthMm * dots_per_mm);
  pen.setCapStyle(Qt::SquareCap);
  QString family = PrintFamily();
  for (const ui::DrawOp& op : doc.ops) {
    switch (op.kind) {
      case ui::DrawOpKind::kText: {
        QFont font(family);
        font.setPointSizeF(op.font_size > 0 ? op.font_size : doc.font_size);
        painter.setFont(font);
        painter.setPen(ToQColor(op.color));
        double em = font.pointSizeF() * dots_per_point;
        painter.drawText(QPointF(op.x1 * k, op.y1 * k + em * kBaselineShare), ToQString(op.text));
        break;
      }
      case ui::DrawOpKind::kLine:
        painter.setPen(pen);
        painter.drawLine(QPointF(op.x1 * k, op.y1 * k), QPointF(op.x2 * k, op.y2 * k));
        break;
      case ui::DrawOpKind::kBox: {
        QRectF box = QRectF(QPointF(op.x1 * k, op.y1 * k), QPointF(op.x2 * k, op.y2 * k)).normalized();
        painter.setPen(pen);
        painter.setBrush(op.filled ? QBrush(ToQColor(op.color)) : QBrush(Qt::NoBrush));
        painter.drawRect(box);
        break;
      }
    }
  }
  painter.restore();
}

QString WritePdf(const std::filesystem::path& path, const std::vector<ui::PrintedDocument>& docs) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tarvelo"));
    writer.setTitle(QStringLiteral("Tarvelo printout"));
    writer.setResolution(1200);
    if (!docs.empty()) writer.setPageLayout(PageLayoutOf(docs.front()));
    QPainter painter;
    if (!painter.begin(&writer)) return QStringLiteral("the PDF could not be started");
    for (size_t i = 0; i < docs.size(); ++i) {
      if (i > 0) {
        writer.setPageLayout(PageLayoutOf(docs[i]));
        writer.newPage();
      }
      RenderDocument(painter, docs[i]);
    }
    painter.end();
  }
  return WriteFileBytes(path, pdf);
}

std::filesystem::path PrintoutFileName(const std::filesystem::path& folder, const QDateTime& when) {
  const std::string stem =
      "Tarvelo-printout-" + when.toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
  std::filesystem::path path = folder / (stem + ".pdf");
  for (int n = 2; Taken(path); ++n) path = folder / (stem + "-" + std::to_string(n) + ".pdf");
  return path;
}

std::filesystem::path PrintoutFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty()) {
    std::filesystem::path folder = QFile::encodeName(documents).toStdString();
    if (IsFolder(folder)) return folder;
  }
  return HomeFolder();
}

QString PathText(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

DesktopPrinting::DesktopPrinting(ui::Desktop& desktop, std::filesystem::path folder, Notice notice,
                                 bool use_printer)
    : desktop_(desktop), folder_(std::move(folder)), notice_(std::move(notice)), use_printer_(use_printer) {}

void DesktopPrinting::Print(const ui::PrintedDocument& doc) {
  if (use_printer_ && !QPrinterInfo::defaultPrinter().isNull()) {
    QString printer_name;
    QString reason = PrintOnDefaultPrinter(doc, printer_name);
    if (!reason.isEmpty()) ReportPrintFailure(desktop_, QStringLiteral("プリンタ"), printer_name, reason);
    return;
  }
  const std::filesystem::path path = PrintoutFileName(folder_, QDateTime::currentDateTime());
  QString reason = WritePdf(path, {doc});
  if (!reason.isEmpty()) {
    ReportPrintFailure(desktop_, QStringLiteral("ファイル"), PathText(path), reason);
    return;
  }
  std::cerr << "tarvelo: no printer is configured; the printout was written to " << path.native() << '\n';
  if (notice_) {
    notice_(QStringLiteral("プリンタが設定されていないため、印刷をファイルに保存しました。\nファイル：%1")
                .arg(PathText(path)));
  }
}

QString DesktopPrinting::PrintOnDefaultPrinter(const ui::PrintedDocument& doc, QString& printer_name) {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  printer_name = info.printerName();
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Tarvelo"));
  printer.setPageSize(QPageSize(PageSizeIdOf(doc.paper_size)));
  printer.setPageOrientation(OrientationOf(doc.orientation));
  QPainter painter;
  if (!painter.begin(&printer)) return QStringLiteral("the print job could not be started");
  RenderDocument(painter, doc);
  if (!painter.end() || printer.printerState() == QPrinter::Error)
    return QStringLiteral("the printer reported an error");
  return {};
}

void PdfCollector::Add(const ui::PrintedDocument& doc) {
  docs_.push_back(doc);
  QString reason = WritePdf(path_, docs_);
  if (!reason.isEmpty()) ReportPrintFailure(desktop_, QStringLiteral("ファイル"), PathText(path_), reason);
}

}  // namespace desktop
