#include "intake/record_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <memory>

// Compiling the layouts here runs their compile-time checks in every build.
#include "intake/record_layouts.h"

namespace intake {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrailByte(unsigned char b) {
  return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// The CP932 table: one UTF-16 unit per single byte and per lead/trail pair, U+FFFD where
// CP932 has no character. Built once from iconv, so that decoding is a table look-up.
class Cp932Table {
 public:
  Cp932Table() {
    // Single bytes map by rule in CP932: ASCII as is, 0xA1-0xDF to half-width katakana;
    // 0x80, 0xA0 and 0xFD-0xFF stand for nothing.
    single_.fill(kReplacement);
    for (int b = 0; b < 0x80; ++b) single_[static_cast<size_t>(b)] = static_cast<char16_t>(b);
    for (int b = 0xA1; b <= 0xDF; ++b)
      single_[static_cast<size_t>(b)] = static_cast<char16_t>(0xFF61 + b - 0xA1);
    pair_.fill(kReplacement);
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (!IsTrailByte(static_cast<unsigned char>(trail))) continue;
        const unsigned char bytes[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
        pair_[static_cast<size_t>(lead << 8 | trail)] = Convert(cd, bytes, 2);
      }
    }
    iconv_close(cd);
  }

  char16_t Single(unsigned char b) const { return single_[b]; }
  char16_t Pair(unsigned char lead, unsigned char trail) const {
    return pair_[static_cast<size_t>(lead << 8 | trail)];
  }

 private:
  // One character, or U+FFFD when iconv finds none or more than one UTF-16 unit.
  static char16_t Convert(iconv_t cd, const unsigned char* bytes, size_t count) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in[2] = {static_cast<char>(bytes[0]), count > 1 ? static_cast<char>(bytes[1]) : '\0'};
    unsigned char out[8] = {};
    char* in_ptr = in;
    char* out_ptr = reinterpret_cast<char*>(out);
    size_t in_left = count;
    size_t out_left = sizeof out;
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1) || in_left != 0 ||
        sizeof out - out_left != 2)
      return kReplacement;
    return static_cast<char16_t>(out[0] | out[1] << 8);
  }

  std::array<char16_t, 0x100> single_{};
  std::array<char16_t, 0x10000> pair_{};
};

const Cp932Table& Table() {
  static const auto table = std::make_unique<Cp932Table>();
  return *table;
}

}  // namespace

RecordFile::RecordFile(const std::filesystem::path& path) {
  use_.path = path;
  // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer; for a
  // regular file the flag changes nothing.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat status {};
  // Whatever sits at the path now is what gets read: the check is on the open file itself.
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  use_.opened = true;
  use_.size = static_cast<std::uint64_t>(status.st_size);
}

RecordFile::~RecordFile() {
  if (fd_ >= 0) ::close(fd_);
}

namespace {
// Large enough that a walk through a meeting's records takes a handful of reads, small enough to
// stay a plain heap block.
constexpr std::size_t kBlockBytes = 64 * 1024;
}  // namespace

std::size_t RecordFile::LoadBlock(std::uint64_t offset, std::size_t length) {
  constexpr auto kLargestEnd = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(std::max(length, kBlockBytes), kLargestEnd - offset));
  if (block_capacity_ < wanted) {
    block_ = std::make_unique_for_overwrite<unsigned char[]>(wanted);
    block_capacity_ = wanted;
  }
  block_offset_ = offset;
  block_filled_ = 0;
  while (block_filled_ < wanted) {
    const ssize_t got = ::pread(fd_, block_.get() + block_filled_, wanted - block_filled_,
                                static_cast<off_t>(offset + block_filled_));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;  // the end of the file, or a read error: the rest stays unread
    block_filled_ += static_cast<std::size_t>(got);
  }
  return block_filled_;
}

void RecordFile::ReadAt(std::uint64_t offset, unsigned char* out, std::size_t length) {
  const std::span<const unsigned char> bytes = BytesAt(offset, length);
  std::copy(bytes.begin(), bytes.end(), out);
}

std::span<const unsigned char> RecordFile::BytesAt(std::uint64_t offset, std::size_t length) {
  constexpr auto kLargestEnd = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
  if (offset > kLargestEnd - length) {
    use_.needed = std::numeric_limits<std::uint64_t>::max();
    return {};
  }
  use_.needed = std::max(use_.needed, offset + length);
  if (fd_ < 0) return {};
  // Served from the block only when it holds every byte asked for; otherwise read afresh from the
  // offset, so that whatever lies at or beyond the end is found as a record-by-record read finds it.
  const bool held = offset >= block_offset_ && offset - block_offset_ <= block_filled_ &&
                    length <= block_filled_ - (offset - block_offset_);
  std::span<const unsigned char> bytes;
  if (held) {
    bytes = {block_.get() + (offset - block_offset_), length};
  } else {
    const std::size_t done = std::min(LoadBlock(offset, length), length);  // may move the block
    bytes = {block_.get(), done};
  }
  // A file that has shrunk since it was opened ends where the read found its end.
  if (bytes.size() < length) use_.size = std::min(use_.size, offset + bytes.size());
  return bytes;
}

namespace {

// Decodes the field into out, which has room for width characters; every character takes one
// byte or two and each double-byte one is followed by one blank, so the text is exactly as wide
// as the field.
// Inlined into each caller: fields are a few bytes long, so the call itself weighed as much as
// the decoding.
[[gnu::always_inline]] inline void DecodeTo(const unsigned char* bytes, int width, char16_t* out) {
  if (width <= 0) return;
  const Cp932Table& table = Table();
  char16_t* const end = out + width;
  for (int i = 0; i < width; ++i) {
    const unsigned char b = bytes[i];
    if (b < 0x80) {
      *out++ = static_cast<char16_t>(b);  // ASCII, the usual byte, maps to itself
    } else if (IsLeadByte(b)) {
      // A lead byte without a trail byte after it stands alone; the next byte is read on its own.
      if (i + 1 < width && IsTrailByte(bytes[i + 1])) {
        *out++ = table.Pair(b, bytes[i + 1]);
        ++i;
      } else {
        *out++ = kReplacement;
      }
    } else {
      *out++ = table.Single(b);
    }
  }
  std::fill(out, end, u' ');
}

size_t WidthOf(int width) {
  return static_cast<size_t>(width > 0 ? width : 0);
}

}  // namespace

model::Text DecodeField(const unsigned char* bytes, int width) {
  model::Text text(WidthOf(width), u' ');
  DecodeTo(bytes, width, text.data());
  return text;
}

void DecodeFieldInto(const unsigned char* bytes, int width, model::Text& out) {
  // A field of the usual widths is decoded on the stack and copied over the cell in one go.
  std::array<char16_t, 64> decoded;  // written by DecodeTo before it is read
  if (width > 0 && static_cast<size_t>(width) <= decoded.size()) {
    DecodeTo(bytes, width, decoded.data());
    out.assign(decoded.data(), static_cast<size_t>(width));
    return;
  }
  out.resize(WidthOf(width));
  DecodeTo(bytes, width, out.data());
}

void DecodeFieldTo(const unsigned char* bytes, int width, char16_t* out) {
  DecodeTo(bytes, width, out);
}

}  // namespace intake
