// Playing a macro back: each event after its offset from the start of the pass, as synthesised
// input, a set number of passes or until stopped.
#include "app/MainForm.h"
#include "i18n/Translation.h"

namespace nevra {

namespace {
// After hiding the window, give the system a moment to repaint what was under it before input
// starts to land there.
constexpr uint32_t kAfterHideMs = 250;
}  // namespace

void TFrmMain::PlaySelectedMacro() {
  if (chkMinimizeToTrayOnStart.Checked() && FPlatform.Window.IsVisible()) {
    HideToTray();
    FPlatform.Pump.ProcessMessages();
    FPlatform.Clock.Sleep(kAfterHideMs);
  }
  RunMacroPlayback();
}

void TFrmMain::RunMacroPlayback() {
  // The list may change while messages are processed between events (nothing in the window
  // allows it during a run today); play a copy so the events stay valid whatever happens.
  const TRecordedMacro* Selected = GetSelectedMacro();
  if (Selected == nullptr) {
    StopRun(Translate("No macro selected."));
    return;
  }
  const std::vector<TMacroMouseEvent> Events = Selected->Events();
  const bool UntilStopped = rbUntilStopped.Checked();
  const int32_t Count = seRepeat.Value();
  const auto Stopped = [this] { return !FRunning || FStopPlaybackRequested; };

  for (int64_t Pass = 1; !Stopped(); ++Pass) {
    uint32_t Previous = 0;
    // When each event is due. Each wait ends at the previous due time plus the event's gap, not
    // a gap after the previous event was done: the time spent on messages and input comes out of
    // the wait instead of adding up, so a pass lasts as long as the recording.
    uint64_t Due = FPlatform.Clock.MonotonicMicroseconds();
    for (const TMacroMouseEvent& Event : Events) {
      FPlatform.Pump.ProcessMessages();
      if (Stopped()) break;
      if (Event.DeltaMs > Previous) {
        Due += uint64_t{Event.DeltaMs - Previous} * 1000;
        const uint64_t Now = FPlatform.Clock.MonotonicMicroseconds();
        const uint64_t WaitMs = Due > Now ? (Due - Now + 500) / 1000 : 0;
        if (WaitMs > 0) FPlatform.Clock.Sleep(static_cast<uint32_t>(WaitMs));
      }
      Previous = Event.DeltaMs;
      switch (Event.Kind) {
        case mekMove: MoveMouseTo(Event.X, Event.Y); break;
        case mekDown:
          MoveMouseTo(Event.X, Event.Y);
          MouseButtonDown(Event.Button);
          break;
        case mekUp:
          MoveMouseTo(Event.X, Event.Y);
          MouseButtonUp(Event.Button);
          break;
        default: break;  // a kind this version does not know costs its wait and nothing else
      }
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
