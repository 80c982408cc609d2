#pragma once
// Turns one past-run block of a horse record into the raw and display texts of that run.

#include <functional>

#include "model/past_run_tables.h"
#include "model/text.h"

namespace intake {

// The text of a horse-record field by its number in the record (1..1126; UmaRecord), full
// width, blanks included.
using HorseFieldText = std::function<model::Text(int field)>;

// Writes cell (r, j) of member b of every raw and display past-run family from block b of
// the record. r 1..12, j 1..28, b 1..5.
void DecodePastRun(const HorseFieldText& record, model::PastRunTables& tables, int r, int j, int b);

}  // namespace intake
