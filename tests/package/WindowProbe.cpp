// Waits until a top-level window of a class is shown, or until none is left, for the package
// tests that drive the installed program from a shell:
//   WindowProbe shown CLASS SECONDS   prints the window's process id once one is visible
//   WindowProbe gone CLASS SECONDS
// Exit status: 0 when it happened, 1 on time-out, 2 on wrong use.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool Usage() {
  std::fputs("usage: WindowProbe shown|gone CLASS SECONDS\n", stderr);
  return false;
}

bool ParseArguments(int AArgc, char** AArgv, bool& AWantShown, ULONGLONG& ATimeoutMs) {
  if (AArgc != 4) return Usage();
  const bool Shown = std::strcmp(AArgv[1], "shown") == 0;
  if (!Shown && std::strcmp(AArgv[1], "gone") != 0) return Usage();
  const long Seconds = std::strtol(AArgv[3], nullptr, 10);
  if (Seconds <= 0) return Usage();
  AWantShown = Shown;
  ATimeoutMs = static_cast<ULONGLONG>(Seconds) * 1000;
  return true;
}

}  // namespace

int main(int AArgc, char** AArgv) {
  bool WantShown = false;
  ULONGLONG TimeoutMs = 0;
  if (!ParseArguments(AArgc, AArgv, WantShown, TimeoutMs)) return 2;
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  for (;;) {
    const HWND Window = FindWindowA(AArgv[2], nullptr);
    if (WantShown && Window != nullptr && IsWindowVisible(Window)) {
      DWORD ProcessId = 0;
      GetWindowThreadProcessId(Window, &ProcessId);
      std::printf("%lu\n", static_cast<unsigned long>(ProcessId));
      return 0;
    }
    if (!WantShown && Window == nullptr) return 0;
    if (GetTickCount64() >= Deadline) return 1;
    Sleep(100);
  }
}
