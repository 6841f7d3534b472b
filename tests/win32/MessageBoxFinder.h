#pragma once
#include <windows.h>

#include <string>

namespace nevra::win32::test {

// The visible top-level window of the given window class ("#32770" a message box or dialog,
// "#32768" a pop-up menu) that belongs to the given thread, or null.
inline HWND FindVisibleThreadWindow(DWORD AThreadId, const wchar_t* AClassName) {
  struct TSearch {
    const wchar_t* ClassName;
    HWND Found = nullptr;
  } Search{AClassName};
  EnumThreadWindows(
      AThreadId,
      [](HWND AWindow, LPARAM ASearch) -> BOOL {
        auto& Wanted = *reinterpret_cast<TSearch*>(ASearch);
        wchar_t Class[16] = {};
        GetClassNameW(AWindow, Class, 16);
        if (std::wstring(Class) != Wanted.ClassName || !IsWindowVisible(AWindow)) return TRUE;
        Wanted.Found = AWindow;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

// The visible message box of the given thread, or null.
inline HWND FindOpenMessageBox(DWORD AThreadId) { return FindVisibleThreadWindow(AThreadId, L"#32770"); }

}  // namespace nevra::win32::test
