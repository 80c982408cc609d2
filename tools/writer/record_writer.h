#pragma once
// Test support: builds KOL record files from field values, to make fixtures and sample meetings.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "intake/meeting_files.h"
#include "intake/record_layouts.h"
#include "model/text.h"

namespace writer {

// The CP932 bytes of a text; a character that CP932 lacks becomes '?'.
std::string EncodeCp932(const model::Text& text);

// The CP932 bytes of a text made exactly `width` bytes long: padded with blanks, or cut
// before the first character that would not fit whole.
std::string EncodeFitted(const model::Text& text, int width);

// One record of a layout, blank (0x20) until fields are set.
template <class Layout>
class RecordBuilder {
 public:
  RecordBuilder() { bytes_.fill(' '); }

  // Encodes text to CP932 and stores it in the field, padded with blanks or cut to the field's
  // width in bytes; a double-byte character that would not fit whole is left out.
  RecordBuilder& Set(int field, const model::Text& text) {
    return SetBytes(field, EncodeFitted(text, FieldAt(field).width));
  }
  // Same from UTF-8, for generated text.
  RecordBuilder& SetUtf8(int field, std::string_view utf8) { return Set(field, model::FromUtf8(utf8)); }
  // A non-negative number as digits, zero-padded to the field's width.
  RecordBuilder& SetNumber(int field, long value) {
    std::string digits = std::to_string(value);
    const int width = FieldAt(field).width;
    if (static_cast<int>(digits.size()) < width)
      digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
    return SetBytes(field, digits);
  }
  // Raw bytes, unchecked (for invalid CP932), padded with blanks or cut to the field's width.
  RecordBuilder& SetBytes(int field, std::string_view raw) {
    const intake::FieldPlace& f = FieldAt(field);
    for (int i = 0; i < f.width; ++i) {
      bytes_[static_cast<size_t>(f.first - 1 + i)] =
          i < static_cast<int>(raw.size()) ? static_cast<unsigned char>(raw[static_cast<size_t>(i)]) : ' ';
    }
    return *this;
  }

  const std::array<unsigned char, Layout::kLength>& Bytes() const { return bytes_; }

 private:
  static const intake::FieldPlace& FieldAt(int field) {
    return Layout::kFields.at(static_cast<size_t>(field));
  }

  std::array<unsigned char, Layout::kLength> bytes_{};
};

using Den1Builder = RecordBuilder<intake::Den1Record>;
using Den2Builder = RecordBuilder<intake::Den2Record>;
using UmaBuilder = RecordBuilder<intake::UmaRecord>;

// Writes bytes to a file, replacing it.
void WriteBytes(const std::filesystem::path& path, const std::string& content);

// Writes the records end to end, nothing else, replacing the file.
template <class Layout>
void WriteRecordFile(const std::filesystem::path& path, const std::vector<RecordBuilder<Layout>>& records) {
  std::string content;
  content.reserve(records.size() * Layout::kLength);
  for (const auto& r : records)
    content.append(reinterpret_cast<const char*>(r.Bytes().data()), Layout::kLength);
  WriteBytes(path, content);
}

// The three files of one meeting: races (kol_den1.kd2), runners in race order (kol_den2.kd2)
// and their horses in the same order (kol_uma.kd2).
struct MeetingFiles {
  std::vector<Den1Builder> races;
  std::vector<Den2Builder> runners;
  std::vector<UmaBuilder> horses;

  // Creates the folder if needed and writes the three files into it.
  void Write(const std::filesystem::path& folder) const;
};

using intake::kHorseFileName;
using intake::kRaceFileName;
using intake::kRunnerFileName;

}  // namespace writer
