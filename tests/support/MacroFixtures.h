#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace nevra::test {

// A macro file the tests keep as an earlier version of the program wrote it, byte for byte
// (tests/macros/fixtures).
inline std::string ReadMacroFixture(const std::string& AName) {
  std::ifstream File(std::string(NEVRA_TEST_FIXTURES) + "/" + AName, std::ios::binary);
  EXPECT_TRUE(File) << AName;
  return std::string(std::istreambuf_iterator<char>(File), {});
}

}  // namespace nevra::test
