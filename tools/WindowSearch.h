#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace nevra::tools {

// Finding windows by process, class and caption, for the test tiers and the benchmark driver.
// Captions are read with GetWindowTextW, which takes another process's window text from the
// system without asking that window, so a hung program cannot stall a search, and which cannot
// throw: the searches run inside EnumWindows callbacks, which nothing may unwind out of.

// The system's classes of a dialog or message box, and of a pop-up menu.
inline constexpr const wchar_t* kDialogClass = L"#32770";
inline constexpr const wchar_t* kPopupMenuClass = L"#32768";

// What a visible top-level window must match; an empty field matches any window.
struct TWindowQuery {
  DWORD ProcessId = 0;
  const wchar_t* Class = nullptr;
  std::optional<std::wstring> Caption;
};

// The window's class name ("#32770", "Edit", ...).
std::wstring ClassName(HWND AWindow);
// Whether the window is of this class; class names compare without regard to case, as Windows does.
bool IsOfClass(HWND AWindow, const wchar_t* AClass);
// The window's text; for a window of another process, as the system keeps it.
std::wstring WindowCaption(HWND AWindow);

// The first visible top-level window that matches, or null.
HWND FindVisibleWindow(const TWindowQuery& AQuery);
// Waits (handling this thread's messages) until such a window shows; null after the time-out.
HWND WaitForVisibleWindow(const TWindowQuery& AQuery, std::chrono::milliseconds ATimeout);

// The first descendant of this class (for example the edit field of a dialog), or null.
HWND FindChildOfClass(HWND AParent, const wchar_t* AClass);

}  // namespace nevra::tools
