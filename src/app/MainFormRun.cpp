// A run from the window: Start and Stop, the hotkeys, the command line, and what the window shows
// while a run goes on and when it ends. The run itself is TRun's.
#include <cstdio>

#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/Text.h"

namespace nevra {

namespace {
// "1:02:03": a time left, rounded up to the second.
std::string HoursMinutesSeconds(uint64_t AMs) {
  const uint64_t Seconds = (AMs + 999) / 1000;
  char Text[32];
  std::snprintf(Text, sizeof Text, "%llu:%02llu:%02llu", static_cast<unsigned long long>(Seconds / 3600),
                static_cast<unsigned long long>(Seconds / 60 % 60), static_cast<unsigned long long>(Seconds % 60));
  return Text;
}

// After hiding the window, give the system a moment to repaint what was under it before input
// starts to land there.
constexpr uint32_t kAfterHideMs = 250;
}  // namespace

void TFrmMain::btnStartClick() { StartRun(); }

void TFrmMain::btnStopClick() { FRun.Stop(TRunEndCause::ecButton); }

void TFrmMain::HotkeyPressed(THotkeyAction AAction) {
  switch (AAction) {
    case THotkeyAction::haStart:
      if (!FRecorder.Recording()) StartRun(std::nullopt, false, true);
      break;
    case THotkeyAction::haStop:
      if (FRecorder.Recording())
        StopRecording(Translate("Recording stopped by hotkey."));
      else
        FRun.Stop(TRunEndCause::ecHotkey);
      break;
    case THotkeyAction::haStartRecording:
      if (FRecorder.Waiting()) FRecorder.StartRecording();
      break;
  }
}

TClickTask TFrmMain::ReadClickTask() const {
  TClickTask Task;
  if (cbButton.ItemIndex() == kButtonKeyIndex)
    Task.What = FClickKey;
  else
    Task.What = TMouseButton{std::max(cbButton.ItemIndex(), 0)};
  Task.Kind = static_cast<TClickKind>(std::max(cbClickType.ItemIndex(), 0));
  Task.HoldMs = static_cast<uint32_t>(seHoldMs.Value());
  // StartRun made sure the boxes hold numbers and show them within their range.
  if (rbCoordinates.Checked()) Task.Where = TAtPoint{TPoint{edtCoordX.Value(), edtCoordY.Value()}};
  Task.IntervalMs = static_cast<uint32_t>(seHours.Value() * 3600000 + seMinutes.Value() * 60000 +
                                          seSeconds.Value() * 1000 + seMillis.Value());
  Task.JitterMs = chkJitter.Checked() ? static_cast<uint32_t>(seJitterMs.Value()) : 0;
  return Task;
}

TRunLength TFrmMain::ReadRunLength() const {
  if (rbRepeatCount.Checked()) return TRepeatCount{static_cast<uint64_t>(seRepeat.Value())};
  if (rbForTime.Checked()) return TForTime{ReadRunSeconds()};
  return TUntilStopped{};
}

uint32_t TFrmMain::ReadRunSeconds() const {
  return static_cast<uint32_t>(seForHours.Value() * 3600 + seForMinutes.Value() * 60 + seForSeconds.Value());
}

void TFrmMain::RunSettingsChanged() {
  // A change made during a click run takes effect at its next click.
  if (FRun.Active()) FRun.Update(ReadClickTask(), ReadRunLength());
}

std::string TFrmMain::RunningCaption(std::optional<uint64_t> ALeftMs) const {
  const std::string StopKeys = FHotkeys.Text(THotkeyAction::haStop);
  if (ALeftMs)
    return Format(Translate("Running, %s left... Press %s to stop"), {HoursMinutesSeconds(*ALeftMs), StopKeys});
  return Format(Translate("Running... Press %s to stop"), {StopKeys});
}

std::string TFrmMain::TimeLeftTip(uint64_t ALeftMs) const {
  return FPlatform.App.Title() + " \xE2\x80\x94 " + Format(Translate("%s left"), {HoursMinutesSeconds(ALeftMs)});
}

void TFrmMain::ShowTimeLeft() {
  const auto LeftMs = FRun.TimeLeftMs();
  if (!LeftMs) return;
  if (FModes.StripActive()) FModes.SetStripCaption(RunningCaption(LeftMs));
  trayIcon.SetCaption(TimeLeftTip(*LeftMs));
}

void TFrmMain::StartRun(std::optional<TMacroRun> AMacroRun, bool AInTray, bool AByHotkey) {
  if (FRun.Active() || FRecorder.Busy()) return;
  // A run takes the point the boxes hold and the key the button shows: a pick or a key capture in
  // progress ends without one.
  FPicker.Cancel();
  FKeyCapture.Cancel();
  if (!AMacroRun && rbMacros.Checked()) {
    // The remembered macro is selected once the list is whole.
    FLibrary.FinishLoading();
    AMacroRun = TMacroRun{GetSelectedMacro(), std::nullopt, std::nullopt, std::nullopt};
    if (rbRepeatCount.Checked()) AMacroRun->Passes = static_cast<uint64_t>(seRepeat.Value());
    if (rbForTime.Checked()) AMacroRun->Seconds = ReadRunSeconds();
    if (AMacroRun->Macro == nullptr) {
      FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Translate("Please select a macro to play back."));
      return;
    }
  }
  if (!AMacroRun && rbCoordinates.Checked() && !CoordinatesUsable()) return;
  // "For 0:00:00" would end before it began.
  const bool NoTime = AMacroRun ? AMacroRun->Seconds == 0u : rbForTime.Checked() && ReadRunSeconds() == 0;
  if (NoTime) {
    FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Translate("Set how long the run lasts."));
    return;
  }
  TRunRequest Request;
  if (AMacroRun) {
    // Before anything changes: a file that cannot be read any more is reported and nothing starts.
    AMacroRun->Macro->LoadEvents(FPlatform.Files);
    Request.Task = TMacroTask{AMacroRun->Macro->Events(), AMacroRun->Macro->FileName(),
                              AMacroRun->SpeedPercent.value_or(ReadSpeedPercent())};
    if (AMacroRun->Passes) Request.Length = TRepeatCount{*AMacroRun->Passes};
    if (AMacroRun->Seconds) Request.Length = TForTime{*AMacroRun->Seconds};
  } else {
    Request.Task = ReadClickTask();
    Request.Length = ReadRunLength();
  }
  Request.StartDelayS = static_cast<uint32_t>(seStartDelaySS.Value());
  // A click that went out while Ctrl+Shift of the hotkey are still down would be a Ctrl+Shift+click.
  if (AByHotkey) Request.KeysDown = [this] { return FHotkeys.KeysDown(THotkeyAction::haStart); };
  btnStart.SetEnabled(false);
  btnStop.SetEnabled(true);
  SetStatus(Translate("Started"));
  std::optional<uint64_t> TimeMs;
  if (const auto* Time = std::get_if<TForTime>(&Request.Length)) TimeMs = uint64_t{Time->Seconds} * 1000;
  FModes.BeginRun(chkMinimizeToTrayOnStart.Checked() || AInTray, RunningCaption(TimeMs));
  if (TimeMs) {
    trayIcon.SetCaption(TimeLeftTip(*TimeMs));
    FTimeLeftTicker.SetEnabled(true);
  }
  FRun.Start(std::move(Request));
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
  if (!FModes.RunInTray()) {
    FModes.EnterStrip(RunningCaption(FRun.TimeLeftMs()));
    return;
  }
  // The window, shown from the tray during the delay, goes again before a macro plays into what
  // was under it.
  if (FRun.PlaysMacro() && FPlatform.Window.IsVisible()) {
    FModes.HideToTray();
    FPlatform.Pump.WaitUntil(FPlatform.Clock.MonotonicMicroseconds() + uint64_t{kAfterHideMs} * 1000,
                             [this] { return !FRun.Active(); });
  }
}

