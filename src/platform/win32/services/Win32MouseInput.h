#pragma once
#include <windows.h>

#include <functional>

#include "platform/MouseInput.h"

namespace nevra::win32 {

// Returns the main window, or null while there is none.
using TWindowSource = std::function<HWND()>;

// Synthesised mouse input through SendInput, the cursor position and the virtual desktop.
class TWin32MouseInput final : public IMouseInput {
 public:
  // AMainWindow gives the window whose DPI the virtual-desktop metrics are read for; without one
  // (or while it returns null) the plain system metrics are used.
  explicit TWin32MouseInput(TWindowSource AMainWindow = {});

  using IMouseInput::SendMouseInput;
  void SendMouseInput(std::span<const TMouseInputRecord> ARecords) override;
  bool GetCursorPos(TPoint& APoint) override;
  TVirtualDesktop GetVirtualDesktop() override;

 private:
  TWindowSource FMainWindow;
};

// The INPUT record SendMouseInput sends for ARecord: zeroed in full, type INPUT_MOUSE.
INPUT MakeMouseInput(const TMouseInputRecord& ARecord);

}  // namespace nevra::win32
