#pragma once
#include <chrono>
#include <functional>

namespace nevra::tools {

// Handles this thread's messages until none waits. With a timer that ticks faster than its
// handler runs this may not return; use WaitUntil or PumpFor there.
void PumpMessages();

// Handles this thread's messages until ACondition holds or ATimeout has passed; true when it
// held. Waits on real events (the condition is tested after every message, and at least every
// few milliseconds), never for a fixed time.
bool WaitUntil(const std::function<bool()>& ACondition, std::chrono::milliseconds ATimeout);

// Handles this thread's messages for ADuration. Only for watching that nothing more arrives.
void PumpFor(std::chrono::milliseconds ADuration);

}  // namespace nevra::tools
