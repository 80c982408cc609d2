#include "views/record_display_text.h"

#include <array>

#include "intake/past_run_tables.h"
#include "model/text_ops.h"

namespace views {

using model::Text;

namespace {

constexpr int kDisplayLength = 11;
constexpr std::array<int, 4> kPieceStarts = {1, 4, 7, 10};

// Two characters whatever the piece holds, so that the later counts keep their positions.
Text DisplayPiece(const Text& piece) {
  const Text digits = model::Trim(piece);
  const bool is_count = !digits.empty() && digits.size() <= 2 && model::IsAsciiDigit(digits.front()) &&
                        model::IsAsciiDigit(digits.back());
  if (!is_count) return piece;
  const int value = digits.size() == 1 ? digits[0] - u'0' : (digits[0] - u'0') * 10 + (digits[1] - u'0');
  if (value >= 10) return digits;
  return Text(u" ") + static_cast<char16_t>(u'0' + value);
}

}  // namespace

Text RecordDisplayText(const Text& stored) {
  if (model::Len(stored) < kDisplayLength) return stored;
  Text display;
  for (const int start : kPieceStarts) {
    if (!display.empty()) display += u"-";
    display += DisplayPiece(model::Mid(stored, start, 2));
  }
  return display;
}

void RewriteRecordCounts(model::Meeting& meeting, int race, int runner_count) {
  auto& records = meeting.Group<intake::PastRunTables>().RecordCounts;
  for (int j = 1; j <= runner_count; ++j) {
    for (int k = 1; k <= intake::RecordCountsFamily::Count(); ++k) {
      Text& element = records[k](race, j);
      element = RecordDisplayText(element);
    }
  }
}

}  // namespace views
