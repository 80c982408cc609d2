#pragma once
// A FIFO in place of a record file, for the tests that show a read never waits on one. Should a
// read wait after all, the guard opens the FIFO's other end after a few seconds so that the test
// ends and fails instead of hanging.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace fifo_guard {

class FifoGuard {
 public:
  // Replaces whatever is at path with a FIFO.
  explicit FifoGuard(const std::filesystem::path& path) : path_(path) {
    std::filesystem::remove_all(path);
    if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("mkfifo failed");
    watchdog_ = std::thread([this] { Watch(); });
  }
  ~FifoGuard() {
    done_ = true;
    watchdog_.join();
  }
  FifoGuard(const FifoGuard&) = delete;
  FifoGuard& operator=(const FifoGuard&) = delete;

  // Whether a reader was still waiting on the FIFO when the guard's patience ran out.
  bool HadToRelease() {
    done_ = true;
    watchdog_.join();
    watchdog_ = std::thread([] {});
    return released_;
  }

 private:
  void Watch() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done_ && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    while (!done_) {
      // Succeeds only while a reader has the FIFO open, as a waiting one has.
      const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        released_ = true;
        ::close(fd);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  std::filesystem::path path_;
  std::atomic<bool> done_{false};
  std::atomic<bool> released_{false};
  std::thread watchdog_;
};

}  // namespace fifo_guard
