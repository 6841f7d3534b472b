#pragma once
#include <windows.h>

namespace nevra::win32 {

// The program's own window messages, each with a value of its own: a message that reaches
// another window than the one meant for it (a test window, a form's window) is then never taken
// for a different one.

// The message pump's markers, posted to itself to learn when everything before them is handled.
inline constexpr UINT kPumpMarkerMessage = WM_APP + 1;
// A threadpool timer's tick, posted to the GUI thread while it was idle.
inline constexpr UINT kTimerTickMessage = WM_APP + 2;
// The same, posted while the GUI thread was still busy with the timer's previous tick.
inline constexpr UINT kTimerCatchUpTickMessage = WM_APP + 3;
// A click on the notification-area icon, sent to the window of the form that owns the icon.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 4;
// Background work has progress to hand over, posted to its task's own message-only window.
inline constexpr UINT kBackgroundProgressMessage = WM_APP + 5;
// Background work may start: the GUI thread is back in its message loop.
inline constexpr UINT kBackgroundStartMessage = WM_APP + 6;

}  // namespace nevra::win32
