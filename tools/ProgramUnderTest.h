#pragma once
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "UiDriver.h"

namespace nevra::tools {

// Starts the program with the given application-data folder, where it keeps settings.ini and its
// macros, so a run never sees the settings of another, and these command-line arguments. Does not
// wait for any window: for runs that show something else first (the New Version dialog) or none
// (a second copy hands its arguments to the first and ends).
std::unique_ptr<TChildProcess> StartWithAppData(const std::string& AExecutable, const std::filesystem::path& AAppData,
                                                const std::vector<std::string>& AArguments = {});

// One run of the real program with its own application-data folder. The constructor waits
// until the main window shows; the destructor closes the window as the user would and waits for
// the process to end, terminating it only if it hangs.
class TProgramUnderTest {
 public:
  TProgramUnderTest(const std::filesystem::path& AAppData, const std::string& AExecutable);
  TProgramUnderTest(const TProgramUnderTest&) = delete;
  TProgramUnderTest& operator=(const TProgramUnderTest&) = delete;
  ~TProgramUnderTest();

  const TMainWindowDriver& Window() const { return *FWindow; }
  DWORD ProcessId() const { return FProcess->Id(); }
  // Closes the main window and waits for the process to end; false when it does not.
  bool CloseAndWaitForExit();
  DWORD ExitCode() const { return FProcess->ExitCode(); }
  // Ends the process at once, as the task manager does: no handler runs, nothing is saved.
  void Kill();

 private:
  std::unique_ptr<TChildProcess> FProcess;
  std::unique_ptr<TMainWindowDriver> FWindow;
  bool FExited = false;
};

}  // namespace nevra::tools
