// The program's entry point: the Win32 platform, then the start-up sequence.
#include <windows.h>

#include <exception>

#include "app/AppInfo.h"
#include "app/Startup.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    nevra::win32::TWin32Platform Platform;
    return nevra::RunApplication(Platform.Platform);
  } catch (const std::exception& E) {
    // Only start-up itself can get here (no window could be made); handlers never throw this far.
    ::MessageBoxW(nullptr, nevra::win32::Widen(E.what()).c_str(), nevra::win32::Widen(nevra::kApplicationTitle).c_str(),
                  MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return 1;
  }
}
