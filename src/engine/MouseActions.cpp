#include "engine/MouseActions.h"

#include "engine/MouseRecords.h"

namespace nevra {

void MoveMouseTo(IMouseInput& AInput, int32_t AX, int32_t AY) {
  AInput.SendMouseInput(MouseMoveRecord(AX, AY, AInput.GetVirtualDesktop()));
}

void PressButton(IMouseInput& AInput, int32_t AButton, bool ADown) {
  AInput.SendMouseInput(MouseButtonRecord(AButton, ADown));
}

void ClickButton(IMouseInput& AInput, int32_t AButton, int32_t ATimes) {
  for (int32_t Time = 0; Time < ATimes; ++Time) {
    PressButton(AInput, AButton, true);
    PressButton(AInput, AButton, false);
  }
}

}  // namespace nevra
