#include "platform/win32/Win32MouseHook.h"

namespace nevra::win32 {

namespace {

// One low-level hook per process at most: the procedure the program gave.
TMouseHookProc GProc = nullptr;

LRESULT CALLBACK LowLevelMouseProc(int ACode, WPARAM AMessage, LPARAM AData) {
  if (ACode >= 0 && GProc != nullptr) {
    const auto* Event = reinterpret_cast<const MSLLHOOKSTRUCT*>(AData);
    // The program's procedure only compares and appends; nothing it does may stop the input.
    try {
      GProc(static_cast<uint32_t>(AMessage), Event->pt.x, Event->pt.y);
    } catch (...) {
    }
  }
  return ::CallNextHookEx(nullptr, ACode, AMessage, AData);
}

}  // namespace

bool TWin32MouseHook::Install(TMouseHookProc AProc) {
  Remove();
  GProc = AProc;
  FHook = ::SetWindowsHookExW(WH_MOUSE_LL, LowLevelMouseProc, ::GetModuleHandleW(nullptr), 0);
  if (FHook == nullptr) GProc = nullptr;
  return FHook != nullptr;
}

void TWin32MouseHook::Remove() {
  if (FHook == nullptr) return;
  ::UnhookWindowsHookEx(FHook);
  FHook = nullptr;
  GProc = nullptr;
}

}  // namespace nevra::win32
