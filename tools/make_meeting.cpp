// make-meeting OUTDIR [--seed N]: writes a made-up race meeting (kol_den1.kd2, kol_den2.kd2,
// kol_uma.kd2) into OUTDIR. The same seed always gives the same files.

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "tools/writer/meeting_generator.h"

int main(int argc, char** argv) {
  std::string out_dir;
  std::uint64_t seed = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      seed = std::strtoull(argv[++i], &end, 10);
      if (*end != '\0') {
        std::cerr << "make-meeting: --seed needs a whole number\n";
        return 2;
      }
    } else if (out_dir.empty() && !arg.empty() && arg[0] != '-') {
      out_dir = arg;
    } else {
      out_dir.clear();
      break;
    }
  }
  if (out_dir.empty()) {
    std::cerr << "usage: make-meeting OUTDIR [--seed N]\n";
    return 2;
  }
  try {
    writer::GenerateMeeting(seed).Write(out_dir);
  } catch (const std::exception& e) {
    std::cerr << "make-meeting: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
