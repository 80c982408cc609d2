// Every group of shared tables, created (and so registered by name) when the program starts, so that
// any table can be found by name before the stage that writes it has run.
#include "analysis/analysis_window_tables.h"
#include "basetime/base_time_tables.h"
#include "basetime/std_time_view_tables.h"
#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "basic/race_run_average_tables.h"
#include "basic/training_tables.h"
#include "intake/past_run_tables.h"
#include "intake/preview_values.h"
#include "intake/race_card_tables.h"
#include "model/analysis_tables.h"
#include "navigator/navigator_tables.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"
#include "recommend/recommendation_tables.h"
#include "secondary/secondary_analysis_tables.h"
#include "views/training_view_tables.h"

namespace program {

void CreateTableGroups(model::Meeting& meeting) {
  meeting.Group<intake::RaceCardTables>();
  meeting.Group<intake::PastRunTables>();
  meeting.Group<intake::PreviewValues>();
  meeting.Group<basetime::BaseTimeTables>();
  meeting.Group<basetime::StdTimeViewTables>();
  meeting.Group<model::AnalysisTables>();
  meeting.Group<analysis::AnalysisWindowTables>();
  meeting.Group<basic::BasicAnalysisTables>();
  meeting.Group<basic::PastRunViewTables>();
  meeting.Group<basic::TrainingTables>();
  meeting.Group<secondary::SecondaryAnalysisTables>();
  meeting.Group<basic::RaceRunAverageTables>();
  meeting.Group<recommend::ColouringTables>();
  meeting.Group<recommend::RecommendationTables>();
  meeting.Group<navigator::NavigatorTables>();
  meeting.Group<views::TrainingViewTables>();
}

}  // namespace program
