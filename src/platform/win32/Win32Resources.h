#pragma once

// Resource ids shared by the resource script (assets/app.rc) and the code.
#define NEVRA_APP_ICON_ID 1

#ifdef __cplusplus
namespace nevra::win32 {
inline constexpr int kAppIconId = NEVRA_APP_ICON_ID;
}
#endif
