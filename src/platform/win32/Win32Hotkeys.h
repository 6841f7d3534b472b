#pragma once
#include <windows.h>

#include <functional>

#include "platform/Hotkeys.h"

namespace nevra::win32 {

// RegisterHotKey for the main window; WM_HOTKEY then arrives in its window procedure.
class TWin32Hotkeys final : public IHotkeys {
 public:
  explicit TWin32Hotkeys(std::function<HWND()> AMainWindow) : FMainWindow(std::move(AMainWindow)) {}
  void Register(int32_t AId, uint32_t AModifiers, uint32_t AVk) override;
  void Unregister(int32_t AId) override;
  std::string KeyName(uint32_t AVk) override;

 private:
  std::function<HWND()> FMainWindow;
};

}  // namespace nevra::win32
