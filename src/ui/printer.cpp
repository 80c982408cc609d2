#include "ui/printer.h"

namespace ui {

void Printer::SetPaperSize(int size) {
  paper_size_ = size;
}
void Printer::SetOrientation(int orientation) {
  orientation_ = orientation;
}

void Printer::EndDoc() {
  if (page_.Ops().empty()) return;
  PrintedDocument doc{page_.ScaleMode(), paper_size_, orientation_, page_.FontSize(), page_.Ops()};
  page_.Cls();
  documents_.push_back(std::move(doc));
  if (sink_) sink_(documents_.back());
}

}  // namespace ui
