#include "run/ClickSchedule.h"

#include <algorithm>

namespace nevra {

void TClickSchedule::Begin(uint64_t AFromUs, uint32_t AIntervalMs) {
  FDue = AFromUs;
  Advance(AIntervalMs);
}

void TClickSchedule::Advance(uint32_t AIntervalMs) {
  FStepUs = uint64_t{std::max<uint32_t>(AIntervalMs, 1)} * 1000;
  FDue += FStepUs;
}

bool TClickSchedule::ClickDueAt(uint64_t ANowUs) {
  if (ANowUs < FDue) return false;
  const uint64_t Late = ANowUs - FDue;
  // Past the window, whole intervals missed are passed over: the click goes to the latest due
  // time, less than one interval ago.
  if (Late > std::max(FStepUs, kMakeUpWindowUs)) FDue += Late / FStepUs * FStepUs;
  return true;
}

uint32_t DrawInterval(const TClickTask& ATask, IRandom& ARandom) {
  const int64_t Base = std::max<uint32_t>(ATask.IntervalMs, 1);
  // -1, 0 or +1 with equal chances: the jitter takes exactly the values -J, 0 and +J.
  const int64_t Shift = (static_cast<int64_t>(ARandom.Next(3)) - 1) * int64_t{ATask.JitterMs};
  return static_cast<uint32_t>(std::max<int64_t>(Base + Shift, 1));
}

}  // namespace nevra
