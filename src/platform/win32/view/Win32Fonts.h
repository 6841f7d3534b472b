#pragma once
#include <windows.h>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// The window's font, Segoe UI at 9 points, for ADpi (optionally underlined, for a link that the
// mouse is over, or heavier, for captions).
TFontOwner CreateUiFont(UINT ADpi, bool AUnderlined = false, LONG AWeight = FW_NORMAL);

// The font AWindow draws its text in (WM_GETFONT); null for the system's.
HFONT FontOf(HWND AWindow);
// The height of a line of AWindow's text in its font, as an edit box or a list lays it out; 0 when
// it cannot be measured.
int LineHeightOf(HWND AWindow);

}  // namespace nevra::win32
