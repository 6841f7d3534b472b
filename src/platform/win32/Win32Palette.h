#pragma once
#include <windows.h>

namespace nevra::win32 {

// The colours the native view paints with, in one place.
inline constexpr COLORREF kLinkTextColour = RGB(107, 212, 51);

}  // namespace nevra::win32
