#pragma once
#include <cstdint>
#include <functional>
#include <memory>

namespace nevra {

// The OS side of one timer: a periodic tick delivered on the GUI thread. TTimer (controls)
// builds the semantics the program relies on from these two calls.
class ITimerBackend {
 public:
  virtual ~ITimerBackend() = default;
  // Starts (or restarts) the period now: the first tick is due AIntervalMs from now, then one
  // every AIntervalMs on a regular, drift-free grid. Periods that elapse while the GUI thread is
  // busy yield a single tick once it is free; ticks never pile up.
  virtual void Arm(uint32_t AIntervalMs) = 0;
  // One tick when the steady clock (IClock::MonotonicMicroseconds) reaches ADueMicroseconds, or at
  // once when that has passed; then none until the timer is armed again. Like a periodic tick, a
  // tick that falls due while the GUI thread is busy comes once it is free.
  virtual void ArmAt(uint64_t ADueMicroseconds) = 0;
  // No tick is delivered after this returns, not even one that was already due.
  virtual void Disarm() = 0;
};

class ITimerFactory {
 public:
  virtual ~ITimerFactory() = default;
  virtual std::unique_ptr<ITimerBackend> CreateTimer(std::function<void()> AOnTick) = 0;
};

// The GUI thread's messages, for code that keeps the thread busy for a while (a macro playback).
class IMessagePump {
 public:
  virtual ~IMessagePump() = default;
  // Runs the handlers of the messages that are waiting, then returns (it never blocks).
  virtual void ProcessMessages() = 0;
  // Waits until the steady clock (IClock::MonotonicMicroseconds) reaches ADueMicroseconds,
  // running the handlers of messages as they arrive, so the window stays responsive and the
  // user's Stop, hotkeys and closing take effect during the wait. After the handlers of a
  // message have run, AStop decides whether the wait ends there. True when the due time came;
  // false when AStop (or the program's end) cut the wait short. With the due time already past,
  // it returns at once, having handled what was waiting at most a millisecond ago.
  virtual bool WaitUntil(uint64_t ADueMicroseconds, const std::function<bool()>& AStop) = 0;
};

}  // namespace nevra
