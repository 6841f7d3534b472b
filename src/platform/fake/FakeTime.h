#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Clock.h"
#include "platform/EventDispatcher.h"
#include "platform/Timers.h"

namespace nevra::fake {

// Virtual time: nothing here ever waits. Sleep moves the clock on without running any handler
// (the thread is blocked); RunFor moves it on step by step and fires each timer when it falls
// due, in order, so tests can assert exact milliseconds.
class TFakeTime final : public IClock, public ITimerFactory, public IMessagePump {
 public:
  // AStartTick lets a test begin just before the 32-bit tick counter wraps.
  TFakeTime(TEventDispatcher& ADispatcher, uint32_t AStartTick = 1000);
  ~TFakeTime() override;

  // Virtual milliseconds since this clock was made.
  uint64_t Now() const { return FNow; }
  // Runs every timer that falls due in the next AMs milliseconds and leaves the clock AMs later
  // (or later still, if a handler slept past that point).
  void RunFor(uint64_t AMs);
  // The sleeps made so far, in order.
  const std::vector<uint32_t>& Sleeps() const { return FSleeps; }
  int ArmedTimerCount() const;

  uint32_t TickCount() override { return FStartTick + static_cast<uint32_t>(FNow); }
  void Sleep(uint32_t AMs) override;
  uint64_t MonotonicMicroseconds() override { return FNow * 1000 + FExtraMicroseconds; }
  // Time that passes without a sleep: the cost of the work between two waits.
  void Spend(uint64_t AMicroseconds);
  TLocalTime LocalTime() override { return FLocalTime; }
  void SetLocalTime(const TLocalTime& ATime) { FLocalTime = ATime; }

  std::unique_ptr<ITimerBackend> CreateTimer(std::function<void()> AOnTick) override;
  // Fires the timers that are already due, without moving the clock.
  void ProcessMessages() override;

  struct TTimerState;

 private:
  TTimerState* NextDue(uint64_t AUntil) const;
  void Fire(TTimerState& ATimer);

  TEventDispatcher& FDispatcher;
  uint32_t FStartTick;
  uint64_t FNow = 0;
  uint64_t FExtraMicroseconds = 0;  // below a millisecond, kept until it adds up to one
  TLocalTime FLocalTime{2026, 12, 10, 9, 30, 0, 0};
  std::vector<uint32_t> FSleeps;
  std::vector<TTimerState*> FTimers;  // owned by their backends
};

}  // namespace nevra::fake
