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

}  // namespace nevra
