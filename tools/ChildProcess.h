#pragma once
#include <windows.h>

#include <chrono>
#include <map>
#include <string>

namespace nevra::tools {

// A program started by a test, with some environment variables replaced in its copy of our
// environment. The handles are closed on destruction; a process still running then is
// terminated, so a failed test never leaves one behind.
class TChildProcess {
 public:
  TChildProcess(const std::string& AExecutable, const std::map<std::wstring, std::wstring>& AEnvironmentChanges);
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;
  ~TChildProcess();

  DWORD Id() const { return FInfo.dwProcessId; }
  // True once the process has ended within the time-out.
  bool WaitForExit(std::chrono::milliseconds ATimeout);
  DWORD ExitCode() const;
  void Terminate();

 private:
  PROCESS_INFORMATION FInfo{};
};

}  // namespace nevra::tools
