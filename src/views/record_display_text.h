#pragma once
// The display form of a record-count text: four counts of two characters at positions 1, 4, 7
// and 10, joined by "-". Every reader of the record counts (the going aptitudes, the next load of
// the results-record window) reads the counts at those positions, so the rewrite never moves them.

#include "model/meeting.h"
#include "model/text.h"

namespace views {

// A count of one or two digits (blanks around it allowed) as two characters, a value below 10 as a
// blank and its digit; any other piece keeps its two characters. A text shorter than 11 characters
// is returned unchanged; a longer one is rebuilt from its first 11.
model::Text RecordDisplayText(const model::Text& stored);

// Rewrites RecordCounts01..29 of runners 1 to runner_count of the race into their display form.
void RewriteRecordCounts(model::Meeting& meeting, int race, int runner_count);

}  // namespace views
