// The whole program on arbitrary file contents: the road of road_fuzz.cpp to the analysis window,
// then every race the input chooses analysed as a user analyses it, with every step, view, switch,
// launcher, print and runner-grid press on the way, and "ＮＥＸＴ" to the next.
//
// Input: a meeting (meeting_input.h) followed by a plan of kPlanSize bytes, the input's last ones
// (an input shorter than that is all plan, missing bytes are 0, and its meeting is empty). The plan
// is kRaces entries of kEntrySize bytes, one per race taken in turn:
//   byte 0  bits 0-3 UP clicks, bits 4-5 DN clicks, bit 6 DN before UP, bit 7 the reliability switch
//   byte 1  bits 0-2 the going (modulo the going list), bits 3-4 the navigator option (3: none),
//           bits 5-7 the first of the five past-run views, taken round from there
//   byte 2  flags: bit 0 "色分け" only (no "絞込み" or "推奨馬"), bit 1 tick without "印刷",
//           bit 2 no print tick, bit 3 the switches clicked off again, bit 4 the slope view of the
//           training window first, bit 5 "色解除" (with its arming box), bit 6 "取消" instead of
//           "ＮＥＸＴ", bit 7 the grid presses right after "確定" instead of after the launchers
//   byte 3  the palette option (modulo 6)
//   bytes 4-7 two presses on the runner grid, an x and a y byte each, spread a little beyond the grid
// The program writes nothing but the graph window's frame files, into its program folder: the
// meeting files stay as they were, no other file appears in this target's own folder (which is also
// the home), and the working folder keeps its names.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "analysis/frm_ag3.h"
#include "fuzz/meeting_input.h"
#include "program/program.h"
#include "tools/driver/script_driver.h"
#include "tools/writer/record_writer.h"
#include "ui/bitmap_file.h"
#include "ui/file_lists.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kRaces = 4;
constexpr size_t kEntrySize = 8;
constexpr size_t kPlanSize = kRaces * kEntrySize;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "program: %s\n", what.c_str());
  std::abort();
}

// One folder per process, in memory where the system offers it, removed at exit: the meeting, the
// program folder and the home.
struct Folders {
  fs::path root, meeting, program, home;
};

const Folders& TheFolders() {
  static const Folders folders = [] {
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    Folders f;
    f.root = base / ("tarvelo-program-fuzz-" + std::to_string(getpid()));
    f.meeting = f.root / "meeting";
    f.program = f.root / "program";
    f.home = f.root / "home";
    for (const fs::path& p : {f.meeting, f.program, f.home}) fs::create_directories(p);
    static const fs::path removed_at_exit = f.root;
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(removed_at_exit, ignored);
    });
    // Whatever the program would write to the home lands here and is seen.
    setenv("HOME", f.home.c_str(), 1);  // NOLINT(concurrency-mt-unsafe): one thread
    unsetenv("XDG_DATA_HOME");          // NOLINT(concurrency-mt-unsafe)
    return f;
  }();
  return folders;
}

// The names in the working folder (libFuzzer reads its corpus by paths relative to it, so the
// target stays where it was started).
std::set<std::string> WorkingFolderNames() {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::current_path()))
    names.insert(entry.path().filename().string());
  return names;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The meeting files as they were written, the frame files and nothing else anywhere in the folder.
void CheckFiles(const Folders& f, const fuzz::MeetingBytes& files) {
  const std::pair<const char*, const std::string*> meeting[] = {{writer::kRaceFileName, &files.race},
                                                                {writer::kRunnerFileName, &files.runner},
                                                                {writer::kHorseFileName, &files.horse}};
  for (const auto& [name, bytes] : meeting)
    if (ReadFile(f.meeting / name) != *bytes) Fail(std::string("the program changed ") + name);
  for (const auto& entry : fs::recursive_directory_iterator(f.root)) {
    const fs::path& p = entry.path();
    if (entry.is_directory() && (p == f.meeting || p == f.program || p == f.home)) continue;
    const fs::path parent = p.parent_path();
    const std::string name = p.filename().string();
    if (parent == f.meeting &&
        (name == writer::kRaceFileName || name == writer::kRunnerFileName || name == writer::kHorseFileName))
      continue;
    if (parent == f.program && (name == "GRAPTH1.bmp" || name == "GRAPTH2.bmp") && entry.is_regular_file())
      continue;
    Fail("the program left " + p.string());
  }
}

// The road of road_fuzz.cpp: the read steps, the preview of the first and the last race, the base
// times and the hand-over.
std::string Road(const fs::path& meeting) {
  return "click frmAg1.Command1\n"
         "folder " +
         meeting.generic_string() +
         "\n"
         "click frmAg2.Command1\n"
         "click frmAg2.Command7\n"
         "mousedown frmAg2.MSFlexGrid3 1900 100\n"
         "mousedown frmAg2.MSFlexGrid2 900 4200\n"
         "mousedown frmAg2.MSFlexGrid4 6900 100\n"
         "click frmAg2.Command8\n"
         "tick frmAg2.Timer1 2\n";
}

std::string Clicks(const std::string& control, int times) {
  std::string lines;
  for (int k = 0; k < times; ++k) lines += "click " + control + "\n";
  return lines;
}

// A grid coordinate from a byte: 0 to 255 spread over a little more than the grid's extent, so that
// presses just outside it are tried too.
int Spread(uint8_t byte, int extent) {
  return -300 + byte * (extent + 600) / 255;
}

