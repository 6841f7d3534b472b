#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "macros/MacroModel.h"
#include "platform/Clock.h"
#include "platform/MouseInput.h"
#include "platform/Timers.h"

namespace nevra {

// Plays a macro back: each event at its offset from the start of the pass, as synthesised input,
// pass after pass. It keeps the GUI thread the whole time, but every wait handles the window's
// messages, so the user's Stop, the hotkeys and closing work during any pause.
class TMacroPlayer {
 public:
  TMacroPlayer(IMouseInput& AInput, IClock& AClock, IMessagePump& APump)
      : FInput(AInput), FClock(AClock), FPump(APump) {}

  // Plays the events APasses times, or until AStopped when there is no count; AStopped is asked
  // whenever messages were handled, and a stop performs no further event. AOnPass runs after
  // each complete pass.
  void Play(const std::vector<TMacroMouseEvent>& AEvents, std::optional<uint64_t> APasses,
            const std::function<bool()>& AStopped, const std::function<void()>& AOnPass);

 private:
  IMouseInput& FInput;
  IClock& FClock;
  IMessagePump& FPump;
};

}  // namespace nevra
