#pragma once
// Fixed-length record files of Shift-JIS text fields. Files are only ever opened for reading;
// a missing file and every byte beyond a file's end read as blanks (0x20), and each reader tells
// what it found missing.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <span>
#include <vector>

#include "model/text.h"

namespace intake {

// One field: its first byte (1-based within the record) and its width in bytes.
struct FieldPlace {
  int first;
  int width;
};

// Decodes one field's bytes from CP932; the text gets one trailing blank per double-byte
// character, so it has exactly as many characters as the field has bytes.
model::Text DecodeField(const unsigned char* bytes, int width);
// The same text written over out (for a cell that already holds a text: no new text is made).
void DecodeFieldInto(const unsigned char* bytes, int width, model::Text& out);
// The same text written to out, which has room for width characters.
void DecodeFieldTo(const unsigned char* bytes, int width, char16_t* out);

// How a read went with one record file, for the warning after a read step.
struct RecordFileUse {
  std::filesystem::path path;
  bool opened = false;       // opened as a regular file
  std::uint64_t size = 0;    // its length in bytes when opened (or where a read found its end)
  std::uint64_t needed = 0;  // bytes up to the end of the last record the read asked for
  // Opened, and every record asked for lay wholly inside the file.
  bool Complete() const { return opened && needed <= size; }
};

// A record file open for reading. Only a regular file is read, and opening never waits: a FIFO, a
// folder or a device in its place, or a file that cannot be opened, reads as missing.
class RecordFile {
 public:
  explicit RecordFile(const std::filesystem::path& path);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Reads length bytes from offset into out; bytes beyond the end of the file are left as they are.
  // An offset beyond what a file can hold reads nothing.
  void ReadAt(std::uint64_t offset, unsigned char* out, std::size_t length);
  // The bytes ReadAt would write, read in place: as many of the length bytes from offset as the
  // file holds, valid until the next read.
  std::span<const unsigned char> BytesAt(std::uint64_t offset, std::size_t length);
  const RecordFileUse& Use() const { return use_; }

 private:
  // Reads ahead from offset into the block, at least length bytes' worth; how many the file gave.
  std::size_t LoadBlock(std::uint64_t offset, std::size_t length);

  int fd_ = -1;
  RecordFileUse use_;
  // The bytes read ahead: records are read in order, so one read serves many of them.
  std::unique_ptr<unsigned char[]> block_;
  std::size_t block_capacity_ = 0;
  std::uint64_t block_offset_ = 0;
  std::size_t block_filled_ = 0;
};

// Reads records by number (from 1) into one buffer; Layout gives kLength and kFields
// (kFields[number] for number 1..kFieldCount; kFields[0] unused).
template <class Layout>
class RecordReader {
 public:
  explicit RecordReader(const std::filesystem::path& path) : file_(path) { buffer_.fill(' '); }
  // Makes record n the current one; bytes beyond the end of the file read as blanks.
  void Read(long n) {
    record_ = buffer_.data();
    if (n < 1) {
      buffer_.fill(' ');
      return;
    }
    const auto index = static_cast<std::uint64_t>(n) - 1;
    constexpr std::uint64_t kLastIndex = std::numeric_limits<std::uint64_t>::max() / Layout::kLength;
    const std::uint64_t offset =
        index > kLastIndex ? std::numeric_limits<std::uint64_t>::max() : index * Layout::kLength;
    const std::span<const unsigned char> bytes = file_.BytesAt(offset, Layout::kLength);
    if (bytes.size() == Layout::kLength) {
      record_ = bytes.data();  // a whole record in the file's block is read where it lies
      return;
    }
    std::fill(std::copy(bytes.begin(), bytes.end(), buffer_.begin()), buffer_.end(), ' ');
  }
  model::Text Field(int number) const {
    const FieldPlace& f = FieldAt(number);
    return DecodeField(record_ + f.first - 1, f.width);
  }
  // Field(number) written over out, or added at its end.
  void FieldInto(int number, model::Text& out) const {
    const FieldPlace& f = FieldAt(number);
    DecodeFieldInto(record_ + f.first - 1, f.width, out);
  }
  // The texts of the numbered fields joined by separator, written over out.
  void JoinedFieldsInto(std::span<const int> numbers, char16_t separator, model::Text& out) const {
    size_t size = numbers.empty() ? 0 : numbers.size() - 1;
    for (const int number : numbers) size += static_cast<size_t>(std::max(FieldAt(number).width, 0));
    out.resize(size);
    char16_t* at = out.data();
    for (size_t k = 0; k < numbers.size(); ++k) {
      if (k > 0) *at++ = separator;
      const FieldPlace& f = FieldAt(numbers[k]);
      DecodeFieldTo(record_ + f.first - 1, f.width, at);
      at += std::max(f.width, 0);
    }
  }
  std::span<const unsigned char, Layout::kLength> Buffer() const {
    return std::span<const unsigned char, Layout::kLength>(record_, Layout::kLength);
  }
  const RecordFileUse& Use() const { return file_.Use(); }

 private:
  static const FieldPlace& FieldAt(int number) { return Layout::kFields.at(static_cast<size_t>(number)); }

  RecordFile file_;
  // The current record's bytes: in the file's block, or in buffer_ when the file ends within it.
  std::array<unsigned char, Layout::kLength> buffer_{};
  const unsigned char* record_ = buffer_.data();
};

}  // namespace intake
