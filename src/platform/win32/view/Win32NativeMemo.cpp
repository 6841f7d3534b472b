#include "platform/win32/view/Win32NativeMemo.h"

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

void TNativeMemo::Create(bool AStartsGroup) {
  CreateWindowOf(WC_EDITW, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                 AStartsGroup);
  // No limit: the default one is for typing, and a text from outside may be longer.
  if (Window() != nullptr) ::SendMessageW(Window(), EM_SETLIMITTEXT, 0, 0);
}

void TNativeMemo::Sync(TControlProperty AProperty) {
  if (Window() == nullptr) return;
  // A memo shows its text, not a caption.
  if (AProperty == TControlProperty::cpCaption) return;
  if (AProperty != TControlProperty::cpText) {
    TNativeControl::Sync(AProperty);
    return;
  }
  const TNativeContext::TMirroring Mirroring(Context());
  ::SetWindowTextW(Window(), WithWindowsLineBreaks(Widen(FMemo.Text())).c_str());
}

std::optional<HBRUSH> TNativeMemo::Colours(UINT AMessage, HDC ADc, HWND AWindow) {
  if (Style() != nullptr && AMessage == WM_CTLCOLORSTATIC)
    return StyleColours(ADc, TextColour(IsEnabled(AWindow)), FieldColour(IsEnabled(AWindow)));
  return TNativeControl::Colours(AMessage, ADc, AWindow);
}

std::optional<LRESULT> TNativeMemo::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (const auto Result = FFrame.WindowMessage(AWindow, AMessage, AWParam, ALParam)) return Result;
  return RefreshAfterChange(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace nevra::win32
