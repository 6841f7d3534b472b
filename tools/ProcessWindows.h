#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "WindowSearch.h"

namespace nevra::tools {

// The program's own top-level windows besides its main window: message boxes, the input
// dialog and pop-up menus, found by window class (and caption) among the windows of its process.

// Their classes (kDialogClass, kPopupMenuClass) and FindChildOfClass, for a dialog's edit field,
// come with WindowSearch.h.

// A visible top-level window of the process with this class, and this caption when one is given.
HWND FindProcessWindow(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption = {});
// Waits (handling this thread's messages) until such a window shows; null after the time-out.
HWND WaitForProcessWindow(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption,
                          std::chrono::milliseconds ATimeout);
// Waits until the window has been destroyed; false after the time-out.
bool WaitUntilClosed(HWND AWindow, std::chrono::milliseconds ATimeout);

// The message of a message box: the text of its static control that holds one.
std::string MessageBoxText(HWND ABox);
// Clicks the dialog's button with this id (IDOK, IDCANCEL, IDYES, IDNO) as the user would.
void PressDialogButton(HWND ADialog, int AId);

}  // namespace nevra::tools
