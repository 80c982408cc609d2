#include "model/race_card_tables.h"

namespace model {

#define TARVELO_REGISTER(name) registry.Add(#name, name)

void RaceCardTables::RegisterIn(TableRegistry& registry) {
  TARVELO_REGISTER(RaceCourseCode);
  TARVELO_REGISTER(RaceCourseName);
  TARVELO_REGISTER(RaceMeetingNo);
  TARVELO_REGISTER(RaceMeetingDay);
  TARVELO_REGISTER(RaceNoCode);
  TARVELO_REGISTER(RaceNoLabel);
  TARVELO_REGISTER(RaceDateCode);
  TARVELO_REGISTER(RaceDate);
  TARVELO_REGISTER(RaceFlag);
  TARVELO_REGISTER(RaceName);
  TARVELO_REGISTER(RaceClassCode);
  TARVELO_REGISTER(RaceClassLabel);
  TARVELO_REGISTER(RaceSurfaceCode);
  TARVELO_REGISTER(RaceSurfaceLabel);
  TARVELO_REGISTER(RaceDirCode);
  TARVELO_REGISTER(RaceDirLabel);
  TARVELO_REGISTER(RaceDistance);
  TARVELO_REGISTER(RaceDistanceLabel);
  TARVELO_REGISTER(RunnerCountCode);
  TARVELO_REGISTER(RunnerCount);
  TARVELO_REGISTER(RaceEstTimeCode);
  TARVELO_REGISTER(RaceEstTimeLabel);
  TARVELO_REGISTER(RacePaceCode);
  TARVELO_REGISTER(RacePaceLabel);
  TARVELO_REGISTER(RaceSummary);
  TARVELO_REGISTER(Frame);
  TARVELO_REGISTER(HorseNo);
  TARVELO_REGISTER(HorseCode);
  TARVELO_REGISTER(HorseName);
  TARVELO_REGISTER(SexCode);
  TARVELO_REGISTER(SexLabel);
  TARVELO_REGISTER(AgeCode);
  TARVELO_REGISTER(AgeLabel);
  TARVELO_REGISTER(WeightCode);
  TARVELO_REGISTER(WeightLabel);
  TARVELO_REGISTER(Jockey);
  TARVELO_REGISTER(TrainLeadChar1);
  TARVELO_REGISTER(TrainLeadNumber1);
  TARVELO_REGISTER(TrainDate1);
  TARVELO_REGISTER(TrainCentre1);
  TARVELO_REGISTER(TrainCourse1);
  TARVELO_REGISTER(TrainGoing1);
  TARVELO_REGISTER(TrainTimeA1);
  TARVELO_REGISTER(TrainTimeB1);
  TARVELO_REGISTER(TrainTimeC1);
  TARVELO_REGISTER(TrainTimeD1);
  TARVELO_REGISTER(TrainTimeE1);
  TARVELO_REGISTER(TrainTimeF1);
  TARVELO_REGISTER(TrainTimeG1);
  TARVELO_REGISTER(TrainLaneChar1);
  TARVELO_REGISTER(TrainAction1);
  TARVELO_REGISTER(TrainTrendCode1);
  TARVELO_REGISTER(TrainRemark1);
  TARVELO_REGISTER(TrainText2);
  TARVELO_REGISTER(TrainText3);
}

#undef TARVELO_REGISTER

}  // namespace model
