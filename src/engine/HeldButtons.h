#pragma once
#include <cstdint>

#include "platform/MouseInput.h"

namespace nevra {

// The mouse buttons this program has pressed and not yet released. Whatever way a run or a
// playback ends (stopped in the middle of a held click or of a recorded drag, an error, the window
// closed), what it still holds is released, so no button stays down system-wide.
class THeldButtons {
 public:
  explicit THeldButtons(IMouseInput& AInput) : FInput(AInput) {}
  ~THeldButtons() { ReleaseAll(); }
  THeldButtons(const THeldButtons&) = delete;
  THeldButtons& operator=(const THeldButtons&) = delete;

  void Press(int32_t AButton);
  void Release(int32_t AButton);
  // Notes a press or release sent some other way (a macro event carries its move along).
  void Note(int32_t AButton, bool ADown);
  bool Holds(int32_t AButton) const { return (FHeld & Bit(AButton)) != 0; }
  // Releases every button still held; an input the system refuses is not retried.
  void ReleaseAll() noexcept;

 private:
  static uint32_t Bit(int32_t AButton) { return AButton >= 0 && AButton < 32 ? 1u << AButton : 0u; }

  IMouseInput& FInput;
  uint32_t FHeld = 0;
};

}  // namespace nevra
