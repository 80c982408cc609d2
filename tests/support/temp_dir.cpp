#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace testsupport {

ScopedTempDir::ScopedTempDir() {
  std::string name = "tarvelo";
  if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
    name += std::string("_") + info->test_suite_name() + "_" + info->name();
  }
  for (char& c : name) {
    if (c == '/' || c == ' ') c = '_';
  }
  name += "_" + std::to_string(getpid());
  path_ = std::filesystem::path(::testing::TempDir()) / name;
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScopedTempDir::~ScopedTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace testsupport
