#include "ui/printer.h"

namespace ui {

void Printer::SetScaleMode(int mode) {
  scale_mode_ = mode;
}
void Printer::SetPaperSize(int size) {
  paper_size_ = size;
}
void Printer::SetOrientation(int orientation) {
  orientation_ = orientation;
}
void Printer::SetFontSize(double points) {
  font_size_ = points;
}

double Printer::LineHeight() const {
  // One line is the font's height: points in twips, expressed in the current scale.
  return TwipsToScale(font_size_ * 20, scale_mode_);
}

void Printer::Print(const Text& text) {
  DrawOp op;
  op.kind = DrawOpKind::kText;
  op.x1 = current_x_;
  op.y1 = current_y_;
  op.text = text;
  op.font_size = font_size_;
  pending_.push_back(op);
  current_x_ = 0;
  current_y_ += LineHeight();
}

void Printer::Line(double x1, double y1, double x2, double y2) {
  DrawOp op;
  op.kind = DrawOpKind::kLine;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  pending_.push_back(op);
  current_x_ = x2;
  current_y_ = y2;
}

void Printer::EndDoc() {
  if (pending_.empty()) return;
  PrintedDocument doc{scale_mode_, paper_size_, orientation_, font_size_, std::move(pending_)};
  pending_.clear();
  current_x_ = 0;
  current_y_ = 0;
  documents_.push_back(std::move(doc));
  if (sink_) sink_(documents_.back());
}

}  // namespace ui
