#pragma once
#include <cstdint>

#include "platform/Clock.h"
#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// Microseconds on the steady clock (QueryPerformanceCounter): the clock of every schedule that
// must not drift, and of IClock::MonotonicMicroseconds.
uint64_t SteadyMicroseconds();

// A waitable timer that fires within about half a millisecond of its due time where the system
// has high-resolution timers (Windows 10 1803 and later). Elsewhere it is an ordinary one, which
// fires on the system clock tick: whoever waits for it then holds a TTimerResolutionRequest.
class TPreciseTimer {
 public:
  TPreciseTimer();
  bool HighResolution() const { return FHighResolution; }
  // Sets the timer to fire AMicroseconds from now; false when it cannot.
  bool Arm(uint64_t AMicroseconds);
  HANDLE Handle() const { return FTimer.Get(); }

 private:
  THandleOwner FTimer;
  bool FHighResolution = false;
};

// GetTickCount, GetLocalTime and a sleep precise to about a millisecond.
class TWin32Clock final : public IClock {
 public:
  TWin32Clock();

  uint32_t TickCount() override;
  // Blocks without handling messages. Plain Sleep rounds up to the next 15.6 ms system tick,
  // which would stretch an 80 ms hold to 94 ms; a high-resolution waitable timer (Windows 10
  // 1803 and later) wakes within about half a millisecond. Older systems raise the timer
  // resolution around a plain Sleep instead.
  void Sleep(uint32_t AMs) override;
  TLocalTime LocalTime() override;
  uint64_t MonotonicMicroseconds() override;

  // True when the high-resolution waitable timer is available (for the tests).
  bool UsesHighResolutionTimer() const { return FTimer.HighResolution(); }

 private:
  TPreciseTimer FTimer;
};

}  // namespace nevra::win32
