#pragma once
#include <windows.h>

#include "platform/MouseHook.h"
#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// WH_MOUSE_LL for the whole desktop. The system calls the hook on the installing thread while
// it waits for messages; the procedure passes every event on at once.
class TWin32MouseHook final : public IMouseHook {
 public:
  TWin32MouseHook() = default;
  TWin32MouseHook(const TWin32MouseHook&) = delete;
  TWin32MouseHook& operator=(const TWin32MouseHook&) = delete;
  ~TWin32MouseHook() override { Remove(); }
  bool Install(TMouseHookProc AProc) override;
  void Remove() override;
  bool Installed() const override { return static_cast<bool>(FHook); }

 private:
  static LRESULT CALLBACK LowLevelMouseProc(int ACode, WPARAM AMessage, LPARAM AData);
  THookOwner FHook;
  TMouseHookProc FProc;
};

}  // namespace nevra::win32
