#include "ui/frame_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/services.h"

namespace ui {

namespace {

// File header, the longest info header (version 5), four colour masks and a colour table of 256
// entries: more than any 24- or 32-bit bitmap puts before its pixels.
constexpr uint64_t kLargestHeaders = 14 + 124 + 16 + 4 * 256;
constexpr uint64_t kLargestPixel = 4;

// A picture's side in pixels, as the stores draw it.
uint64_t PixelSide(double twips) {
  const double pixels = std::round(twips / Screen::kTwipsPerPixel);
  return pixels < 1 || std::isnan(pixels) ? 1 : static_cast<uint64_t>(std::min(pixels, 1e9));
}

// Closes a descriptor when it goes out of scope; Close reports what closing says.
class OpenFile {
 public:
  explicit OpenFile(int fd) : fd_(fd) {}
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Fd() const { return fd_; }
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

// What sits at the path itself, a symbolic link not followed; nothing when there is nothing.
std::optional<struct stat> StatusAt(const std::filesystem::path& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return std::nullopt;
  return status;
}

// The size of the open file when it is a regular one: the check on the file itself, whatever sits at
// the path by now.
std::optional<uint64_t> RegularFileSize(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(status.st_size);
}

// The rest of an open file into `into`, read until its end; false when it turns out longer than
// `largest` (it grew since its size was taken), without reading on.
bool ReadOpenFile(int fd, uint64_t size, uint64_t largest, std::string& into) {
  // A byte more than the size, so that the end of the file is found by the same read.
  const size_t room = static_cast<size_t>(std::min(size, largest) + 1);
  into.resize(room);
  size_t filled = 0;
  while (filled < room) {
    const ssize_t got = ::read(fd, into.data() + filled, room - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    filled += static_cast<size_t>(got);
  }
  if (filled > largest) return false;
  into.resize(filled);
  return true;
}

// A new file beside path, under a name of its own; the descriptor is -1 when none can be made.
std::pair<int, std::filesystem::path> NewFileBeside(const std::filesystem::path& path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path name =
        path.parent_path() / ("." + path.filename().string() + ".new-" + std::to_string(::getpid()) + "-" +
                              std::to_string(attempt));
    const int fd =
        ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd >= 0) return {fd, std::move(name)};
    if (errno != EEXIST) break;
  }
  return {-1, {}};
}

// Puts a new file with the bytes in the place of the symbolic link at path; the link's target is
// never opened.
bool ReplaceLink(const std::filesystem::path& path, std::string_view bytes) {
  auto [fd, name] = NewFileBeside(path);
  OpenFile out(fd);
  if (out.Fd() < 0) return false;
  if (WriteAll(out.Fd(), bytes) && out.Close() && ::rename(name.c_str(), path.c_str()) == 0) return true;
  ::unlink(name.c_str());
  return false;
}

// An existing file is written over in place and then cut to length: emptying it first makes the file
// system flush it to disk on close, which costs milliseconds on every save of a frame.
bool WriteInPlace(const std::filesystem::path& path, std::string_view bytes) {
  // Non-blocking, so that a FIFO put at the path since it was looked at fails at once instead of
  // waiting for a reader; a link put there since fails to open, and is replaced as any link is.
  OpenFile out(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
  if (out.Fd() < 0) return errno == ELOOP && ReplaceLink(path, bytes);
  const std::optional<uint64_t> size = RegularFileSize(out.Fd());
  if (!size || !WriteAll(out.Fd(), bytes)) return false;
  // Only a longer file has something past the new end to cut; cutting costs as much as a tenth of
  // the whole save even when nothing goes.
  if (*size > bytes.size() && ::ftruncate(out.Fd(), static_cast<off_t>(bytes.size())) != 0) return false;
  return out.Close();
}

}  // namespace

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(put));
  }
  return true;
}

uint64_t LargestBitmapFileOf(double width, double height) {
  return kLargestHeaders + kLargestPixel * PixelSide(width) * PixelSide(height);
}

bool ReadFrameFile(const std::filesystem::path& path, uint64_t largest, std::string& into) {
  const std::optional<struct stat> at = StatusAt(path);
  if (!at || !S_ISREG(at->st_mode) || static_cast<uint64_t>(at->st_size) > largest) return false;
  // Without following a link, and non-blocking, so that a FIFO put at the path since it was looked at
  // opens at once instead of waiting for a writer (and is then refused as no regular file).
  OpenFile in(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (in.Fd() < 0) return false;
  const std::optional<uint64_t> size = RegularFileSize(in.Fd());
  if (!size || *size > largest) return false;
  try {
    if (ReadOpenFile(in.Fd(), *size, largest, into)) return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  into.clear();
  return false;
}

bool WriteFrameFile(const std::filesystem::path& path, std::string_view bytes) {
  const std::optional<struct stat> at = StatusAt(path);
  if (!at) return errno == ENOENT && WriteInPlace(path, bytes);
  if (S_ISLNK(at->st_mode)) return ReplaceLink(path, bytes);
  if (!S_ISREG(at->st_mode)) return false;
  return WriteInPlace(path, bytes);
}

}  // namespace ui
