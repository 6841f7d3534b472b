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
// (the thread is blocked); RunFor and WaitUntil move it on step by step and fire each timer and
// deliver each posted message when it falls due, in order, so tests can assert exact
// milliseconds.
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
  // The waits that handled messages (WaitUntil), in whole milliseconds, in order; a wait whose
  // due time had already come is not listed.
  const std::vector<uint32_t>& Waits() const { return FWaits; }
  // A message that arrives AAtMs virtual milliseconds from now (a click, a hotkey, a close): its
  // handler runs through the dispatcher in the first RunFor, WaitUntil or ProcessMessages that
  // reaches that time.
  void PostAt(uint64_t AAtMs, std::function<void()> AHandler);
  int ArmedTimerCount() const;

  uint32_t TickCount() override { return FStartTick + static_cast<uint32_t>(FNow); }
  void Sleep(uint32_t AMs) override;
  uint64_t MonotonicMicroseconds() override { return FNow * 1000 + FExtraMicroseconds; }
  // Time that passes without a sleep: the cost of the work between two waits.
  void Spend(uint64_t AMicroseconds);
  TLocalTime LocalTime() override { return FLocalTime; }
  void SetLocalTime(const TLocalTime& ATime) { FLocalTime = ATime; }

  std::unique_ptr<ITimerBackend> CreateTimer(std::function<void()> AOnTick) override;
  // Fires the timers and delivers the messages that are already due, without moving the clock.
  void ProcessMessages() override;
  bool WaitUntil(uint64_t ADueMicroseconds, const std::function<bool()>& AStop) override;

  struct TTimerState;

 private:
  struct TPosted {
    uint64_t AtMs;
    std::function<void()> Handler;
  };
  TTimerState* NextDue(uint64_t AUntil) const;
  void Fire(TTimerState& ATimer);
  // Moves the clock to the next timer or message due by AUntil and handles it; false when
  // there is none.
  bool HandleNext(uint64_t AUntil);

  TEventDispatcher& FDispatcher;
  uint32_t FStartTick;
  uint64_t FNow = 0;
  uint64_t FExtraMicroseconds = 0;  // below a millisecond, kept until it adds up to one
  TLocalTime FLocalTime{2026, 12, 10, 9, 30, 0, 0};
  std::vector<uint32_t> FSleeps;
  std::vector<uint32_t> FWaits;
  std::vector<TPosted> FPosted;       // in the order they arrive
  std::vector<TTimerState*> FTimers;  // owned by their backends
};

}  // namespace nevra::fake
