#include "macros/MacroPlayer.h"

#include <algorithm>

#include "engine/HeldButtons.h"
#include "engine/HeldKeys.h"
#include "engine/KeyRecords.h"
#include "engine/MouseRecords.h"

namespace nevra {

namespace {

// What a pass holds down while it plays, released however it ends.
struct THeld {
  THeldButtons Buttons;
  THeldKeys Keys;
};

// One event as one SendInput call: the move to its point and its button or wheel when it has
// one, or its key. A 1,000 Hz mouse records an event every millisecond, so every call into the
// system counts.
void PerformEvent(IMouseInput& AInput, const TMacroMouseEvent& AEvent, const TVirtualDesktop& ADesktop, THeld& AHeld) {
  const TMouseInputRecord Move = MouseMoveRecord(AEvent.X, AEvent.Y, ADesktop);
  const auto MoveAnd = [&](const TMouseInputRecord& ARecord) {
    const TMouseInputRecord Records[] = {Move, ARecord};
    AInput.SendMouseInput(Records);
  };
  switch (AEvent.Kind) {
    case mekMove: AInput.SendMouseInput(Move); break;
    case mekDown:
    case mekUp:
      MoveAnd(MouseButtonRecord(AEvent.Button, AEvent.Kind == mekDown));
      AHeld.Buttons.Note(AEvent.Button, AEvent.Kind == mekDown);
      break;
    case mekWheel:
    case mekHWheel: MoveAnd(MouseWheelRecord(AEvent.Button, AEvent.Kind == mekHWheel)); break;
    case mekKeyDown:
    case mekKeyUp:
      AHeld.Keys.Send(KeyRecord(static_cast<uint32_t>(AEvent.X), static_cast<uint32_t>(AEvent.Y), AEvent.Button == 1,
                                AEvent.Kind == mekKeyDown));
      break;
    default: break;  // a kind this version does not know costs its wait and nothing else
  }
}

}  // namespace

void TMacroPlayer::Play(const std::vector<TMacroMouseEvent>& AEvents, std::optional<uint64_t> APasses,
                        const std::function<bool()>& AStopped, const std::function<void()>& AOnPass,
                        uint32_t ASpeedPercent) {
  const uint64_t Speed = std::clamp(ASpeedPercent, kMinSpeedPercent, kMaxSpeedPercent);
  // However the playback ends, a button a recorded drag holds down and a key pressed and not yet
  // released are let go.
  THeld Held{THeldButtons(FInput), THeldKeys(FKeys)};
  for (uint64_t Pass = 1; !AStopped(); ++Pass) {
    // Read once a pass: monitors are not rearranged in the middle of one.
    const TVirtualDesktop Desktop = FInput.GetVirtualDesktop();
    // When each event is due: the pass's start plus the recorded time so far, in microseconds,
    // scaled by the speed. Each wait ends there, not a gap after the previous event was done: the
    // time spent on messages and input comes out of the wait instead of adding up, so a pass lasts
    // as long as the recording (at 100 %). The time so far is scaled whole, not gap by gap, so
    // rounding never adds up either (a third of 1 ms at 300 %).
    const uint64_t PassStart = FClock.MonotonicMicroseconds();
    uint64_t RecordedMs = 0;
    uint32_t Previous = 0;
    for (const TMacroMouseEvent& Event : AEvents) {
      // An event whose offset does not exceed the previous one's is not waited for.
      if (Event.DeltaMs > Previous) RecordedMs += Event.DeltaMs - Previous;
      Previous = Event.DeltaMs;
      if (!FPump.WaitUntil(PassStart + RecordedMs * 1000 * 100 / Speed, AStopped)) return;
      PerformEvent(FInput, Event, Desktop, Held);
    }
    if (AStopped()) return;
    AOnPass();
    FPump.ProcessMessages();
    if (APasses && Pass >= *APasses) return;
  }
}

}  // namespace nevra
