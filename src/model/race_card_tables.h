#pragma once
// The race card of the meeting: written once by the race-card read, read by every later step.

#include "model/table.h"

namespace model {

struct RaceCardTables {
  // Per race (kol_den1.kd2 record = race number).
  RaceTable RaceCourseCode, RaceCourseName, RaceMeetingNo, RaceMeetingDay, RaceNoCode, RaceNoLabel,
      RaceDateCode, RaceDate, RaceFlag, RaceName, RaceClassCode, RaceClassLabel, RaceSurfaceCode,
      RaceSurfaceLabel, RaceDirCode, RaceDirLabel, RaceDistance, RaceDistanceLabel, RunnerCountCode,
      RunnerCount, RaceEstTimeCode, RaceEstTimeLabel, RacePaceCode, RacePaceLabel, RaceSummary;

  // Per race and runner (kol_den2.kd2 record in race order).
  RunnerTable Frame, HorseNo, HorseCode, HorseName, SexCode, SexLabel, AgeCode, AgeLabel, WeightCode,
      WeightLabel, Jockey, TrainLeadChar1, TrainLeadNumber1, TrainDate1, TrainCentre1, TrainCourse1,
      TrainGoing1, TrainTimeA1, TrainTimeB1, TrainTimeC1, TrainTimeD1, TrainTimeE1, TrainTimeF1, TrainTimeG1,
      TrainLaneChar1, TrainAction1, TrainTrendCode1, TrainRemark1, TrainText2, TrainText3;

  void RegisterIn(TableRegistry& registry);
};

}  // namespace model
