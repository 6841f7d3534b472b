#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace nevra::tools {

// The program's own top-level windows besides its main window: message boxes, the input
// dialog and pop-up menus, found by window class (and caption) among the windows of its process.

inline constexpr const wchar_t* kDialogClass = L"#32770";
inline constexpr const wchar_t* kPopupMenuClass = L"#32768";

// A visible top-level window of the process with this class, and this caption when one is given.
HWND FindProcessWindow(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption = {});
// Waits (handling this thread's messages) until such a window shows; null after the time-out.
HWND WaitForProcessWindow(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption,
                          std::chrono::milliseconds ATimeout);
// Waits until the window has been destroyed; false after the time-out.
bool WaitUntilClosed(HWND AWindow, std::chrono::milliseconds ATimeout);

// The first child of this class (for example the edit field of a dialog), or null.
HWND FindChildOfClass(HWND AParent, const wchar_t* AClass);
// The message of a message box: the text of its static control that holds one.
std::string MessageBoxText(HWND ABox);
// Clicks the dialog's button with this id (IDOK, IDCANCEL, IDYES, IDNO) as the user would.
void PressDialogButton(HWND ADialog, int AId);

}  // namespace nevra::tools
