#pragma once

namespace nevra::win32 {

// Windows wakes sleeping threads and fires kernel timers on the system clock tick, about every
// 15.6 ms unless some process asks for more. A 1 ms click interval or a precise hold time
// needs the 1 ms tick, so whatever waits on short periods holds one of these meanwhile.
// Requests nest (the system counts them); each one is matched by exactly one release.
class TTimerResolutionRequest {
 public:
  TTimerResolutionRequest();
  ~TTimerResolutionRequest();
  TTimerResolutionRequest(const TTimerResolutionRequest&) = delete;
  TTimerResolutionRequest& operator=(const TTimerResolutionRequest&) = delete;

 private:
  bool FGranted;
};

// Windows 11 ignores a process's raised timer resolution while none of its windows is visible,
// to save power. A run that hides the window in the notification area must keep clicking at
// its interval, so the process opts out of that throttling. Older systems lack the setting;
// failure is harmless and ignored.
void OptOutOfTimerResolutionThrottling();

}  // namespace nevra::win32
