#include "intake/meeting_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

namespace intake {
namespace {

TEST(JoinFolder, AddsOneSeparatorOnlyWhereMissing) {
  struct Case {
    const char* folder;
    const char* name;
    const char* path;
  };
  const Case cases[] = {{"/data/kol", kRaceFileName, "/data/kol/kol_den1.kd2"},
                        {"/data/kol/", kRaceFileName, "/data/kol/kol_den1.kd2"},
                        {"/data/meeting", kHorseFileName, "/data/meeting/kol_uma.kd2"},
                        {"/", kRunnerFileName, "/kol_den2.kd2"},
                        {"", kRaceFileName, "/kol_den1.kd2"}};
  for (const Case& c : cases)
    EXPECT_EQ(JoinFolder(c.folder, c.name), std::filesystem::path(c.path)) << c.folder;
}

// Record numbers a race takes and runners that get cells, for counts as the race file may give them.
TEST(RecordsOfRace, CountWholeRunnersAndOneMoreForAFraction) {
  struct Case {
    double count;
    long records;
    int runners_with_cells;
  };
  const Case cases[] = {{16, 16, 16}, {1, 1, 1},    {0, 1, 0},    {-3, 1, 0},  {2.5, 3, 2},
                        {0.5, 1, 0},  {28, 28, 28}, {29, 29, 28}, {NAN, 1, 0}, {1e12, 1000000000, 28}};
  for (const Case& c : cases) {
    EXPECT_EQ(RecordsOfRace(c.count), c.records) << c.count;
    EXPECT_EQ(RunnersWithCells(c.count), c.runners_with_cells) << c.count;
  }
}

}  // namespace
}  // namespace intake
