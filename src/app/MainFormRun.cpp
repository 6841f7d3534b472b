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
  StopRun(Translate(MacroWording() ? "Stopped by button. Runs done: " : "Stopped by button. Clicks done: ") +
          std::to_string(ClicksDone()));
}

// The stop texts count runs for a macro: the one the window is set to play, or one a command
// line started.
bool TFrmMain::MacroWording() const { return rbMacros.Checked() || (FRunning && FMacroRun.FromCommand); }

void TFrmMain::HotkeyPressed(THotkeyAction AAction) {
  switch (AAction) {
    case THotkeyAction::haStart:
      if (!FRecorder.Recording()) StartRun();
      break;
    case THotkeyAction::haStop:
      if (FRecorder.Recording())
        StopRecording(Translate("Recording stopped by hotkey."));
      else
        StopRun(Translate(MacroWording() ? "Stopped by hotkey. Runs done: " : "Stopped by hotkey. Clicks done: ") +
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
  // StartRun made sure the boxes hold numbers and show them within their range.
  if (rbCoordinates.Checked()) Settings.Point = TPoint{edtCoordX.Value(), edtCoordY.Value()};
  if (rbRepeatCount.Checked()) Settings.Count = static_cast<uint64_t>(seRepeat.Value());
  Settings.StartDelayS = seStartDelaySS.Value();
  return Settings;
}

std::string TFrmMain::RunningCaption() const {
  return Format(Translate("Running... Press %s to stop"), {FHotkeys.Text(THotkeyAction::haStop)});
}

void TFrmMain::StartRun(std::optional<TMacroRun> AMacroRun, bool AInTray) {
  if (FRunning || FRecorder.Busy()) return;
  // A run takes the point the boxes hold: a pick in progress ends without one.
  FPicker.Cancel();
  if (!AMacroRun && rbMacros.Checked()) {
    // The remembered macro is selected once the list is whole.
    FLibrary.FinishLoading();
    AMacroRun = TMacroRun{GetSelectedMacro(), std::nullopt, false};
    if (rbRepeatCount.Checked()) AMacroRun->Passes = static_cast<uint64_t>(seRepeat.Value());
    if (AMacroRun->Macro == nullptr) {
      FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Translate("Please select a macro to play back."));
      return;
    }
  }
  if (!AMacroRun && rbCoordinates.Checked() && !CoordinatesUsable()) return;
  // Before anything changes: a file that cannot be read any more is reported and nothing starts.
  if (AMacroRun) AMacroRun->Macro->LoadEvents(FPlatform.Files);
  FMacroRun = AMacroRun.value_or(TMacroRun{});
  btnStart.SetEnabled(false);
  btnStop.SetEnabled(true);
  SetStatus(Translate("Started"));
  FRunsDone = 0;
  FRunPlaysMacro = FMacroRun.Macro != nullptr;
  FRunning = true;
  FStopPlaybackRequested = false;
  FRunInTray = chkMinimizeToTrayOnStart.Checked() || AInTray;
  if (FRunInTray)
    FModes.HideToTray();
  else
    FModes.EnterStrip(RunningCaption());
  FClickRun.Start([this] {
    TClickRunSettings Settings = ReadClickRunSettings();
    Settings.Clicks = !FRunPlaysMacro;
    return Settings;
  });
  if (FRunPlaysMacro && seStartDelaySS.Value() <= 0) PlaySelectedMacro();
}

bool TFrmMain::CoordinatesUsable() {
  // Clicks land where the boxes say: a box that holds no number refuses the run by name, and one
  // beyond the desktop shows the edge it stands for before the first click.
  struct TCoordinateBox {
    TSpinBox& Box;
    const char* Name;  // as the boxes are known everywhere, in every language
  };
  for (const TCoordinateBox& Coordinate : {TCoordinateBox{edtCoordX, "X"}, TCoordinateBox{edtCoordY, "Y"}}) {
    if (!ParseInt32(Coordinate.Box.Text())) {
      FPlatform.Dialogs.ShowMessage(TMessageKind::mkWarning,
                                    Format(Translate("The coordinate %s is not a whole number: \"%s\"."),
                                           {std::string(Coordinate.Name), Coordinate.Box.Text()}));
      return false;
    }
    Coordinate.Box.Leave();
  }
  return true;
}

void TFrmMain::RunDelayOver() {
  if (!FRunInTray) FModes.EnterStrip(RunningCaption());
  if (FRunPlaysMacro) PlaySelectedMacro();
}

void TFrmMain::PlaySelectedMacro() {
  const auto Stopped = [this] { return !FRunning || FStopPlaybackRequested; };
  if (FRunInTray && FPlatform.Window.IsVisible()) {
    FModes.HideToTray();
    if (!FPlayer.Pause(kAfterHideMs, Stopped)) return;
  }
  // Removed from the list during the start delay (the window can be shown meanwhile).
  if (!FLibrary.Contains(FMacroRun.Macro)) {
    StopRun(Translate("No macro selected."));
    return;
  }
  // The macro was read when the run started. A copy: the list may change while messages are
  // handled between events.
  const std::vector<TMacroMouseEvent> Events = FMacroRun.Macro->Events();
  FPlayer.Play(Events, FMacroRun.Passes, Stopped, [this] { ++FRunsDone; });
  if (!Stopped()) {
    StopRun(Translate(FMacroRun.Passes ? "Completed macro repeat count. Runs done: "
                                       : "Macro playback stopped. Runs done: ") +
            std::to_string(FRunsDone));
  }
}

int TFrmMain::FollowCommand(const TCommand& ACommand, bool AFromOtherCopy) {
  // Started in the tray: a run it starts stays there too.
  const bool InTray = ACommand.Minimized && !AFromOtherCopy;
  if (InTray) FModes.HideToTray();
  // What would start a run or a recording while one is under way is not followed, and the copy
  // that asked learns so instead of "done".
  const auto Busy = [&] {
    SetStatus(Format(Translate("Busy: %s from another copy was not followed"), {OptionOf(ACommand.Action)}));
    return kExitBusy;
  };
  const bool RunOrRecording = FRunning || FRecorder.Busy();
  switch (ACommand.Action) {
    case TCommandAction::caNone:
      // Started again without a task: the user is looking for this window.
      if (AFromOtherCopy && !FModes.StripActive()) FModes.RestoreFromTray();
      break;
    case TCommandAction::caStart:
      if (RunOrRecording) return Busy();
      StartRun(std::nullopt, InTray);
      break;
    case TCommandAction::caStop: btnStopClick(); break;
    case TCommandAction::caToggle:
      if (FRunning)
        btnStopClick();
      else if (RunOrRecording)
        return Busy();
      else
        StartRun(std::nullopt, InTray);
      break;
    case TCommandAction::caRecord:
      // As the hotkey during a countdown; otherwise the countdown starts, as with Create.
      if (FRecorder.Waiting())
        FRecorder.StartRecording();
      else if (RunOrRecording)
        return Busy();
      else
        btnCreateMacrosClick();
      break;
    case TCommandAction::caPlay: {
      FLibrary.FinishLoading();
      TRecordedMacro* Macro = FLibrary.Named(ACommand.MacroName);
      if (Macro == nullptr)
        return FLibrary.NamedAmbiguously(ACommand.MacroName) ? kAnswerAmbiguousMacro : kExitNoSuchMacro;
      if (RunOrRecording) return Busy();
      StartRun(TMacroRun{Macro, ACommand.Passes, true}, InTray);
      break;
    }
    case TCommandAction::caHelp: break;
  }
  return kExitDone;
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
