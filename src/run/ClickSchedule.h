#pragma once
#include <cstdint>

namespace nevra {

// When the clicks of a run fall due, on the steady clock (microseconds). Each due time is the one
// before plus the interval drawn for it, not the moment a click was done plus the interval, so
// the time a click takes never adds up. Clicks missed in a short stall (the machine busy with a
// build for a few milliseconds) are made up at once, so a fast run keeps its rate; once a click is
// late by more than the make-up window (a Hold longer than the interval, a machine too busy to keep
// up, a suspended machine), the due times missed are passed over rather than made up in a burst.
class TClickSchedule {
 public:
  // The first click falls due AIntervalMs after AFromUs.
  void Begin(uint64_t AFromUs, uint32_t AIntervalMs);
  uint64_t Due() const { return FDue; }
  // How late a click may be and still be made up: one interval, and never less than this.
  static constexpr uint64_t kMakeUpWindowUs = 20000;
  // Whether a click is due at ANowUs; due times missed by more than the make-up window are
  // passed over.
  bool ClickDueAt(uint64_t ANowUs);
  // A click was made for the due time: the next one falls due AIntervalMs after it.
  void Advance(uint32_t AIntervalMs);

 private:
  uint64_t FDue = 0;
  uint64_t FStepUs = 1000;  // the interval the due time was drawn with
};

}  // namespace nevra
