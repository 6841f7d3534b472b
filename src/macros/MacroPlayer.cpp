// Playing a macro back: each event after its offset from the start of the pass, as synthesised
// input, a set number of passes or until stopped.
#include "app/MainForm.h"
#include "engine/MouseRecords.h"
#include "i18n/Translation.h"
#include "platform/FileSystem.h"

namespace nevra {

namespace {
// After hiding the window, give the system a moment to repaint what was under it before input
// starts to land there.
constexpr uint32_t kAfterHideMs = 250;

// One event as one SendInput call: the move to its point, and its button when it has one. A
// 1,000 Hz mouse records an event every millisecond, so every call into the system counts.
void PerformEvent(IMouseInput& AInput, const TMacroMouseEvent& AEvent, const TVirtualDesktop& ADesktop) {
  const TMouseInputRecord Records[] = {MouseMoveRecord(AEvent.X, AEvent.Y, ADesktop),
                                       MouseButtonRecord(AEvent.Button, AEvent.Kind == mekDown)};
  switch (AEvent.Kind) {
    case mekMove: AInput.SendMouseInput(Records[0]); break;
    case mekDown:
    case mekUp: AInput.SendMouseInput(Records); break;
    default: break;  // a kind this version does not know costs its wait and nothing else
  }
}
}  // namespace

void TFrmMain::PlaySelectedMacro() {
  const auto Stopped = [this] { return !FRunning || FStopPlaybackRequested; };
  if (chkMinimizeToTrayOnStart.Checked() && FPlatform.Window.IsVisible()) {
    HideToTray();
    if (!FPlatform.Pump.WaitUntil(FPlatform.Clock.MonotonicMicroseconds() + kAfterHideMs * 1000, Stopped)) return;
  }
  RunMacroPlayback();
}

void TFrmMain::RunMacroPlayback() {
  // The list may change while messages are handled between events (nothing in the window
  // allows it during a run today); play a copy so the events stay valid whatever happens.
  TRecordedMacro* Selected = GetSelectedMacro();
  if (Selected == nullptr) {
    StopRun(Translate("No macro selected."));
    return;
  }
  // Read when the run started, unless the selection changed during the start delay.
  try {
    Selected->LoadEvents(FPlatform.Files);
  } catch (const EFileError&) {
    StopRun(Translate("No macro selected."));
    throw;  // the error box says why
  }
  const std::vector<TMacroMouseEvent> Events = Selected->Events();
  const bool UntilStopped = rbUntilStopped.Checked();
  const int32_t Count = seRepeat.Value();
  const auto Stopped = [this] { return !FRunning || FStopPlaybackRequested; };

  for (int64_t Pass = 1; !Stopped(); ++Pass) {
    // Read once a pass: monitors are not rearranged in the middle of one.
    const TVirtualDesktop Desktop = FPlatform.Input.GetVirtualDesktop();
    uint32_t Previous = 0;
    // When each event is due. Each wait ends at the previous due time plus the event's gap, not
    // a gap after the previous event was done: the time spent on messages and input comes out of
    // the wait instead of adding up, so a pass lasts as long as the recording. The waits handle
    // the window's messages, so Stop, the stop hotkey and closing work during any pause.
    uint64_t Due = FPlatform.Clock.MonotonicMicroseconds();
    for (const TMacroMouseEvent& Event : Events) {
      if (Event.DeltaMs > Previous) Due += uint64_t{Event.DeltaMs - Previous} * 1000;
      if (!FPlatform.Pump.WaitUntil(Due, Stopped)) break;
      Previous = Event.DeltaMs;
      PerformEvent(FPlatform.Input, Event, Desktop);
    }
    if (Stopped()) break;
    ++FClicksDone;
    FPlatform.Pump.ProcessMessages();
    if (!UntilStopped && Pass >= Count) break;
  }
  if (!FStopPlaybackRequested && FRunning) {
    StopRun(Translate(rbRepeatCount.Checked() ? "Completed macro repeat count. Runs done: "
                                              : "Macro playback stopped. Runs done: ") +
            std::to_string(FClicksDone));
  }
}

}  // namespace nevra
