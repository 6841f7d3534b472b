#pragma once
#include <windows.h>

#include "platform/KeyboardHook.h"
#include "platform/win32/services/Win32LowLevelHook.h"

namespace nevra::win32 {

// WH_KEYBOARD_LL for the whole desktop, on the installing thread.
class TWin32KeyboardHook final : public IKeyboardHook {
 public:
  bool Install(TKeyboardHookProc AProc) override { return FHook.Install(std::move(AProc)); }
  void Remove() override { FHook.Remove(); }
  bool Installed() const override { return FHook.Installed(); }

 private:
  static bool Call(const TKeyboardHookProc& AProc, WPARAM AMessage, LPARAM AData);
  TLowLevelHook<WH_KEYBOARD_LL, TKeyboardHookProc, &TWin32KeyboardHook::Call> FHook;
};

}  // namespace nevra::win32
