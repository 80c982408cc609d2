#pragma once
// A fresh folder per test. ctest runs tests as parallel processes, so a folder name must be unique
// to the test and the process, or one test's set-up removes another's files.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testsupport {

// Creates (empty) and returns a folder named after the running test; removed by ~ScopedTempDir.
class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The whole content of a file, empty when it cannot be read.
inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace testsupport
