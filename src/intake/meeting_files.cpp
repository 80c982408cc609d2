#include "intake/meeting_files.h"

#include <algorithm>

#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace intake {

long RecordsOfRace(double runner_count) {
  if (!(runner_count >= 1)) return 1;
  // No count read from a file comes near this; it keeps record numbers in range.
  constexpr double kLargestCount = 1e9;
  const double count = std::min(runner_count, kLargestCount);
  const double whole = model::FloorNumber(count);
  return static_cast<long>(whole) + (whole == count ? 0 : 1);
}

int RunnersWithCells(double runner_count) {
  if (!(runner_count >= 1)) return 0;
  return static_cast<int>(
      std::min(model::FloorNumber(runner_count), static_cast<double>(model::kRunnersHeld)));
}

std::filesystem::path JoinFolder(const std::filesystem::path& folder, std::string_view name) {
  // The path's own "/" adds a separator only where the folder lacks one.
  if (folder.empty()) return std::filesystem::path("/") / name;
  return folder / name;
}

}  // namespace intake
