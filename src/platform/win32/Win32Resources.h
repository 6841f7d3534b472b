#pragma once

// Resource ids shared by the resource script (assets/app.rc) and the code.
#define NEVRA_APP_ICON_ID 1

#ifdef __cplusplus
#include <windows.h>

namespace nevra::win32 {
inline constexpr int kAppIconId = NEVRA_APP_ICON_ID;

// The application icon drawn for ASize pixels square; the caller owns it.
inline HICON LoadAppIcon(int ASize) {
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAppIconId), IMAGE_ICON, ASize,
                                         ASize, LR_DEFAULTCOLOR));
}
}  // namespace nevra::win32
#endif
