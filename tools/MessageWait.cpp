#include "MessageWait.h"

#include <windows.h>

namespace nevra::tools {

namespace {

using TClock = std::chrono::steady_clock;

// A poll step short enough for conditions that no message of ours announces (another
// process's window text, for one).
constexpr DWORD kPollMs = 5;

// Handles one waiting message; false when none waited.
bool PumpOneMessage() {
  MSG Message;
  if (!PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE)) return false;
  TranslateMessage(&Message);
  DispatchMessageW(&Message);
  return true;
}

void WaitForMessageOrPoll() { MsgWaitForMultipleObjectsEx(0, nullptr, kPollMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE); }

}  // namespace

void PumpMessages() {
  while (PumpOneMessage()) {
  }
}

bool WaitUntil(const std::function<bool()>& ACondition, std::chrono::milliseconds ATimeout) {
  const TClock::time_point Deadline = TClock::now() + ATimeout;
  for (;;) {
    if (ACondition()) return true;
    if (TClock::now() >= Deadline) return false;
    if (!PumpOneMessage()) WaitForMessageOrPoll();
  }
}

void PumpFor(std::chrono::milliseconds ADuration) {
  const TClock::time_point Deadline = TClock::now() + ADuration;
  while (TClock::now() < Deadline) {
    if (!PumpOneMessage()) WaitForMessageOrPoll();
  }
}

}  // namespace nevra::tools
