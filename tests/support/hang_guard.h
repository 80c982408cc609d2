#pragma once
// A test that must return at once (a FIFO opened without a writer, a huge file) fails instead of
// hanging: past the given seconds the alarm ends the whole test program, which CTest reports.

#include <unistd.h>

namespace testsupport {

class HangGuard {
 public:
  explicit HangGuard(unsigned seconds) { ::alarm(seconds); }
  ~HangGuard() { ::alarm(0); }
  HangGuard(const HangGuard&) = delete;
  HangGuard& operator=(const HangGuard&) = delete;
};

}  // namespace testsupport
