#include "tools/writer/record_writer.h"

#include <iconv.h>

#include <fstream>
#include <stdexcept>

namespace writer {

std::string EncodeCp932(const model::Text& text) {
  static const iconv_t cd = iconv_open("CP932", "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert to CP932");
  std::string out;
  for (char16_t c : text) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    char buf[8];
    char* in_ptr = in;
    char* out_ptr = buf;
    size_t in_left = sizeof in;
    size_t out_left = sizeof buf;
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1) || in_left != 0) {
      out += '?';
    } else {
      out.append(buf, sizeof buf - out_left);
    }
  }
  return out;
}

std::string EncodeFitted(const model::Text& text, int width) {
  const size_t size = width > 0 ? static_cast<size_t>(width) : 0;
  std::string out;
  for (char16_t c : text) {
    const std::string bytes = EncodeCp932(model::Text(1, c));
    if (out.size() + bytes.size() > size) break;
    out += bytes;
  }
  out.resize(size, ' ');
  return out;
}

void WriteBytes(const std::filesystem::path& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

void MeetingFiles::Write(const std::filesystem::path& folder) const {
  std::filesystem::create_directories(folder);
  WriteRecordFile(folder / kRaceFileName, races);
  WriteRecordFile(folder / kRunnerFileName, runners);
  WriteRecordFile(folder / kHorseFileName, horses);
}

}  // namespace writer
