#pragma once
// Every shared table of one run of the program, grouped by the stage that writes it.
// Tables live for the whole run; a stage that does not reach a cell leaves its text.

#include "model/analysis_tables.h"
#include "model/base_time_tables.h"
#include "model/past_run_tables.h"
#include "model/preview_values.h"
#include "model/race_card_tables.h"
#include "model/std_time_view_tables.h"
#include "model/table.h"

namespace model {

class Meeting {
 public:
  Meeting();
  Meeting(const Meeting&) = delete;
  Meeting& operator=(const Meeting&) = delete;

  RaceCardTables card;
  PastRunTables pastRuns;
  BaseTimeTables baseTimes;
  PreviewValues preview;
  StdTimeViewTables stdTimeView;
  AnalysisTables analysis;

  const TableRegistry& Registry() const { return registry_; }

 private:
  TableRegistry registry_;
};

}  // namespace model
