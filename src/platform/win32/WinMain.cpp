// The program's entry point: the Win32 platform, then the start-up sequence.
#include <windows.h>

#include <exception>

#include "app/Startup.h"
#include "platform/win32/Win32CommandLine.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Text.h"
#include "product/AppInfo.h"
#include "update/UpdateSite.h"

// The update site and the publisher come from the build (see CMakeLists.txt).
#ifndef NEVRA_UPDATE_HOST
#error "NEVRA_UPDATE_HOST must be set by the build"
#endif
#ifndef NEVRA_PUBLISHER_SUBJECT
#define NEVRA_PUBLISHER_SUBJECT ""
#endif
#ifndef NEVRA_PUBLISHER_ISSUER
#define NEVRA_PUBLISHER_ISSUER ""
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    nevra::win32::TWin32Platform Platform;
    const nevra::TUpdateSite Site{NEVRA_UPDATE_HOST, nevra::kWebsiteUrl, NEVRA_PUBLISHER_SUBJECT,
                                  NEVRA_PUBLISHER_ISSUER};
    return nevra::RunApplication(Platform.Platform, Site, nevra::win32::CommandLineArguments());
  } catch (const std::exception& E) {
    // Only start-up itself can get here (no window could be made); handlers never throw this far.
    ::MessageBoxW(nullptr, nevra::win32::Widen(E.what()).c_str(), nevra::win32::Widen(nevra::kApplicationTitle).c_str(),
                  MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return 1;
  }
}
