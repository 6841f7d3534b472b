#pragma once
#include <windows.h>

#include <string>

namespace nevra::win32::test {

// The visible message box (dialog class "#32770") of the given thread, or null.
inline HWND FindOpenMessageBox(DWORD AThreadId) {
  HWND Found = nullptr;
  EnumThreadWindows(
      AThreadId,
      [](HWND AWindow, LPARAM AFound) -> BOOL {
        wchar_t Class[16] = {};
        GetClassNameW(AWindow, Class, 16);
        if (std::wstring(Class) != L"#32770" || !IsWindowVisible(AWindow)) return TRUE;
        *reinterpret_cast<HWND*>(AFound) = AWindow;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Found));
  return Found;
}

}  // namespace nevra::win32::test
