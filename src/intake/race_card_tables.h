#pragma once
// The race card of the meeting: written once by the race-card read, read by every later step.

#include "model/table.h"

#define TARVELO_RACE_CARD_TABLES(X)                              \
  /* Per race (kol_den1.kd2 record = race number). */            \
  X(model::RaceTable, RaceCourseCode)                            \
  X(model::RaceTable, RaceCourseName)                            \
  X(model::RaceTable, RaceMeetingNo)                             \
  X(model::RaceTable, RaceMeetingDay)                            \
  X(model::RaceTable, RaceNoCode)                                \
  X(model::RaceTable, RaceNoLabel)                               \
  X(model::RaceTable, RaceDateCode)                              \
  X(model::RaceTable, RaceDate)                                  \
  X(model::RaceTable, RaceFlag)                                  \
  X(model::RaceTable, RaceName)                                  \
  X(model::RaceTable, RaceClassCode)                             \
  X(model::RaceTable, RaceClassLabel)                            \
  X(model::RaceTable, RaceSurfaceCode)                           \
  X(model::RaceTable, RaceSurfaceLabel)                          \
  X(model::RaceTable, RaceDirCode)                               \
  X(model::RaceTable, RaceDirLabel)                              \
  X(model::RaceTable, RaceDistance)                              \
  X(model::RaceTable, RaceDistanceLabel)                         \
  X(model::RaceTable, RunnerCountCode)                           \
  X(model::RaceTable, RunnerCount)                               \
  X(model::RaceTable, RaceEstTimeCode)                           \
  X(model::RaceTable, RaceEstTimeLabel)                          \
  X(model::RaceTable, RacePaceCode)                              \
  X(model::RaceTable, RacePaceLabel)                             \
  X(model::RaceTable, RaceSummary)                               \
  /* Per race and runner (kol_den2.kd2 record in race order). */ \
  X(model::RunnerTable, Frame)                                   \
  X(model::RunnerTable, HorseNo)                                 \
  X(model::RunnerTable, HorseCode)                               \
  X(model::RunnerTable, HorseName)                               \
  X(model::RunnerTable, SexCode)                                 \
  X(model::RunnerTable, SexLabel)                                \
  X(model::RunnerTable, AgeCode)                                 \
  X(model::RunnerTable, AgeLabel)                                \
  X(model::RunnerTable, WeightCode)                              \
  X(model::RunnerTable, WeightLabel)                             \
  X(model::RunnerTable, Jockey)                                  \
  X(model::RunnerTable, TrainLeadChar1)                          \
  X(model::RunnerTable, TrainLeadNumber1)                        \
  X(model::RunnerTable, TrainDate1)                              \
  X(model::RunnerTable, TrainCentre1)                            \
  X(model::RunnerTable, TrainCourse1)                            \
  X(model::RunnerTable, TrainGoing1)                             \
  X(model::RunnerTable, TrainTimeA1)                             \
  X(model::RunnerTable, TrainTimeB1)                             \
  X(model::RunnerTable, TrainTimeC1)                             \
  X(model::RunnerTable, TrainTimeD1)                             \
  X(model::RunnerTable, TrainTimeE1)                             \
  X(model::RunnerTable, TrainTimeF1)                             \
  X(model::RunnerTable, TrainTimeG1)                             \
  X(model::RunnerTable, TrainLaneChar1)                          \
  X(model::RunnerTable, TrainAction1)                            \
  X(model::RunnerTable, TrainTrendCode1)                         \
  X(model::RunnerTable, TrainRemark1)                            \
  X(model::RunnerTable, TrainText2)                              \
  X(model::RunnerTable, TrainText3)

namespace intake {

struct RaceCardTables {
  TARVELO_TABLE_GROUP(TARVELO_RACE_CARD_TABLES)
};

}  // namespace intake
