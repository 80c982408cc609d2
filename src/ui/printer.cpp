#include "ui/printer.h"

namespace ui {

const char* PrinterSettingName(PrinterSetting::Kind kind) {
  switch (kind) {
    case PrinterSetting::kScaleMode:
      return "ScaleMode";
    case PrinterSetting::kPaperSize:
      return "PaperSize";
    case PrinterSetting::kOrientation:
      return "Orientation";
    case PrinterSetting::kFontSize:
      return "FontSize";
  }
  return "";
}

void Printer::SetScaleMode(int mode) {
  page_.SetScaleMode(mode);
  settings_.push_back({PrinterSetting::kScaleMode, static_cast<double>(mode)});
}
void Printer::SetPaperSize(int size) {
  paper_size_ = size;
  settings_.push_back({PrinterSetting::kPaperSize, static_cast<double>(size)});
}
void Printer::SetOrientation(int orientation) {
  orientation_ = orientation;
  settings_.push_back({PrinterSetting::kOrientation, static_cast<double>(orientation)});
}
void Printer::SetFontSize(double points) {
  page_.SetFontSize(points);
  settings_.push_back({PrinterSetting::kFontSize, points});
}

void Printer::EndDoc() {
  if (page_.Ops().empty()) return;
  PrintedDocument doc{page_.ScaleMode(), paper_size_, orientation_,
                      page_.FontSize(),  page_.Ops(), std::move(settings_)};
  settings_.clear();
  page_.Cls();
  documents_.push_back(std::move(doc));
  if (sink_) sink_(documents_.back());
}

}  // namespace ui
