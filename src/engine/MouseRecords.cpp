#include "engine/MouseRecords.h"

#include "engine/MouseNormalize.h"

namespace nevra {

TMouseInputRecord MouseMoveRecord(int32_t AX, int32_t AY, const TVirtualDesktop& ADesktop) {
  TMouseInputRecord Record;
  Record.Dx = NormalizeToAbsolute(AX, ADesktop.Left, ADesktop.Width);
  Record.Dy = NormalizeToAbsolute(AY, ADesktop.Top, ADesktop.Height);
  Record.Flags = MouseFlags::Move | MouseFlags::VirtualDesk | MouseFlags::Absolute;
  return Record;
}

TMouseInputRecord MouseButtonRecord(int32_t AButton, bool ADown) {
  static constexpr uint32_t kDown[] = {MouseFlags::LeftDown, MouseFlags::RightDown, MouseFlags::MiddleDown};
  static constexpr uint32_t kUp[] = {MouseFlags::LeftUp, MouseFlags::RightUp, MouseFlags::MiddleUp};
  TMouseInputRecord Record;
  if (AButton >= 0 && AButton <= 2) Record.Flags = ADown ? kDown[AButton] : kUp[AButton];
  return Record;
}

}  // namespace nevra
