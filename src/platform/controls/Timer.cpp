#include "platform/controls/Timer.h"

#include <utility>

namespace nevra {

TTimer::TTimer(ITimerFactory& AFactory, std::function<void()> AOnTimer, uint32_t AInterval)
    : FOnTimer(std::move(AOnTimer)), FBackend(AFactory.CreateTimer([this] { Tick(); })), FInterval(AInterval) {}

void TTimer::SetEnabled(bool AEnabled) {
  if (AEnabled == FEnabled) return;
  FEnabled = AEnabled;
  Rearm();
}

void TTimer::SetInterval(uint32_t AInterval) {
  if (AInterval == FInterval) return;
  FInterval = AInterval;
  if (FEnabled) Rearm();
}

void TTimer::Rearm() {
  if (FEnabled && FInterval > 0)
    FBackend->Arm(FInterval);
  else
    FBackend->Disarm();
}

void TTimer::Tick() {
  if (FEnabled && FOnTimer) FOnTimer();
}

}  // namespace nevra