std::string GridPresses(const uint8_t* e) {
  std::string lines = "click frmAg3.Option" + std::to_string(2 + e[3] % 6) + "\n";
  for (int k = 0; k < 2; ++k)
    lines += "mousedown frmAg3.MSFlexGrid2 " + std::to_string(Spread(e[4 + 2 * k], 8780)) + " " +
             std::to_string(Spread(e[5 + 2 * k], 4600)) + "\n";
  return lines;
}

// One race of the plan, from its choice to "ＮＥＸＴ" (or "取消").
std::string RaceSteps(const uint8_t* e, int going_count) {
  const uint8_t flags = e[2];
  const int up = e[0] & 0x0F, down = (e[0] >> 4) & 0x03;
  std::string lines = "select frmAg3.Combo1 " + std::to_string((e[1] & 0x07) % going_count) + "\n";
  lines += (e[0] & 0x40) != 0 ? Clicks("frmAg3.Command17", down) + Clicks("frmAg3.Command16", up)
                              : Clicks("frmAg3.Command16", up) + Clicks("frmAg3.Command17", down);
  lines += "click frmAg3.Command18\n";
  if ((flags & 0x80) != 0) lines += GridPresses(e);
  lines += "click frmAg3.Command20\n";
  if ((e[0] & 0x80) != 0) lines += "click frmAg3.Check2\n";
  lines += "click frmAg3.Command5\n";
  // The past-run views, from the one the plan names round to the one before it.
  const std::array<const char*, 5> views = {"Command1", "Command2", "Command3", "Command4", "Command14"};
  for (size_t k = 0; k < views.size(); ++k)
    lines += "click frmAg3." + std::string(views[(((e[1] >> 5) & 0x07) + k) % views.size()]) + "\n";
  lines += "click frmAg3.Command9\n";
  if ((flags & 0x01) == 0) lines += "click frmAg3.Command10\nclick frmAg3.Command11\n";
  if ((flags & 0x04) == 0) {
    lines += "click frmAg0.Check1\n";
    if ((flags & 0x02) == 0) lines += "click frmAg0.Command4\n";
  }
  lines +=
      "click frmAg3.Command6\nclick frmAg3.Command7\nclick frmAg3.Command8\nclick frmAg3.Command13\n"
      "click frmAg3.Check4\nclick frmAg3.Check5\nclick frmAg3.Check6\nclick frmAg3.Check7\n";
  const int option = (e[1] >> 3) & 0x03;
  if (option < 3) lines += "click frmAg13.Option" + std::to_string(option + 1) + "\n";
  lines += "click frmAg13.Command2\nclick frmAg13.Command1\n";
  lines += "click frmAg15.Command1\n";
  lines += (flags & 0x10) != 0 ? "click frmAg12.Option2\nclick frmAg12.Option1\n"
                               : "click frmAg12.Option1\nclick frmAg12.Option2\n";
  if ((flags & 0x80) == 0) lines += GridPresses(e);
  if ((flags & 0x08) != 0)
    lines += "click frmAg3.Check4\nclick frmAg3.Check5\nclick frmAg3.Check6\nclick frmAg3.Check7\n";
  if ((flags & 0x20) != 0) lines += "click frmAg3.Check1\nclick frmAg3.Command15\n";
  lines +=
      (flags & 0x40) != 0 ? "click frmAg3.Command19\n" : "click frmAg3.Option1\nclick frmAg3.Command12\n";
  return lines;
}

void Run(program::Program& app, const std::string& lines) {
  std::istringstream script(lines);
  std::ostringstream out, err;
  if (driver::RunScript(app, script, out, err) != 0) Fail("a user action failed: " + err.str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t meeting_size = size > kPlanSize ? size - kPlanSize : 0;
  std::array<uint8_t, kPlanSize> plan{};
  std::copy(data + meeting_size, data + size, plan.begin());
  const fuzz::MeetingBytes files = fuzz::SplitInput(data, meeting_size);
  const Folders& folders = TheFolders();
  static const std::set<std::string> working_names = WorkingFolderNames();
  writer::WriteBytes(folders.meeting / writer::kRaceFileName, files.race);
  writer::WriteBytes(folders.meeting / writer::kRunnerFileName, files.runner);
  writer::WriteBytes(folders.meeting / writer::kHorseFileName, files.horse);

  {
    program::Program app;
    app.SetProgramFolder(ui::DisplayPath(folders.program));
    app.SetPictureStore(std::make_unique<ui::BitmapFilePictureStore>());
    app.Start();
    Run(app, Road(folders.meeting));
    if (app.FindLoaded("frmAg3") == nullptr) Fail("the road did not reach the analysis window");
    const int going_count = app.Form<analysis::frmAg3>().Combo1.ListCount();
    if (going_count < 1) Fail("no going to choose");
    std::string races;
    for (size_t r = 0; r < kRaces; ++r) races += RaceSteps(plan.data() + r * kEntrySize, going_count);
    Run(app, races + "click frmAg0.Command5\n");
  }
  CheckFiles(folders, files);
  if (WorkingFolderNames() != working_names) Fail("the program left a file in the working folder");
  for (const auto& entry : fs::directory_iterator(folders.program)) fs::remove(entry.path());
  return 0;
}
