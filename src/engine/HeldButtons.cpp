#include "engine/HeldButtons.h"

#include "engine/MouseActions.h"
#include "engine/MouseRecords.h"

namespace nevra {

void THeldButtons::Press(int32_t AButton) {
  PressButton(FInput, AButton, true);
  Note(AButton, true);
}

void THeldButtons::Release(int32_t AButton) {
  // Noted first: a release the system refuses is not tried again at the end.
  Note(AButton, false);
  PressButton(FInput, AButton, false);
}

void THeldButtons::Note(int32_t AButton, bool ADown) {
  // A button index with no input of its own presses nothing, so there is nothing to release.
  if (MouseButtonRecord(AButton, ADown).Flags == 0) return;
  if (ADown)
    FHeld |= Bit(AButton);
  else
    FHeld &= ~Bit(AButton);
}

void THeldButtons::ReleaseAll() noexcept {
  for (int32_t Button = 0; FHeld != 0 && Button < 32; ++Button) {
    if (!Holds(Button)) continue;
    try {
      Release(Button);
    } catch (...) {
      // Called from destructors: the other buttons still get their release.
    }
  }
}

}  // namespace nevra
