// The click run: start, start delay, the click timer with its jitter, the repeat count and stop.
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"

namespace nevra {

void TFrmMain::btnStartClick() { StartRun(); }

void TFrmMain::btnStopClick() {
  StopRun(Translate(rbMacros.Checked() ? "Stopped by button. Runs done: " : "Stopped by button. Clicks done: ") +
          std::to_string(FClicksDone));
}

int32_t TFrmMain::GetIntervalMs() {
  const int32_t Interval =
      seHours.Value() * 3600000 + seMinutes.Value() * 60000 + seSeconds.Value() * 1000 + seMillis.Value();
  return Interval == 0 ? 1 : Interval;
}

void TFrmMain::ScheduleNextClick() {
  const int32_t Base = GetIntervalMs();
  const int32_t Jitter = chkJitter.Checked() ? seJitterMs.Value() : 0;
  // -1, 0 or +1 with equal chances: the jitter takes exactly the values -J, 0 and +J.
  const int32_t K = static_cast<int32_t>(FPlatform.Random.Next(3)) - 1;
  int32_t Interval = Base + K * Jitter;
  if (Interval < 1) Interval = 1;
  TimerClick.SetInterval(static_cast<uint32_t>(Interval));
  TimerClick.SetEnabled(true);
}

void TFrmMain::StartRun() {
  if (FRunning || FRecording || FWaitingForRecordStart) return;
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
  FClicksDone = 0;
  FRunning = true;
  FStopPlaybackRequested = false;
  if (chkMinimizeToTrayOnStart.Checked())
    HideToTray();
  else
    EnterRecUiMode(Format(Translate("Running... Press %s to stop"), {HotkeyToText(FStopHK.Vk, FStopHK.Modifiers)}));
  const int32_t DelayS = seStartDelaySS.Value();
  if (DelayS > 0) {
    TimerDelay.SetInterval(static_cast<uint32_t>(DelayS) * 1000u);
    TimerDelay.SetEnabled(true);
  } else if (rbMacros.Checked()) {
    PlaySelectedMacro();
  } else {
    ScheduleNextClick();
  }
}

void TFrmMain::TimerDelayTimer() {
  TimerDelay.SetEnabled(false);
  if (!chkMinimizeToTrayOnStart.Checked())
    EnterRecUiMode(Format(Translate("Running... Press %s to stop"), {HotkeyToText(FStopHK.Vk, FStopHK.Modifiers)}));
  if (rbMacros.Checked())
    PlaySelectedMacro();
  else
    ScheduleNextClick();
}

void TFrmMain::TimerClickTimer() {
  if (!FRunning) return;
  if (rbRepeatCount.Checked() && FClicksDone >= static_cast<uint64_t>(seRepeat.Value())) {
    StopRun(Translate("Completed repeat count. Clicks done: ") + std::to_string(FClicksDone));
    return;
  }
  PerformClick(GetTargetPoint());
  ++FClicksDone;
  ScheduleNextClick();
}

void TFrmMain::StopRun(const std::string& AMessage) {
  if (!FRunning) return;
  btnStart.SetEnabled(true);
  btnStop.SetEnabled(false);
  FRunning = false;
  FStopPlaybackRequested = true;
  TimerClick.SetEnabled(false);
  TimerDelay.SetEnabled(false);
  SetStatus(AMessage);
  if (FRecUiActive && !FRecording && !FWaitingForRecordStart) LeaveRecUiMode();
  if (!FPlatform.Window.IsVisible()) RestoreFromTray();
}

}  // namespace nevra
