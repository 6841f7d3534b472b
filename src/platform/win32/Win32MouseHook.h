#pragma once
#include <windows.h>

#include "platform/MouseHook.h"

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
  bool Installed() const override { return FHook != nullptr; }

 private:
  HHOOK FHook = nullptr;
};

}  // namespace nevra::win32
