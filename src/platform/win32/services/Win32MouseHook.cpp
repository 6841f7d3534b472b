#include "platform/win32/services/Win32MouseHook.h"

namespace nevra::win32 {

namespace {

// The system calls a low-level hook on the thread that installed it, through a plain function:
// that thread's installed hook is how the function reaches its object. One per thread at most.
thread_local TWin32MouseHook* GInstalledHere = nullptr;

}  // namespace

LRESULT CALLBACK TWin32MouseHook::LowLevelMouseProc(int ACode, WPARAM AMessage, LPARAM AData) {
  if (ACode >= 0 && GInstalledHere != nullptr) {
    const auto* Event = reinterpret_cast<const MSLLHOOKSTRUCT*>(AData);
    // A copy: the procedure may remove the hook, and with it the original.
    const TMouseHookProc Proc = GInstalledHere->FProc;
    // The program's procedure only compares and appends; an error in it passes the input on.
    try {
      if (Proc(static_cast<uint32_t>(AMessage), Event->pt.x, Event->pt.y)) return 1;
    } catch (...) {
    }
  }
  return ::CallNextHookEx(nullptr, ACode, AMessage, AData);
}

bool TWin32MouseHook::Install(TMouseHookProc AProc) {
  Remove();
  if (GInstalledHere != nullptr) return false;
  FHook.Reset(::SetWindowsHookExW(WH_MOUSE_LL, LowLevelMouseProc, ::GetModuleHandleW(nullptr), 0));
  if (!FHook) return false;
  FProc = std::move(AProc);
  GInstalledHere = this;
  return true;
}

void TWin32MouseHook::Remove() {
  if (!FHook) return;
  FHook.Reset();
  FProc = nullptr;
  if (GInstalledHere == this) GInstalledHere = nullptr;
}

}  // namespace nevra::win32
