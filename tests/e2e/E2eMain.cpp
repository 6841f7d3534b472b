// Runs the end-to-end tests against the program given as --program=PATH (or in NEVRA_PROGRAM).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ProgramPath.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (const char* FromEnvironment = std::getenv("NEVRA_PROGRAM")) nevra::e2e::SetProgramPath(FromEnvironment);
  constexpr const char* kOption = "--program=";
  for (int I = 1; I < argc; ++I) {
    if (std::strncmp(argv[I], kOption, std::strlen(kOption)) == 0)
      nevra::e2e::SetProgramPath(argv[I] + std::strlen(kOption));
  }
  if (nevra::e2e::ProgramPath().empty()) {
    std::fprintf(stderr, "usage: NevraE2eTests.exe --program=PATH\\NevraAutoClicker.exe [gtest options]\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
