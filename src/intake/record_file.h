#pragma once
// Fixed-length record files of Shift-JIS text fields. Files are only ever opened for reading;
// a missing file and every byte beyond a file's end read as blanks (0x20).

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <vector>

#include "model/text.h"

namespace intake {

// One field: its first byte (1-based within the record) and its width in bytes.
struct FieldSpec {
  int first;
  int width;
};

// Decodes one field's bytes from CP932; the text gets one trailing blank per double-byte
// character, so it has exactly as many characters as the field has bytes.
model::Text DecodeField(const unsigned char* bytes, int width);

// Reads records by number (from 1) into one buffer; Layout gives kLength and kFields
// (kFields[number] for number 1..kFieldCount; kFields[0] unused).
template <class Layout>
class RecordReader {
 public:
  explicit RecordReader(const std::filesystem::path& path) : file_(path, std::ios::binary | std::ios::in) {
    buffer_.fill(' ');
  }
  // Fills the buffer with record n; bytes beyond the end of the file read as blanks.
  void Read(long n) {
    buffer_.fill(' ');
    if (!file_.is_open() || n < 1 || n - 1 > std::numeric_limits<std::streamoff>::max() / Layout::kLength)
      return;
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(n - 1) * Layout::kLength);
    if (!file_) return;
    file_.read(reinterpret_cast<char*>(buffer_.data()), Layout::kLength);
    file_.clear();
  }
  model::Text Field(int number) const {
    const FieldSpec& f = Layout::kFields.at(static_cast<size_t>(number));
    return DecodeField(buffer_.data() + f.first - 1, f.width);
  }
  const std::array<unsigned char, Layout::kLength>& Buffer() const { return buffer_; }

 private:
  std::ifstream file_;
  std::array<unsigned char, Layout::kLength> buffer_{};
};

}  // namespace intake
