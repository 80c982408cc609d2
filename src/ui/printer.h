#pragma once
// The printer records documents: the settings as they stand when a document ends, the settings made
// for it in the order they were made, and every print and line call in order. The frontend renders ended
// documents; tests assert on the record.

#include <functional>
#include <vector>

#include "ui/picture.h"

namespace ui {

// Scale modes, paper sizes and orientations as the platform numbers them.
enum PrinterScale { kScaleTwips = 1, kScalePoints = 2, kScalePixels = 3, kScaleMillimeters = 6 };
enum PaperSizeValue { kPaperLetter = 1, kPaperA4 = 9, kPaperB4 = 12 };
enum OrientationValue { kPortrait = 1, kLandscape = 2 };

// A fixed text of a printed form and the top left it is printed at.
struct PlacedText {
  Text text;
  double x, y;
};

// One setting made on the printer, kept so that a form's set-up order can be checked.
struct PrinterSetting {
  enum Kind { kScaleMode, kPaperSize, kOrientation, kFontSize };
  Kind kind;
  double value;
  bool operator==(const PrinterSetting&) const = default;
};
const char* PrinterSettingName(PrinterSetting::Kind kind);

struct PrintedDocument {
  int scale_mode = kScaleTwips;
  int paper_size = kPaperA4;
  int orientation = kPortrait;
  double font_size = 9;
  // Texts (kind kText, top left in x1, y1) and lines, in the document's scale.
  std::vector<DrawOp> ops;
  // The settings made since the document before it ended, in order.
  std::vector<PrinterSetting> settings;
};

class Printer {
 public:
  int ScaleMode() const { return page_.ScaleMode(); }
  void SetScaleMode(int mode);
  int PaperSize() const { return paper_size_; }
  void SetPaperSize(int size);
  int Orientation() const { return orientation_; }
  void SetOrientation(int orientation);
  double FontSize() const { return page_.FontSize(); }
  void SetFontSize(double points);
  double CurrentX() const { return page_.CurrentX(); }
  double CurrentY() const { return page_.CurrentY(); }
  void SetCurrentX(double x) { page_.SetCurrentX(x); }
  void SetCurrentY(double y) { page_.SetCurrentY(y); }

  // Prints text with its top left at the current position, then moves to the start of the next line.
  void Print(const Text& text) { page_.Print(text); }
  // Sets the current position, then prints text there: how a form places each of its texts.
  void PrintAt(double x, double y, const Text& text) {
    SetCurrentX(x);
    SetCurrentY(y);
    Print(text);
  }
  void PrintAt(const PlacedText& placed) { PrintAt(placed.x, placed.y, placed.text); }
  // A line with the default pen; the current position moves to (x2, y2).
  void Line(double x1, double y1, double x2, double y2) { page_.Line(x1, y1, x2, y2); }
  // Ends the document: it is recorded with the present settings and handed to the sink. A document
  // without any operation prints nothing.
  void EndDoc();

  // Documents ended so far, in order.
  const std::vector<PrintedDocument>& Documents() const { return documents_; }
  // The operations of the document in progress.
  const std::vector<DrawOp>& PendingOps() const { return page_.Ops(); }
  // Called with each ended document (the frontend prints it).
  void SetSink(std::function<void(const PrintedDocument&)> sink) { sink_ = std::move(sink); }

 private:
  int paper_size_ = kPaperA4;
  int orientation_ = kPortrait;
  std::vector<PrinterSetting> settings_;
  // The document in progress, drawn with the default pen in the system font's size.
  Canvas page_;
  std::vector<PrintedDocument> documents_;
  std::function<void(const PrintedDocument&)> sink_;
};

}  // namespace ui
