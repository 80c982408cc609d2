#pragma once
// A printed document's operations in a form tests compare whole: a text at its top left, or a line
// between two points. Header-only.

#include <ostream>
#include <string>
#include <vector>

#include "model/text.h"
#include "tests/support/text_printer.h"
#include "ui/printer.h"

namespace testsupport {

struct PrintedOp {
  std::string kind;
  double x1, y1, x2, y2;
  model::Text text;
  bool operator==(const PrintedOp&) const = default;
};

[[maybe_unused]] inline void PrintTo(const PrintedOp& op, std::ostream* out) {
  std::ostream& os = *out;
  os << op.kind << " (" << op.x1 << ", " << op.y1 << ")";
  if (op.kind == "line") os << "-(" << op.x2 << ", " << op.y2 << ")";
  os << ' ';
  PrintText(op.text, &os);
}

inline PrintedOp PrintedText(double x, double y, const model::Text& text) {
  return {"text", x, y, 0, 0, text};
}
inline PrintedOp PrintedLine(double x1, double y1, double x2, double y2) {
  return {"line", x1, y1, x2, y2, u""};
}

inline std::vector<PrintedOp> PrintedOpsOf(const ui::PrintedDocument& doc) {
  std::vector<PrintedOp> ops;
  for (const ui::DrawOp& op : doc.ops) {
    if (op.kind == ui::DrawOpKind::kText)
      ops.push_back(PrintedText(op.x1, op.y1, op.text));
    else
      ops.push_back(PrintedLine(op.x1, op.y1, op.x2, op.y2));
  }
  return ops;
}

}  // namespace testsupport
