#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "macros/MacroModel.h"
#include "platform/Clock.h"
#include "platform/KeyboardInput.h"
#include "platform/MouseInput.h"
#include "platform/Timers.h"

namespace nevra {

// Plays a macro back: each event at its offset from the start of the pass, as synthesised input,
// pass after pass. It keeps the GUI thread the whole time, but every wait handles the window's
// messages, so the user's Stop, the hotkeys and closing work during any pause.
class TMacroPlayer {
 public:
  TMacroPlayer(IMouseInput& AInput, IKeyboardInput& AKeys, IClock& AClock, IMessagePump& APump)
      : FInput(AInput), FKeys(AKeys), FClock(AClock), FPump(APump) {}

  static constexpr uint32_t kMinSpeedPercent = 25;
  static constexpr uint32_t kMaxSpeedPercent = 1000;

  // Plays the events APasses times, or until AStopped when there is no count; AStopped is asked
  // whenever messages were handled, and a stop performs no further event. AOnPass runs after
  // each complete pass. The waits pass at ASpeedPercent of the recorded pace (100 as recorded,
  // 400 four times as fast), held to 25..1,000.
  void Play(const std::vector<TMacroMouseEvent>& AEvents, std::optional<uint64_t> APasses,
            const std::function<bool()>& AStopped, const std::function<void()>& AOnPass, uint32_t ASpeedPercent = 100);

 private:
  IMouseInput& FInput;
  IKeyboardInput& FKeys;
  IClock& FClock;
  IMessagePump& FPump;
};

}  // namespace nevra
