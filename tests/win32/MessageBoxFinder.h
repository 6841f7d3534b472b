#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "MessageWait.h"
#include "WindowSearch.h"

namespace nevra::win32::test {

// The visible top-level window of the given window class (tools::kDialogClass a message box or
// dialog, tools::kPopupMenuClass a pop-up menu) that belongs to the given thread, with this
// caption when one is given; or null.
inline HWND FindVisibleThreadWindow(DWORD AThreadId, const wchar_t* AClassName,
                                    const std::optional<std::wstring>& ACaption = std::nullopt) {
  struct TSearch {
    const wchar_t* ClassName;
    const std::optional<std::wstring>& Caption;
    HWND Found = nullptr;
  } Search{AClassName, ACaption};
  EnumThreadWindows(
      AThreadId,
      [](HWND AWindow, LPARAM ASearch) -> BOOL {
        auto& Wanted = *reinterpret_cast<TSearch*>(ASearch);
        if (!tools::IsOfClass(AWindow, Wanted.ClassName) || !IsWindowVisible(AWindow)) return TRUE;
        if (Wanted.Caption.has_value() && tools::WindowCaption(AWindow) != *Wanted.Caption) return TRUE;
        Wanted.Found = AWindow;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

// Waits, from another thread, until the thread shows such a window (a modal one it runs);
// null after the time-out.
inline HWND WaitForThreadWindow(DWORD AThreadId, const wchar_t* AClassName, std::chrono::milliseconds ATimeout,
                                const std::optional<std::wstring>& ACaption = std::nullopt) {
  HWND Found = nullptr;
  tools::WaitUntil([&] { return (Found = FindVisibleThreadWindow(AThreadId, AClassName, ACaption)) != nullptr; },
                   ATimeout);
  return Found;
}

// The visible message box of the given thread, or null.
inline HWND FindOpenMessageBox(DWORD AThreadId) { return FindVisibleThreadWindow(AThreadId, tools::kDialogClass); }

// A key pressed and released, posted: the modal loop of the window's thread takes it from the
// queue as it would the user's.
inline void PostKey(HWND AWindow, WPARAM AKey) {
  PostMessageW(AWindow, WM_KEYDOWN, AKey, 1);
  PostMessageW(AWindow, WM_KEYUP, AKey, static_cast<LPARAM>(0xC0000001u));
}

}  // namespace nevra::win32::test
