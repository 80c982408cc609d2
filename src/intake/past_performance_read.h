#pragma once
// The past-performance read: every runner's horse record, in runner order, into the horse-file
// and past-run tables.

#include <filesystem>
#include <functional>
#include <vector>

#include "intake/past_run_decoder.h"
#include "intake/record_file.h"
#include "model/meeting.h"

namespace intake {

// A horse file read record by record: read(n) loads record n (from 1), field(k) gives field k
// of the loaded record. Records beyond the file's end read as blanks.
struct HorseRecords {
  std::function<void(long n)> read;
  HorseFieldText field;
};

// Walks the races and their runners by record number alone: race 1's runners first, each
// race taking as many records as it has runners, and a race whose runner count gives 0 or
// less passing over one. Only runners 1 to 28 of a race get cells; a larger count still
// takes all of its records.
void WalkHorseRecords(model::Meeting& meeting, const HorseRecords& records);

// Reads the folder's kol_uma.kd2 into the horse-file and past-run tables. The file is only
// read; a missing file or records beyond its end read as blanks. Adds to uses, when given, how
// the read went with the file.
void ReadPastPerformances(model::Meeting& meeting, const std::filesystem::path& folder,
                          std::vector<RecordFileUse>* uses = nullptr);

}  // namespace intake
