#include "model/past_run_tables.h"

#include <array>
#include <stdexcept>
#include <string>

namespace model {

namespace {

using CountsMember = RunnerTable PastRunTables::*;

constexpr std::array<CountsMember, PastRunTables::kRecordCountsTables> kRecordCounts = {
    &PastRunTables::RecordCounts01, &PastRunTables::RecordCounts02, &PastRunTables::RecordCounts03,
    &PastRunTables::RecordCounts04, &PastRunTables::RecordCounts05, &PastRunTables::RecordCounts06,
    &PastRunTables::RecordCounts07, &PastRunTables::RecordCounts08, &PastRunTables::RecordCounts09,
    &PastRunTables::RecordCounts10, &PastRunTables::RecordCounts11, &PastRunTables::RecordCounts12,
    &PastRunTables::RecordCounts13, &PastRunTables::RecordCounts14, &PastRunTables::RecordCounts15,
    &PastRunTables::RecordCounts16, &PastRunTables::RecordCounts17, &PastRunTables::RecordCounts18,
    &PastRunTables::RecordCounts19, &PastRunTables::RecordCounts20, &PastRunTables::RecordCounts21,
    &PastRunTables::RecordCounts22, &PastRunTables::RecordCounts23, &PastRunTables::RecordCounts24,
    &PastRunTables::RecordCounts25, &PastRunTables::RecordCounts26, &PastRunTables::RecordCounts27,
    &PastRunTables::RecordCounts28, &PastRunTables::RecordCounts29};

size_t CountsIndex(int k) {
  if (k < 1 || k > PastRunTables::kRecordCountsTables) {
    throw std::out_of_range("record counts table " + std::to_string(k));
  }
  return static_cast<size_t>(k - 1);
}

}  // namespace

RunnerTable& PastRunTables::RecordCounts(int k) {
  return this->*kRecordCounts[CountsIndex(k)];
}

const RunnerTable& PastRunTables::RecordCounts(int k) const {
  return this->*kRecordCounts[CountsIndex(k)];
}

#define TARVELO_REGISTER(name) registry.Add(#name, name)
#define TARVELO_REGISTER_FAMILY(name) registry.AddFamily(#name, name)

void PastRunTables::RegisterIn(TableRegistry& registry) {
  TARVELO_REGISTER(UmaHorseName);
  TARVELO_REGISTER(SireName);
  TARVELO_REGISTER(DamName);
  TARVELO_REGISTER(RecordCounts01);
  TARVELO_REGISTER(RecordCounts02);
  TARVELO_REGISTER(RecordCounts03);
  TARVELO_REGISTER(RecordCounts04);
  TARVELO_REGISTER(RecordCounts05);
  TARVELO_REGISTER(RecordCounts06);
  TARVELO_REGISTER(RecordCounts07);
  TARVELO_REGISTER(RecordCounts08);
  TARVELO_REGISTER(RecordCounts09);
  TARVELO_REGISTER(RecordCounts10);
  TARVELO_REGISTER(RecordCounts11);
  TARVELO_REGISTER(RecordCounts12);
  TARVELO_REGISTER(RecordCounts13);
  TARVELO_REGISTER(RecordCounts14);
  TARVELO_REGISTER(RecordCounts15);
  TARVELO_REGISTER(RecordCounts16);
  TARVELO_REGISTER(RecordCounts17);
  TARVELO_REGISTER(RecordCounts18);
  TARVELO_REGISTER(RecordCounts19);
  TARVELO_REGISTER(RecordCounts20);
  TARVELO_REGISTER(RecordCounts21);
  TARVELO_REGISTER(RecordCounts22);
  TARVELO_REGISTER(RecordCounts23);
  TARVELO_REGISTER(RecordCounts24);
  TARVELO_REGISTER(RecordCounts25);
  TARVELO_REGISTER(RecordCounts26);
  TARVELO_REGISTER(RecordCounts27);
  TARVELO_REGISTER(RecordCounts28);
  TARVELO_REGISTER(RecordCounts29);
  TARVELO_REGISTER_FAMILY(RunCourseCode);
  TARVELO_REGISTER_FAMILY(RunDateCode);
  TARVELO_REGISTER_FAMILY(RunClassCode);
  TARVELO_REGISTER_FAMILY(RunSurfaceCode);
  TARVELO_REGISTER_FAMILY(RunDistance);
  TARVELO_REGISTER_FAMILY(RunFieldSize);
  TARVELO_REGISTER_FAMILY(RunPaceCode);
  TARVELO_REGISTER_FAMILY(RunGoingCode);
  TARVELO_REGISTER_FAMILY(RunGate);
  TARVELO_REGISTER_FAMILY(RunWeight);
  TARVELO_REGISTER_FAMILY(RunBodyWeight);
  TARVELO_REGISTER_FAMILY(RunPosition);
  TARVELO_REGISTER_FAMILY(RunTime);
  TARVELO_REGISTER_FAMILY(RunMargin);
  TARVELO_REGISTER_FAMILY(RunFirst3F);
  TARVELO_REGISTER_FAMILY(RunLast3F);
  TARVELO_REGISTER_FAMILY(RunCorner1_);
  TARVELO_REGISTER_FAMILY(RunCorner2_);
  TARVELO_REGISTER_FAMILY(RunCorner3_);
  TARVELO_REGISTER_FAMILY(RunCorner4_);
  TARVELO_REGISTER_FAMILY(RunCourseName);
  TARVELO_REGISTER_FAMILY(RunDateText);
  TARVELO_REGISTER_FAMILY(RunClassName);
  TARVELO_REGISTER_FAMILY(RunSurfaceName);
  TARVELO_REGISTER_FAMILY(RunDistanceText);
  TARVELO_REGISTER_FAMILY(RunFieldSizeText);
  TARVELO_REGISTER_FAMILY(RunPaceName);
  TARVELO_REGISTER_FAMILY(RunGoingName);
  TARVELO_REGISTER_FAMILY(RunGateText);
  TARVELO_REGISTER_FAMILY(RunWeightText);
  TARVELO_REGISTER_FAMILY(RunBodyWeightText);
  TARVELO_REGISTER_FAMILY(RunPositionText);
  TARVELO_REGISTER_FAMILY(RunTimeText);
  TARVELO_REGISTER_FAMILY(RunTimeSeconds);
  TARVELO_REGISTER_FAMILY(RunMarginText);
  TARVELO_REGISTER_FAMILY(RunFirst3FText);
  TARVELO_REGISTER_FAMILY(RunLast3FText);
  TARVELO_REGISTER_FAMILY(RunPassingText);
  TARVELO_REGISTER_FAMILY(RunTroubleFlag);
}

#undef TARVELO_REGISTER_FAMILY
#undef TARVELO_REGISTER

Text RecordCountsText(const Text& count1, const Text& count2, const Text& count3, const Text& count4) {
  return count1 + u"-" + count2 + u"-" + count3 + u"-" + count4;
}

}  // namespace model
