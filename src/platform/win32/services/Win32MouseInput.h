#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

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
  // Reading the four metrics costs more than the rest of a click (under Wine each is a round trip
  // to the registry: at 1 ms with a build beside, 0.97 of the rate instead of 0.99), so a reading
  // serves for half a second: a monitor added, removed or moved counts from then on.
  static constexpr uint64_t kDesktopLifetimeUs = 500000;
  std::optional<TVirtualDesktop> FDesktop;
  uint64_t FDesktopReadUs = 0;
};

// The INPUT record SendMouseInput sends for ARecord: zeroed in full, type INPUT_MOUSE.
INPUT MakeMouseInput(const TMouseInputRecord& ARecord);

}  // namespace nevra::win32
