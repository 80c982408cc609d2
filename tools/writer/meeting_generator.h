#pragma once
// A realistic, made-up race meeting: 12 races at one central course on one day, every runner
// with five past runs, record counts and three workouts. The same seed gives the same bytes.

#include <cstdint>

#include "tools/writer/record_writer.h"

namespace writer {

MeetingFiles GenerateMeeting(std::uint64_t seed);

}  // namespace writer
