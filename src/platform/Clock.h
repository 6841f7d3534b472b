#pragma once
#include <cstdint>

namespace nevra {

struct TLocalTime {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

class IClock {
 public:
  virtual ~IClock() = default;
  // Milliseconds since system start; wraps around after about 49.7 days, so differences are
  // always taken in unsigned 32-bit arithmetic.
  virtual uint32_t TickCount() = 0;
  // Blocks the calling thread for AMs milliseconds, to within about a millisecond, and
  // handles no messages meanwhile.
  virtual void Sleep(uint32_t AMs) = 0;
  // A steady clock in microseconds, for schedules that must not drift (macro playback); the tick
  // count moves in steps of up to 16 ms on Windows.
  virtual uint64_t MonotonicMicroseconds() = 0;
  virtual TLocalTime LocalTime() = 0;
};

}  // namespace nevra
