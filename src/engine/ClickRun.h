#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/MouseActions.h"
#include "platform/Geometry.h"
#include "platform/Platform.h"
#include "platform/controls/Timer.h"

namespace nevra {

// Everything a run is set to, read from the window when it starts.
struct TClickRunSettings {
  // Between two clicks; 0 counts as 1.
  int32_t IntervalMs = 100;
  // Each interval is the base, the base less this or the base plus this, with equal chances.
  int32_t JitterMs = 0;
  int32_t Button = 0;
  TClickKind Kind = TClickKind::ckSingle;
  int32_t HoldMs = 80;
  // Where each click lands: this point, or where the cursor is when there is none.
  std::optional<TPoint> Point;
  // How many clicks, or until stopped when there is none.
  std::optional<uint64_t> Count;
  int32_t StartDelayS = 0;
  // False for a macro's run, which only waits the start delay here: the player does the rest.
  bool Clicks = true;
};

// A run: the start delay, then one click every interval until it is stopped or has clicked its
// count. It owns its two timers; the window hears of the end of the delay and of a completed
// count through the callbacks. The settings are read anew at every click, so a change made
// during the run takes effect at the next one.
class TClickRun {
 public:
  explicit TClickRun(TPlatform& APlatform);

  // A start delay is over; clicking begins after this returns.
  std::function<void()> OnDelayOver;
  // The count of clicks is reached; the run has already stopped.
  std::function<void(uint64_t AClicksDone)> OnCompleted;

  void Start(std::function<TClickRunSettings()> ASettings);
  // Nothing more happens until the next Start.
  void Stop();
  uint64_t ClicksDone() const { return FClicksDone; }

  TTimer TimerClick;
  TTimer TimerDelay;

 private:
  void TimerClickTimer();
  void TimerDelayTimer();
  void ScheduleNextClick();

  TPlatform& FPlatform;
  std::function<TClickRunSettings()> FSettings;
  uint64_t FClicksDone = 0;
  bool FActive = false;
};

}  // namespace nevra
