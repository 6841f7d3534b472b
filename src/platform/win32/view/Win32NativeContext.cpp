#include "platform/win32/view/Win32NativeContext.h"

#include "platform/win32/view/Win32Fonts.h"

namespace nevra::win32 {

TNativeContext::TNativeContext(TForm& AForm, HWND AWindow, TEventDispatcher& ADispatcher, UINT ADpi,
                               const TWin32Style* AStyle)
    : FForm(&AForm), FWindow(AWindow), FDispatcher(ADispatcher), FDpi(ADpi), FStyle(AStyle), FTooltips(AWindow) {
  FFont = CreateUiFont(FDpi);
  FUnderlinedFont = CreateUiFont(FDpi, true);
}

std::pair<TFontOwner, TFontOwner> TNativeContext::SetDpi(UINT ADpi) {
  FDpi = ADpi;
  TFontOwner Font = CreateUiFont(FDpi);
  TFontOwner Underlined = CreateUiFont(FDpi, true);
  std::swap(FFont, Font);
  std::swap(FUnderlinedFont, Underlined);
  return {std::move(Font), std::move(Underlined)};
}

void TNativeContext::MoveFocusAwayFrom(HWND AWindow) const {
  if (::GetFocus() != AWindow) return;
  const HWND Next = ::GetNextDlgTabItem(FWindow, AWindow, FALSE);
  ::SetFocus(Next != nullptr && Next != AWindow ? Next : FWindow);
}

}  // namespace nevra::win32
