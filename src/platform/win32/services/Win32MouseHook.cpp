#include "platform/win32/services/Win32MouseHook.h"

namespace nevra::win32 {

bool TWin32MouseHook::Call(const TMouseHookProc& AProc, WPARAM AMessage, LPARAM AData) {
  const auto* Event = reinterpret_cast<const MSLLHOOKSTRUCT*>(AData);
  return AProc(static_cast<uint32_t>(AMessage), Event->pt.x, Event->pt.y);
}

}  // namespace nevra::win32
