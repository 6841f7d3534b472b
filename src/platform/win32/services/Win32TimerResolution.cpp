#include "platform/win32/services/Win32TimerResolution.h"

#include <windows.h>
#include <timeapi.h>

#include "platform/win32/Win32DynamicApi.h"

namespace nevra::win32 {

namespace {
constexpr UINT kFinestPeriodMs = 1;
}

TTimerResolutionRequest::TTimerResolutionRequest() : FGranted(::timeBeginPeriod(kFinestPeriodMs) == TIMERR_NOERROR) {}

TTimerResolutionRequest::~TTimerResolutionRequest() {
  if (FGranted) ::timeEndPeriod(kFinestPeriodMs);
}

void OptOutOfTimerResolutionThrottling() {
  const auto SetInformation = DynamicApi().SetProcessInformation;
  if (SetInformation == nullptr) return;
  PROCESS_POWER_THROTTLING_STATE State{};
  State.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
  // The feature is under our control (ControlMask) and switched off (StateMask clear): the
  // process's timer resolution request is honoured even while its windows are hidden.
  State.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
  State.StateMask = 0;
  SetInformation(::GetCurrentProcess(), ProcessPowerThrottling, &State, sizeof(State));
}

}  // namespace nevra::win32
