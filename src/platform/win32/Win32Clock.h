#pragma once
#include <cstdint>

#include "platform/Clock.h"
#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

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
  bool UsesHighResolutionTimer() const { return static_cast<bool>(FWaitableTimer); }

 private:
  THandleOwner FWaitableTimer;
};

}  // namespace nevra::win32
