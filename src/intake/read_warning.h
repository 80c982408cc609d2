#pragma once
// The warning after a read step whose files were not all whole: the read itself goes on as it
// always has (what is missing reads as blanks), and the user is told which file was wrong and how.

#include <vector>

#include "intake/record_file.h"
#include "model/text.h"

namespace intake {

// What the race-card read and the past-performance read read, as the warning names them.
inline constexpr char16_t kRaceCardData[] = u"出走馬デ\uFF0Dタ";
inline constexpr char16_t kPastPerformanceData[] = u"成績デ\uFF0Dタ";

// One line per file that could not be opened or ended before the last record the read asked for,
// between a heading naming the data and a closing line; the empty text when every file was whole.
model::Text ReadWarning(const model::Text& data, const std::vector<RecordFileUse>& files);

}  // namespace intake
