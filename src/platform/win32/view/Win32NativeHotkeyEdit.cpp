#include "platform/win32/view/Win32NativeHotkeyEdit.h"

#include <utility>

#include "platform/InputCodes.h"

namespace nevra::win32 {

namespace {
// The two sets of bits name the same keys in a different order.
constexpr std::pair<uint32_t, BYTE> kModifierPairs[] = {
    {HotkeyModifiers::Alt, HOTKEYF_ALT},
    {HotkeyModifiers::Control, HOTKEYF_CONTROL},
    {HotkeyModifiers::Shift, HOTKEYF_SHIFT},
};
}  // namespace

BYTE HotkeyControlModifiers(uint32_t ARegisterModifiers) {
  BYTE Bits = 0;
  for (const auto& [Register, Control] : kModifierPairs)
    if ((ARegisterModifiers & Register) != 0) Bits |= Control;
  return Bits;
}

uint32_t RegisterModifiers(BYTE AHotkeyControlModifiers) {
  uint32_t Bits = 0;
  for (const auto& [Register, Control] : kModifierPairs)
    if ((AHotkeyControlModifiers & Control) != 0) Bits |= Register;
  return Bits;
}

void TNativeHotkeyEdit::Create(bool AStartsGroup) {
  CreateWindowOf(HOTKEY_CLASSW, WS_TABSTOP, WS_EX_CLIENTEDGE, AStartsGroup);
}

void TNativeHotkeyEdit::ApplySkin() { AttachSkin(TSkin::skEdit); }

void TNativeHotkeyEdit::Sync(TControlProperty AProperty) {
  if (AProperty != TControlProperty::cpHotkey) {
    TNativeControl::Sync(AProperty);
    return;
  }
  if (Window() != nullptr) ShowHotkey();
}

void TNativeHotkeyEdit::SyncAll() {
  TNativeControl::SyncAll();
  Sync(TControlProperty::cpHotkey);
}

void TNativeHotkeyEdit::ShowHotkey() {
  TNativeContext::TMirroring Mirroring(Context());
  const auto Key = static_cast<BYTE>(FEdit.Vk());
  ::SendMessageW(Window(), HKM_SETHOTKEY, MAKEWORD(Key, HotkeyControlModifiers(FEdit.Modifiers())), 0);
}

bool TNativeHotkeyEdit::HandleCommand(UINT ACode) {
  if (ACode != EN_CHANGE) return false;
  if (!Context().TakesInput()) return true;
  const auto Hotkey = static_cast<WORD>(::SendMessageW(Window(), HKM_GETHOTKEY, 0, 0));
  const uint32_t Vk = LOBYTE(Hotkey);
  const uint32_t Modifiers = RegisterModifiers(HIBYTE(Hotkey));
  THotkeyEdit& Edit = FEdit;
  Context().Run([&Edit, Vk, Modifiers] { Edit.Press(Vk, Modifiers); });
  return true;
}

}  // namespace nevra::win32
