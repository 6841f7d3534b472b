// When clicks fall due after the program was held up: a short stall is made up, a long one is
// passed over.
#include "run/ClickSchedule.h"

#include <gtest/gtest.h>

namespace nevra {
namespace {

// The clicks the schedule gives at one moment, the first due one interval after 0.
int ClicksDueAt(uint64_t ANowUs, uint32_t AIntervalMs) {
  TClickSchedule Schedule;
  Schedule.Begin(0, AIntervalMs);
  int Clicks = 0;
  while (Clicks < 10000 && Schedule.ClickDueAt(ANowUs)) {
    ++Clicks;
    Schedule.Advance(AIntervalMs);
  }
  return Clicks;
}

TEST(ClickSchedule, AShortStallIsMadeUpAndALongOneIsPassedOver) {
  struct TCase {
    uint32_t IntervalMs;
    uint64_t NowUs;
    int Clicks;
  };
  const TCase Cases[] = {
      {1, 999, 0},       // not yet due
      {1, 1000, 1},      // on time
      {1, 6000, 6},      // 5 ms late at 1 ms: every click made up
      {1, 21000, 21},    // 20 ms late: the edge of the make-up window
      {1, 21001, 1},     // just past it: only the latest due time
      {1, 5000000, 1},   // a stall of seconds: one click, no burst
      {10, 30000, 3},    // 20 ms late at 10 ms: made up
      {10, 40000, 1},    // 30 ms late: passed over
      {100, 150000, 1},  // half an interval late: the click, nothing more
      {100, 250000, 1},  // more than an interval late: passed over, the window is never below one interval
  };
  for (const TCase& Case : Cases)
    EXPECT_EQ(ClicksDueAt(Case.NowUs, Case.IntervalMs), Case.Clicks)
        << Case.IntervalMs << " ms interval, at " << Case.NowUs << " us";
}

}  // namespace
}  // namespace nevra
