#pragma once
#include <windows.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/Win32Handles.h"

namespace nevra::tools {

// A program started by a test with these arguments, each reaching it as one (quoted as
// CommandLineToArgvW reads them), and some environment variables replaced in its copy of our
// environment. A process still running when this goes is terminated, so a failed test never
// leaves one behind.
class TChildProcess {
 public:
  TChildProcess(const std::string& AExecutable, const std::map<std::wstring, std::wstring>& AEnvironmentChanges,
                const std::vector<std::string>& AArguments = {});
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;
  ~TChildProcess();

  DWORD Id() const { return FId; }
  // True once the process has ended within the time-out.
  bool WaitForExit(std::chrono::milliseconds ATimeout);
  DWORD ExitCode() const;
  void Terminate();

 private:
  win32::THandleOwner FProcess;
  win32::THandleOwner FThread;
  DWORD FId = 0;
};

}  // namespace nevra::tools
