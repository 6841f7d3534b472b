#pragma once
#include <windows.h>

#include <utility>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// A low-level hook of one kind (WH_MOUSE_LL, WH_KEYBOARD_LL) for the whole desktop. The system
// calls it on the installing thread while that thread waits for messages, through a plain
// function: the thread's installed hook of the kind is how that function reaches the program's
// procedure, so a thread holds one hook of a kind at most. ACall hands the event to the procedure
// and says whether it takes the input.
template <int AKind, typename TProc, bool (*ACall)(const TProc&, WPARAM, LPARAM)>
class TLowLevelHook {
 public:
  TLowLevelHook() = default;
  TLowLevelHook(const TLowLevelHook&) = delete;
  TLowLevelHook& operator=(const TLowLevelHook&) = delete;
  ~TLowLevelHook() { Remove(); }

  bool Install(TProc AProc) {
    Remove();
    if (GInstalledHere != nullptr) return false;
    FHook.Reset(::SetWindowsHookExW(AKind, &Callback, ::GetModuleHandleW(nullptr), 0));
    if (!FHook) return false;
    FProc = std::move(AProc);
    GInstalledHere = this;
    return true;
  }
  void Remove() {
    if (!FHook) return;
    FHook.Reset();
    FProc = nullptr;
    if (GInstalledHere == this) GInstalledHere = nullptr;
  }
  bool Installed() const { return static_cast<bool>(FHook); }

 private:
  static LRESULT CALLBACK Callback(int ACode, WPARAM AWParam, LPARAM ALParam) {
    if (ACode >= 0 && GInstalledHere != nullptr) {
      // A copy: the procedure may remove the hook, and with it the original.
      const TProc Proc = GInstalledHere->FProc;
      // The program's procedure only looks and notes; an error in it passes the input on.
      try {
        if (ACall(Proc, AWParam, ALParam)) return 1;
      } catch (...) {
      }
    }
    return ::CallNextHookEx(nullptr, ACode, AWParam, ALParam);
  }

  static inline thread_local TLowLevelHook* GInstalledHere = nullptr;
  THookOwner FHook;
  TProc FProc;
};

}  // namespace nevra::win32
