#pragma once
#include <windows.h>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// The window's font, Segoe UI at 9 points, for ADpi (optionally underlined, for a link that the
// mouse is over, or heavier, for captions).
TFontOwner CreateUiFont(UINT ADpi, bool AUnderlined = false, LONG AWeight = FW_NORMAL);

}  // namespace nevra::win32
