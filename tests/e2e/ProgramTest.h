#pragma once
#include <gtest/gtest.h>

#include "ProgramUnderTest.h"

namespace nevra::e2e {

// A fresh program for every test. Every test ends the way a user ends the program: closing the
// main window must end the process, with exit code 0 and no dialog left waiting.
class TProgramTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(Program.CloseAndWaitForExit()) << "the program did not end after its window was closed";
    EXPECT_EQ(Program.ExitCode(), 0u);
  }
  const tools::TMainWindowDriver& Window() const { return Program.Window(); }

  TProgramUnderTest Program;
};

}  // namespace nevra::e2e
