#pragma once
#include <cstdint>

#include "platform/Random.h"
#include "run/RunRequest.h"

namespace nevra {

// When the clicks of a run fall due, on the steady clock (microseconds). Each due time is the one
// before plus the interval drawn for it, not the moment a click was done plus the interval, so
// the time a click takes never adds up. A due time missed by more than its interval (a Hold
// longer than the interval, a machine too busy to keep up) is passed over rather than made up in
// a burst of clicks.
class TClickSchedule {
 public:
  // The first click falls due AIntervalMs after AFromUs.
  void Begin(uint64_t AFromUs, uint32_t AIntervalMs);
  uint64_t Due() const { return FDue; }
  // Whether a click is due at ANowUs; due times missed by more than their interval are passed over.
  bool ClickDueAt(uint64_t ANowUs);
  // A click was made for the due time: the next one falls due AIntervalMs after it.
  void Advance(uint32_t AIntervalMs);

 private:
  uint64_t FDue = 0;
  uint64_t FStepUs = 1000;  // the interval the due time was drawn with
};

// The interval before a click: the task's base (0 counts as 1 ms) less its jitter, as it is, or
// plus its jitter, with equal chances, and never below 1 ms.
uint32_t DrawInterval(const TClickTask& ATask, IRandom& ARandom);

}  // namespace nevra
