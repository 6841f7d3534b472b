#include "macros/MacroPlayer.h"

#include "engine/HeldButtons.h"
#include "engine/MouseRecords.h"

namespace nevra {

namespace {

// One event as one SendInput call: the move to its point, and its button when it has one. A
// 1,000 Hz mouse records an event every millisecond, so every call into the system counts.
void PerformEvent(IMouseInput& AInput, const TMacroMouseEvent& AEvent, const TVirtualDesktop& ADesktop,
                  THeldButtons& AHeld) {
  const TMouseInputRecord Records[] = {MouseMoveRecord(AEvent.X, AEvent.Y, ADesktop),
                                       MouseButtonRecord(AEvent.Button, AEvent.Kind == mekDown)};
  switch (AEvent.Kind) {
    case mekMove: AInput.SendMouseInput(Records[0]); break;
    case mekDown:
    case mekUp:
      AInput.SendMouseInput(Records);
      AHeld.Note(AEvent.Button, AEvent.Kind == mekDown);
      break;
    default: break;  // a kind this version does not know costs its wait and nothing else
  }
}

}  // namespace

void TMacroPlayer::Play(const std::vector<TMacroMouseEvent>& AEvents, std::optional<uint64_t> APasses,
                        const std::function<bool()>& AStopped, const std::function<void()>& AOnPass) {
  // However the playback ends, a button a recorded drag holds down is released.
  THeldButtons Held(FInput);
  for (uint64_t Pass = 1; !AStopped(); ++Pass) {
    // Read once a pass: monitors are not rearranged in the middle of one.
    const TVirtualDesktop Desktop = FInput.GetVirtualDesktop();
    uint32_t Previous = 0;
    // When each event is due. Each wait ends at the previous due time plus the event's gap, not
    // a gap after the previous event was done: the time spent on messages and input comes out of
    // the wait instead of adding up, so a pass lasts as long as the recording.
    uint64_t Due = FClock.MonotonicMicroseconds();
    for (const TMacroMouseEvent& Event : AEvents) {
      if (Event.DeltaMs > Previous) Due += uint64_t{Event.DeltaMs - Previous} * 1000;
      if (!FPump.WaitUntil(Due, AStopped)) return;
      Previous = Event.DeltaMs;
      PerformEvent(FInput, Event, Desktop, Held);
    }
    if (AStopped()) return;
    AOnPass();
    FPump.ProcessMessages();
    if (APasses && Pass >= *APasses) return;
  }
}

}  // namespace nevra
