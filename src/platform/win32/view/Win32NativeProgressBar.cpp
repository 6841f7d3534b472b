#include "platform/win32/view/Win32NativeProgressBar.h"

#include <uxtheme.h>

namespace nevra::win32 {

void TNativeProgressBar::Create(bool AStartsGroup) {
  CreateWindowOf(PROGRESS_CLASSW, 0, 0, AStartsGroup);
  if (Window() == nullptr) return;
  ::SendMessageW(Window(), PBM_SETRANGE32, 0, TProgressBar::kMax);
  if (Style() == nullptr) return;
  // The themed bar ignores colours; without a theme it takes the style's.
  ::SetWindowTheme(Window(), L"", L"");
  ::SendMessageW(Window(), PBM_SETBARCOLOR, 0, static_cast<LPARAM>(palette::kAccent));
  ::SendMessageW(Window(), PBM_SETBKCOLOR, 0, static_cast<LPARAM>(palette::kField));
}

void TNativeProgressBar::Sync(TControlProperty AProperty) {
  if (AProperty != TControlProperty::cpPosition) {
    TNativeControl::Sync(AProperty);
    return;
  }
  if (Window() != nullptr) ::SendMessageW(Window(), PBM_SETPOS, static_cast<WPARAM>(FProgressBar.Position()), 0);
}

}  // namespace nevra::win32
