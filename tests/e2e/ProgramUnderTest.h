#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "ChildProcess.h"
#include "UiDriver.h"

namespace nevra::e2e {

// The program's path, from the command line (--program=PATH) or NEVRA_PROGRAM.
const std::string& ProgramPath();
void SetProgramPath(std::string APath);

// One run of the real program with the given application-data folder (where it keeps
// settings.ini and its macros). The constructor waits until the main window shows; the
// destructor closes the window as the user would and waits for the process to end, terminating
// it only if it hangs.
class TProgramUnderTest {
 public:
  TProgramUnderTest(const std::filesystem::path& AAppData, const std::string& AExecutable);
  TProgramUnderTest(const TProgramUnderTest&) = delete;
  TProgramUnderTest& operator=(const TProgramUnderTest&) = delete;
  ~TProgramUnderTest();

  const tools::TMainWindowDriver& Window() const { return *FWindow; }
  DWORD ProcessId() const { return FProcess->Id(); }
  // Closes the main window and waits for the process to end; false when it does not.
  bool CloseAndWaitForExit();
  DWORD ExitCode() const { return FProcess->ExitCode(); }

 private:
  std::unique_ptr<tools::TChildProcess> FProcess;
  std::unique_ptr<tools::TMainWindowDriver> FWindow;
  bool FExited = false;
};

}  // namespace nevra::e2e
