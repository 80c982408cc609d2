// The whole road on arbitrary file contents: the input becomes the race, runner and horse file
// of a folder (meeting_input.h), and the headless program is driven as a user drives it:
// "Ｓｔａｒｔ", the folder, the race-card read, the past-performance read, the preview of every
// race, the base-time build, the hand-over to the analysis window, and there a step to each race,
// its confirmation and its release. Whatever the files hold, the road must reach the analysis window
// and leave the files as they were. The only message boxes on the way are the warnings after a read
// step that ran past a file's end (the driver answers them with their one button, OK, as it answers
// any box it has no queued answer for) and the refusal of a race too long to analyse.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/meeting_input.h"
#include "intake/read_warning.h"
#include "intake/record_layouts.h"
#include "program/program.h"
#include "shell/app.h"
#include "tools/driver/script_driver.h"
#include "tools/writer/record_writer.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "road: %s\n", what.c_str());
  std::abort();
}

// One folder per process, in memory where the system offers it; removed at exit.
const fs::path& Folder() {
  static const fs::path folder = [] {
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path root = base / ("tarvelo-road-fuzz-" + std::to_string(getpid()));
    fs::create_directories(root / "meeting");
    static const fs::path removed_at_exit = root;
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(removed_at_exit, ignored);
    });
    return root / "meeting";
  }();
  return folder;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CheckUnchanged(const fs::path& path, const std::string& bytes) {
  if (ReadFile(path) != bytes) Fail("the road changed " + path.filename().string());
}

// The preview of every race once the races are shown: its heading, then the first and the last
// horse name the runner grid can list.
std::string Preview() {
  std::string lines;
  for (int race = 1; race <= 12; ++race) {
    const char* grid = race <= 6 ? "MSFlexGrid3" : "MSFlexGrid4";
    const int x = 1900 + 1000 * ((race - 1) % 6);
    lines += "mousedown frmAg2." + std::string(grid) + " " + std::to_string(x) + " 100\n";
    lines += "mousedown frmAg2.MSFlexGrid2 900 300\n";
    lines += "mousedown frmAg2.MSFlexGrid2 900 4200\n";
  }
  return lines;
}

bool IsReadWarning(const ui::MessageRecord& box, const model::Text& data) {
  return box.style == ui::kOkOnly + ui::kExclamation && box.answer == ui::kOk &&
         box.text.rfind(data + u"の読込で", 0) == 0;
}

// At most one warning per read step, in the steps' order; a race file of fewer than 12 races
// must get one after the race-card read.
void CheckMessages(const std::vector<ui::MessageRecord>& boxes, const fuzz::MeetingBytes& files) {
  size_t next = 0;
  const bool short_race_file = files.race.size() < 12u * intake::Den1Record::kLength;
  if (next < boxes.size() && IsReadWarning(boxes[next], intake::kRaceCardData)) {
    ++next;
  } else if (short_race_file) {
    Fail("no warning for a race file of fewer than 12 races");
  }
  if (next < boxes.size() && IsReadWarning(boxes[next], intake::kPastPerformanceData)) ++next;
  for (; next < boxes.size(); ++next) {
    if (boxes[next].text != u"２５００ｍ以上の解析は出来ません。！！")
      Fail("a message box other than a read warning or a refusal was shown");
  }
}

// UP, "確定" and "取消" twelve times: every race the selector reaches is confirmed and released (a
// refused race empties the selection, so UP starts again at race 1).
std::string RaceChoice() {
  std::string lines;
  for (int race = 1; race <= 12; ++race)
    lines += "click frmAg3.Command16\nclick frmAg3.Command18\nclick frmAg3.Command19\n";
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzz::MeetingBytes files = fuzz::SplitInput(data, size);
  const fs::path& folder = Folder();
  writer::WriteBytes(folder / writer::kRaceFileName, files.race);
  writer::WriteBytes(folder / writer::kRunnerFileName, files.runner);
  writer::WriteBytes(folder / writer::kHorseFileName, files.horse);

  program::Program app;
  app.Start();
  std::istringstream script(
      "click frmAg1.Command1\n"
      "folder " +
      folder.generic_string() +
      "\n"
      "click frmAg2.Command1\n"
      "click frmAg2.Command7\n" +
      Preview() +
      "click frmAg2.Command8\n"
      "tick frmAg2.Timer1 2\n" +
      RaceChoice());
  std::ostringstream out, err;
  if (driver::RunScript(app, script, out, err) != 0) Fail("a user action failed: " + err.str());
  if (app.FindLoaded("frmAg3") == nullptr || app.FindLoaded("frmAg2") != nullptr)
    Fail("the road did not reach the analysis window");
  CheckMessages(app.Messages(), files);

  CheckUnchanged(folder / writer::kRaceFileName, files.race);
  CheckUnchanged(folder / writer::kRunnerFileName, files.runner);
  CheckUnchanged(folder / writer::kHorseFileName, files.horse);
  if (std::distance(fs::directory_iterator(folder), fs::directory_iterator()) != 3)
    Fail("the road left a file in the folder");
  return 0;
}