std::string TFrmMain::RunEndText(const TRunEnd& AEnd) const {
  // The counts are runs for a macro: the one the window is set to play, or one a command started.
  const bool Runs = AEnd.Macro || rbMacros.Checked();
  const char* Text = nullptr;
  switch (AEnd.Cause) {
    case TRunEndCause::ecCompleted:
      Text = !AEnd.Macro    ? "Completed repeat count. Clicks done: "
             : AEnd.Counted ? "Completed macro repeat count. Runs done: "
                            : "Macro playback stopped. Runs done: ";
      break;
    case TRunEndCause::ecButton:
      Text = Runs ? "Stopped by button. Runs done: " : "Stopped by button. Clicks done: ";
      break;
    case TRunEndCause::ecHotkey:
      Text = Runs ? "Stopped by hotkey. Runs done: " : "Stopped by hotkey. Clicks done: ";
      break;
    case TRunEndCause::ecTimeUp: Text = Runs ? "Time is up. Runs done: " : "Time is up. Clicks done: "; break;
    case TRunEndCause::ecClosing: return Translate("Closing");
    case TRunEndCause::ecMacroGone: return Translate("No macro selected.");
  }
  return Translate(Text) + std::to_string(AEnd.Done);
}

void TFrmMain::RunEnded(const TRunEnd& AEnd) {
  FTimeLeftTicker.SetEnabled(false);
  trayIcon.SetCaption(FPlatform.App.Title());
  btnStart.SetEnabled(true);
  btnStop.SetEnabled(false);
  SetStatus(RunEndText(AEnd));
  // A recording's countdown keeps the strip.
  FModes.EndRun(FRecorder.Busy());
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
  const bool RunOrRecording = FRun.Active() || FRecorder.Busy();
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
      if (FRun.Active())
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
      const TMacroLibrary::TFound Found = FLibrary.Find(ACommand.MacroName);
      if (Found.Macro == nullptr) return Found.Ambiguous ? kAnswerAmbiguousMacro : kExitNoSuchMacro;
      if (RunOrRecording) return Busy();
      StartRun(TMacroRun{Found.Macro, ACommand.Passes, ACommand.SpeedPercent, std::nullopt}, InTray);
      break;
    }
    case TCommandAction::caHelp: break;
  }
  return kExitDone;
}

}  // namespace nevra
