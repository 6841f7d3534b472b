#include "engine/MouseActions.h"

#include "engine/MouseRecords.h"

namespace nevra {

void MoveMouseTo(IMouseInput& AInput, int32_t AX, int32_t AY) {
  AInput.SendMouseInput(MouseMoveRecord(AX, AY, AInput.GetVirtualDesktop()));
}

void PressButton(IMouseInput& AInput, int32_t AButton, bool ADown) {
  AInput.SendMouseInput(MouseButtonRecord(AButton, ADown));
}

void PerformClick(IMouseInput& AInput, IClock& AClock, int32_t AButton, TClickKind AKind, uint32_t AHoldMs) {
  const auto Click = [&] {
    PressButton(AInput, AButton, true);
    PressButton(AInput, AButton, false);
  };
  switch (AKind) {
    case TClickKind::ckSingle: Click(); break;
    case TClickKind::ckDouble:
      Click();
      Click();
      break;
    case TClickKind::ckHold:
      PressButton(AInput, AButton, true);
      if (AHoldMs > 0) AClock.Sleep(AHoldMs);
      PressButton(AInput, AButton, false);
      break;
  }
}

}  // namespace nevra
