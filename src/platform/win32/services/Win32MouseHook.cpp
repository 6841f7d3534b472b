#include "platform/win32/services/Win32MouseHook.h"

namespace nevra::win32 {

bool TWin32MouseHook::Call(const TMouseHookProc& AProc, WPARAM AMessage, LPARAM AData) {
  const auto* Event = reinterpret_cast<const MSLLHOOKSTRUCT*>(AData);
  // The high word is signed for a wheel's delta and 1 or 2 for a side button.
  const auto Data = static_cast<int16_t>(HIWORD(Event->mouseData));
  return AProc(TMouseHookEvent{static_cast<uint32_t>(AMessage), Event->pt.x, Event->pt.y, Data});
}

}  // namespace nevra::win32
