#pragma once
#include <cstdint>
#include <span>

#include "platform/Geometry.h"

namespace nevra {

// MOUSEEVENTF_* values, so the logic can build input records without <windows.h>.
namespace MouseFlags {
inline constexpr uint32_t Move = 0x0001;
inline constexpr uint32_t LeftDown = 0x0002;
inline constexpr uint32_t LeftUp = 0x0004;
inline constexpr uint32_t RightDown = 0x0008;
inline constexpr uint32_t RightUp = 0x0010;
inline constexpr uint32_t MiddleDown = 0x0020;
inline constexpr uint32_t MiddleUp = 0x0040;
inline constexpr uint32_t SideDown = 0x0080;  // MOUSEEVENTF_XDOWN: MouseData says XBUTTON1 or 2
inline constexpr uint32_t SideUp = 0x0100;
inline constexpr uint32_t Wheel = 0x0800;            // MouseData: the signed delta
inline constexpr uint32_t HorizontalWheel = 0x1000;  // MouseData: the signed delta, right is positive
inline constexpr uint32_t VirtualDesk = 0x4000;
inline constexpr uint32_t Absolute = 0x8000;
}  // namespace MouseFlags

// The MOUSEINPUT member of one INPUT record of type INPUT_MOUSE; every field not set is zero.
struct TMouseInputRecord {
  int32_t Dx = 0;
  int32_t Dy = 0;
  uint32_t MouseData = 0;
  uint32_t Flags = 0;
  uint32_t Time = 0;
  uintptr_t ExtraInfo = 0;
  friend bool operator==(const TMouseInputRecord&, const TMouseInputRecord&) = default;
};

// The virtual desktop (all monitors together) in physical pixels: SM_XVIRTUALSCREEN,
// SM_YVIRTUALSCREEN, SM_CXVIRTUALSCREEN and SM_CYVIRTUALSCREEN for the main window's DPI.
struct TVirtualDesktop {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// Synthesised mouse input and the cursor.
class IMouseInput {
 public:
  virtual ~IMouseInput() = default;
  // One SendInput call carrying exactly these records, in order. The result is not reported.
  virtual void SendMouseInput(std::span<const TMouseInputRecord> ARecords) = 0;
  void SendMouseInput(const TMouseInputRecord& ARecord) { SendMouseInput({&ARecord, 1}); }
  // False when the position cannot be read.
  virtual bool GetCursorPos(TPoint& APoint) = 0;
  virtual TVirtualDesktop GetVirtualDesktop() = 0;
};

}  // namespace nevra
