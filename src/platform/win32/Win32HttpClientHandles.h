#pragma once
#include <windows.h>
#include <winhttp.h>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// A WinHTTP session, connection or request. Closing a request that is still under way aborts it.
struct TInternetHandleTraits {
  using THandle = HINTERNET;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { ::WinHttpCloseHandle(AHandle); }
};

// Closing a work object does not wait for its callback; the owner waits for it first, so the
// callback never runs on a freed object.
struct TThreadpoolWorkTraits {
  using THandle = PTP_WORK;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) {
    ::WaitForThreadpoolWorkCallbacks(AHandle, FALSE);
    ::CloseThreadpoolWork(AHandle);
  }
};

using TInternetOwner = TUniqueHandle<TInternetHandleTraits>;
using TThreadpoolWorkOwner = TUniqueHandle<TThreadpoolWorkTraits>;

}  // namespace nevra::win32
