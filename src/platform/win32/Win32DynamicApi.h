#pragma once
#include <windows.h>

namespace nevra::win32 {

// Functions newer than Windows 7, or from a DLL the program does not link (dwmapi.dll), resolved
// once with GetProcAddress. A null pointer means the running system lacks the function; every
// caller has a fallback.
struct TDynamicApi {
  UINT(WINAPI* GetDpiForWindow)(HWND) = nullptr;
  UINT(WINAPI* GetDpiForSystem)() = nullptr;
  int(WINAPI* GetSystemMetricsForDpi)(int, UINT) = nullptr;
  BOOL(WINAPI* AdjustWindowRectExForDpi)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* GetThreadDpiAwarenessContext)() = nullptr;
  BOOL(WINAPI* AreDpiAwarenessContextsEqual)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT) = nullptr;
  BOOL(WINAPI* SetProcessInformation)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD) = nullptr;
  HRESULT(WINAPI* DwmSetWindowAttribute)(HWND, DWORD, LPCVOID, DWORD) = nullptr;
};

const TDynamicApi& DynamicApi();

}  // namespace nevra::win32
