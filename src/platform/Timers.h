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
  // No tick is delivered after this returns, not even one that was already due.
  virtual void Disarm() = 0;
};

class ITimerFactory {
 public:
  virtual ~ITimerFactory() = default;
  virtual std::unique_ptr<ITimerBackend> CreateTimer(std::function<void()> AOnTick) = 0;
};

// Runs the handlers of the messages that are waiting, then returns (it never blocks).
class IMessagePump {
 public:
  virtual ~IMessagePump() = default;
  virtual void ProcessMessages() = 0;
};

}  // namespace nevra
