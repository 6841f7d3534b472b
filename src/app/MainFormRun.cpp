// A run from the window: Start and Stop, the hotkeys, the click run's end and a macro's playback.
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/Text.h"

namespace nevra {

namespace {
// After hiding the window, give the system a moment to repaint what was under it before input
// starts to land there.
constexpr uint32_t kAfterHideMs = 250;
}  // namespace

void TFrmMain::btnStartClick() { StartRun(); }

void TFrmMain::btnStopClick() {
  StopRun(Translate(rbMacros.Checked() ? "Stopped by button. Runs done: " : "Stopped by button. Clicks done: ") +
          std::to_string(ClicksDone()));
}

void TFrmMain::HotkeyPressed(THotkeyAction AAction) {
  switch (AAction) {
    case THotkeyAction::haStart:
      if (!FRecorder.Recording()) StartRun();
      break;
    case THotkeyAction::haStop:
      if (FRecorder.Recording())
        StopRecording(Translate("Recording stopped by hotkey."));
      else
        StopRun(Translate(rbMacros.Checked() ? "Stopped by hotkey. Runs done: " : "Stopped by hotkey. Clicks done: ") +
                std::to_string(ClicksDone()));
      break;
    case THotkeyAction::haStartRecording:
      if (FRecorder.Waiting()) FRecorder.StartRecording();
      break;
  }
}

TClickRunSettings TFrmMain::ReadClickRunSettings() const {
  TClickRunSettings Settings;
  Settings.IntervalMs =
      seHours.Value() * 3600000 + seMinutes.Value() * 60000 + seSeconds.Value() * 1000 + seMillis.Value();
  Settings.JitterMs = chkJitter.Checked() ? seJitterMs.Value() : 0;
  Settings.Button = std::max(cbButton.ItemIndex(), 0);
  Settings.Kind = static_cast<TClickKind>(std::max(cbClickType.ItemIndex(), 0));
  Settings.HoldMs = seHoldMs.Value();
  // The boxes' text as typed, not clamped to their range.
  if (rbCoordinates.Checked())
    Settings.Point = TPoint{ParseInt32(edtCoordX.Text()).value_or(0), ParseInt32(edtCoordY.Text()).value_or(0)};
  if (rbRepeatCount.Checked()) Settings.Count = static_cast<uint64_t>(seRepeat.Value());
  Settings.StartDelayS = seStartDelaySS.Value();
  Settings.Clicks = !rbMacros.Checked();
  return Settings;
}

std::string TFrmMain::RunningCaption() const {
  return Format(Translate("Running... Press %s to stop"), {FHotkeys.Text(THotkeyAction::haStop)});
}

void TFrmMain::StartRun() {
  if (FRunning || FRecorder.Busy()) return;
  // A run takes the point the boxes hold: a pick in progress ends without one.
  FPicker.Cancel();
  if (rbMacros.Checked()) {
    TRecordedMacro* Macro = GetSelectedMacro();
    if (Macro == nullptr) {
      FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Translate("Please select a macro to play back."));
      return;
    }
    // Before anything changes: a file that cannot be read any more is reported and nothing starts.
    Macro->LoadEvents(FPlatform.Files);
  }
  btnStart.SetEnabled(false);
  btnStop.SetEnabled(true);
  SetStatus(Translate("Started"));
  FRunsDone = 0;
  FRunPlaysMacro = rbMacros.Checked();
  FRunning = true;
  FStopPlaybackRequested = false;
  if (chkMinimizeToTrayOnStart.Checked())
    FModes.HideToTray();
  else
    FModes.EnterStrip(RunningCaption());
  FClickRun.Start([this] { return ReadClickRunSettings(); });
  if (FRunPlaysMacro && seStartDelaySS.Value() <= 0) PlaySelectedMacro();
}

void TFrmMain::RunDelayOver() {
  if (!chkMinimizeToTrayOnStart.Checked()) FModes.EnterStrip(RunningCaption());
  if (FRunPlaysMacro) PlaySelectedMacro();
}

void TFrmMain::PlaySelectedMacro() {
  const auto Stopped = [this] { return !FRunning || FStopPlaybackRequested; };
  if (chkMinimizeToTrayOnStart.Checked() && FPlatform.Window.IsVisible()) {
    FModes.HideToTray();
    if (!FPlayer.Pause(kAfterHideMs, Stopped)) return;
  }
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
  // A copy: the list may change while messages are handled between events.
  const std::vector<TMacroMouseEvent> Events = Selected->Events();
  std::optional<uint64_t> Passes;
  if (rbRepeatCount.Checked()) Passes = static_cast<uint64_t>(seRepeat.Value());
  FPlayer.Play(Events, Passes, Stopped, [this] { ++FRunsDone; });
  if (!Stopped()) {
    StopRun(Translate(rbRepeatCount.Checked() ? "Completed macro repeat count. Runs done: "
                                              : "Macro playback stopped. Runs done: ") +
            std::to_string(FRunsDone));
  }
}

void TFrmMain::StopRun(const std::string& AMessage) {
  if (!FRunning) return;
  btnStart.SetEnabled(true);
  btnStop.SetEnabled(false);
  FRunning = false;
  FStopPlaybackRequested = true;
  FClickRun.Stop();
  SetStatus(AMessage);
  if (FModes.StripActive() && !FRecorder.Busy()) FModes.LeaveStrip();
  if (!FPlatform.Window.IsVisible()) FModes.RestoreFromTray();
}

}  // namespace nevra
