#include "engine/MouseRecords.h"

#include "engine/MouseNormalize.h"
#include "platform/InputCodes.h"

namespace nevra {

TMouseInputRecord MouseMoveRecord(int32_t AX, int32_t AY, const TVirtualDesktop& ADesktop) {
  TMouseInputRecord Record;
  Record.Dx = NormalizeToAbsolute(AX, ADesktop.Left, ADesktop.Width);
  Record.Dy = NormalizeToAbsolute(AY, ADesktop.Top, ADesktop.Height);
  Record.Flags = MouseFlags::Move | MouseFlags::VirtualDesk | MouseFlags::Absolute;
  return Record;
}

TMouseInputRecord MouseButtonRecord(int32_t AButton, bool ADown) {
  static constexpr uint32_t kDown[] = {MouseFlags::LeftDown, MouseFlags::RightDown, MouseFlags::MiddleDown,
                                       MouseFlags::SideDown, MouseFlags::SideDown};
  static constexpr uint32_t kUp[] = {MouseFlags::LeftUp, MouseFlags::RightUp, MouseFlags::MiddleUp, MouseFlags::SideUp,
                                     MouseFlags::SideUp};
  static constexpr uint32_t kData[] = {0, 0, 0, SideButtons::X1, SideButtons::X2};
  TMouseInputRecord Record;
  if (AButton >= 0 && AButton <= 4) {
    Record.Flags = ADown ? kDown[AButton] : kUp[AButton];
    Record.MouseData = kData[AButton];
  }
  return Record;
}

TMouseInputRecord MouseWheelRecord(int32_t ADelta, bool AHorizontal) {
  TMouseInputRecord Record;
  Record.Flags = AHorizontal ? MouseFlags::HorizontalWheel : MouseFlags::Wheel;
  // The field is a DWORD that carries the signed delta as its bits.
  Record.MouseData = static_cast<uint32_t>(ADelta);
  return Record;
}

}  // namespace nevra
