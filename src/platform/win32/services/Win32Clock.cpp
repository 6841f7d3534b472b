#include "platform/win32/services/Win32Clock.h"

#include <windows.h>

#include "platform/win32/services/Win32TimerResolution.h"

namespace nevra::win32 {

namespace {
// Not yet in every SDK's headers.
constexpr DWORD kCreateWaitableTimerHighResolution = 0x00000002;
}  // namespace

uint64_t SteadyMicroseconds() {
  static const int64_t Frequency = [] {
    LARGE_INTEGER Value{};
    ::QueryPerformanceFrequency(&Value);
    return Value.QuadPart;
  }();
  LARGE_INTEGER Now{};
  ::QueryPerformanceCounter(&Now);
  // Whole seconds and the rest apart, so the multiplication cannot overflow.
  const int64_t Seconds = Now.QuadPart / Frequency;
  const int64_t Rest = Now.QuadPart % Frequency;
  return static_cast<uint64_t>(Seconds) * 1000000u + static_cast<uint64_t>(Rest * 1000000 / Frequency);
}

TPreciseTimer::TPreciseTimer()
    : FTimer(::CreateWaitableTimerExW(nullptr, nullptr, kCreateWaitableTimerHighResolution, TIMER_ALL_ACCESS)) {
  FHighResolution = static_cast<bool>(FTimer);
  if (!FHighResolution) FTimer.Reset(::CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
}

bool TPreciseTimer::Arm(uint64_t AMicroseconds) {
  if (!FTimer) return false;
  // Relative due times are negative, in 100-ns units.
  LARGE_INTEGER Due;
  Due.QuadPart = -static_cast<LONGLONG>(AMicroseconds) * 10;
  return ::SetWaitableTimer(FTimer.Get(), &Due, 0, nullptr, nullptr, FALSE) != FALSE;
}

TWin32Clock::TWin32Clock() = default;

uint32_t TWin32Clock::TickCount() { return static_cast<uint32_t>(::GetTickCount()); }

uint64_t TWin32Clock::MonotonicMicroseconds() { return SteadyMicroseconds(); }

void TWin32Clock::Sleep(uint32_t AMs) {
  if (AMs == 0) return;
  if (FTimer.HighResolution() && FTimer.Arm(uint64_t{AMs} * 1000) &&
      ::WaitForSingleObject(FTimer.Handle(), INFINITE) == WAIT_OBJECT_0)
    return;
  const TTimerResolutionRequest FineTicks;
  ::Sleep(AMs);
}

TLocalTime TWin32Clock::LocalTime() {
  SYSTEMTIME Now{};
  ::GetLocalTime(&Now);
  return TLocalTime{Now.wYear, Now.wMonth, Now.wDay, Now.wHour, Now.wMinute, Now.wSecond, Now.wMilliseconds};
}

}  // namespace nevra::win32
