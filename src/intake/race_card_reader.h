#pragma once
// The race-card read: kol_den1.kd2 and kol_den2.kd2 of the chosen folder into the race-card
// tables. Files are only opened for reading; missing records read as blanks.

#include <filesystem>
#include <vector>

#include "intake/record_file.h"
#include "model/meeting.h"
#include "model/text.h"

namespace intake {

// "01" .. "99" as a full-width number without a leading zero ("09" -> "９", "12" -> "１２");
// anything else gives the empty text.
model::Text FullWidthDigit(const model::Text& code);

// Fills the race-card tables of meeting from the two files in folder and returns the meeting line
// of race 1 (meeting number, course, day and date) for the main window. Adds to uses, when given,
// how the read went with the race file and the runner file.
model::Text ReadRaceCard(model::Meeting& meeting, const std::filesystem::path& folder,
                         std::vector<RecordFileUse>* uses = nullptr);

}  // namespace intake
