#include "platform/win32/view/Win32NativeMemo.h"

#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

void TNativeMemo::Create(bool AStartsGroup) {
  CreateWindowOf(WC_EDITW, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                 AStartsGroup);
  // No limit: the default one is for typing, and a text from outside may be longer.
  if (Window() != nullptr) ::SendMessageW(Window(), EM_SETLIMITTEXT, 0, 0);
}

void TNativeMemo::ApplySkin() { AttachSkin(TSkin::skMemo); }

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

}  // namespace nevra::win32
