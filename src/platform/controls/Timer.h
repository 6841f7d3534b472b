#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Timers.h"

namespace nevra {

// A window timer with the semantics the run controller relies on: setting the interval it
// already has leaves the running period alone; setting another one while enabled restarts the
// period now; enabling an enabled timer or disabling a disabled one changes nothing. An interval
// of 0 never ticks.
class TTimer {
 public:
  TTimer(ITimerFactory& AFactory, std::function<void()> AOnTimer, uint32_t AInterval = 1000);
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool AEnabled);
  uint32_t Interval() const { return FInterval; }
  void SetInterval(uint32_t AInterval);

 private:
  void Tick();
  void Rearm();

  std::function<void()> FOnTimer;
  std::unique_ptr<ITimerBackend> FBackend;
  uint32_t FInterval;
  bool FEnabled = false;
};

}  // namespace nevra
