#pragma once
#include <windows.h>
#include <winhttp.h>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// A WinHTTP session, connection or request. Closing a request that is still under way aborts it.
using TInternetOwner = TUniqueHandle<TNullHandleTraits<HINTERNET, &::WinHttpCloseHandle>>;

}  // namespace nevra::win32
