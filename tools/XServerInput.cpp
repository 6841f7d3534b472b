#include "XServerInput.h"

#include <windows.h>

#include <chrono>

#include "MessageWait.h"

namespace nevra::tools {

bool RunXdotool(const std::wstring& AArguments) {
  std::wstring CommandLine = L"start.exe /wait /unix /usr/bin/xdotool " + AArguments;
  STARTUPINFOW Startup{};
  Startup.cb = sizeof(Startup);
  PROCESS_INFORMATION Process{};
  if (CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &Startup,
                     &Process) == FALSE)
    return false;
  const bool Ended =
      WaitUntil([&] { return WaitForSingleObject(Process.hProcess, 0) == WAIT_OBJECT_0; }, std::chrono::seconds(30));
  DWORD ExitCode = 1;
  if (Ended) GetExitCodeProcess(Process.hProcess, &ExitCode);
  CloseHandle(Process.hThread);
  CloseHandle(Process.hProcess);
  return Ended && ExitCode == 0;
}

}  // namespace nevra::tools
