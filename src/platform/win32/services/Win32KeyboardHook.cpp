#include "platform/win32/services/Win32KeyboardHook.h"

#include "platform/InputCodes.h"

namespace nevra::win32 {

namespace {

// The modifier keys held now. Inside the hook this is the state before the event it reports, as
// Windows updates it once the hooks have let the event pass.
uint32_t HeldModifiers() {
  const auto Held = [](int AVk) { return (::GetAsyncKeyState(AVk) & 0x8000) != 0; };
  return (Held(VK_MENU) ? HotkeyModifiers::Alt : 0) | (Held(VK_CONTROL) ? HotkeyModifiers::Control : 0) |
         (Held(VK_SHIFT) ? HotkeyModifiers::Shift : 0) | (Held(VK_LWIN) || Held(VK_RWIN) ? HotkeyModifiers::Win : 0);
}

}  // namespace

bool TWin32KeyboardHook::Call(const TKeyboardHookProc& AProc, WPARAM AMessage, LPARAM AData) {
  const auto* Event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(AData);
  TKeyEvent Key;
  Key.Vk = Event->vkCode;
  Key.ScanCode = Event->scanCode;
  Key.Down = AMessage == WM_KEYDOWN || AMessage == WM_SYSKEYDOWN;
  Key.Extended = (Event->flags & LLKHF_EXTENDED) != 0;
  Key.Injected = (Event->flags & LLKHF_INJECTED) != 0;
  Key.Modifiers = HeldModifiers();
  return AProc(Key);
}

}  // namespace nevra::win32
