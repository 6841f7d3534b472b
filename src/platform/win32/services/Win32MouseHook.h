#pragma once
#include <windows.h>

#include "platform/MouseHook.h"
#include "platform/win32/services/Win32LowLevelHook.h"

namespace nevra::win32 {

// WH_MOUSE_LL for the whole desktop, on the installing thread.
class TWin32MouseHook final : public IMouseHook {
 public:
  bool Install(TMouseHookProc AProc) override { return FHook.Install(std::move(AProc)); }
  void Remove() override { FHook.Remove(); }
  bool Installed() const override { return FHook.Installed(); }

 private:
  static bool Call(const TMouseHookProc& AProc, WPARAM AMessage, LPARAM AData);
  TLowLevelHook<WH_MOUSE_LL, TMouseHookProc, &TWin32MouseHook::Call> FHook;
};

}  // namespace nevra::win32
