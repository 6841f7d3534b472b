#include "engine/ClickRun.h"

#include <algorithm>
#include <utility>

namespace nevra {

TClickRun::TClickRun(TPlatform& APlatform)
    : TimerClick(APlatform.Timers, [this] { TimerClickTimer(); }),
      TimerDelay(APlatform.Timers, [this] { TimerDelayTimer(); }),
      FPlatform(APlatform) {}

void TClickRun::Start(std::function<TClickRunSettings()> ASettings) {
  Stop();
  FSettings = std::move(ASettings);
  FClicksDone = 0;
  FActive = true;
  const TClickRunSettings Now = FSettings();
  if (Now.StartDelayS > 0) {
    TimerDelay.SetInterval(static_cast<uint32_t>(Now.StartDelayS) * 1000u);
    TimerDelay.SetEnabled(true);
  } else if (Now.Clicks) {
    ScheduleNextClick();
  }
}

void TClickRun::Stop() {
  FActive = false;
  TimerClick.SetEnabled(false);
  TimerDelay.SetEnabled(false);
}

void TClickRun::TimerDelayTimer() {
  TimerDelay.SetEnabled(false);
  if (OnDelayOver) OnDelayOver();
  // The handler may have stopped the run.
  if (FActive && FSettings().Clicks) ScheduleNextClick();
}

void TClickRun::ScheduleNextClick() {
  const TClickRunSettings Settings = FSettings();
  const int32_t Base = Settings.IntervalMs == 0 ? 1 : Settings.IntervalMs;
  // -1, 0 or +1 with equal chances: the jitter takes exactly the values -J, 0 and +J.
  const int32_t K = static_cast<int32_t>(FPlatform.Random.Next(3)) - 1;
  const int32_t Interval = std::max(Base + K * Settings.JitterMs, 1);
  TimerClick.SetInterval(static_cast<uint32_t>(Interval));
  TimerClick.SetEnabled(true);
}

void TClickRun::TimerClickTimer() {
  if (!FActive) return;
  const TClickRunSettings Settings = FSettings();
  if (Settings.Count && FClicksDone >= *Settings.Count) {
    Stop();
    if (OnCompleted) OnCompleted(FClicksDone);
    return;
  }
  if (Settings.Point) MoveMouseTo(FPlatform.Input, Settings.Point->X, Settings.Point->Y);
  PerformClick(FPlatform.Input, FPlatform.Clock, Settings.Button, Settings.Kind,
               static_cast<uint32_t>(std::max(Settings.HoldMs, 0)));
  ++FClicksDone;
  ScheduleNextClick();
}

}  // namespace nevra
