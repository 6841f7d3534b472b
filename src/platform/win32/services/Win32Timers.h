#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/EventDispatcher.h"
#include "platform/Timers.h"

namespace nevra::win32 {

// Timers that honour every interval down to 1 ms and deliver their ticks on the GUI thread.
//
// SetTimer cannot: it raises intervals below 10 ms to 10 ms and ticks on the 15.6 ms system
// clock, so a 1 ms click interval would give 64 clicks a second. Each timer here is a periodic
// threadpool timer instead (drift-free: its due times lie on a fixed grid), whose callback posts
// one message to a message-only window that belongs to the thread that made the factory. An
// atomic "pending" flag lets only one tick wait in the queue at a time, so ticks never pile up
// while the GUI thread is busy; the flag is cleared when the GUI thread takes the tick.
//
// Windows hands out posted messages before input and painting. A tick that falls due while the
// handler of the previous one still runs (a handler slower than the period, such as a long Hold
// click at a 1 ms interval) is therefore held back while mouse or keyboard input or painting
// waits, so the window always stays usable during a run.
//
// Because the tick is an ordinary posted message, it also arrives while a modal message box runs
// its own loop on the GUI thread, just as a window timer's tick would.
//
// While a timer is armed it holds a 1 ms timer-resolution request: the threadpool's timers fire
// on the system clock tick too.
//
// Make the factory on the GUI thread; it needs no main window. It must outlive its timers' use
// of the message loop only: a timer may outlive the factory, it then never ticks.
class TWin32TimerFactory final : public ITimerFactory {
 public:
  explicit TWin32TimerFactory(TEventDispatcher& ADispatcher);
  ~TWin32TimerFactory() override;
  TWin32TimerFactory(const TWin32TimerFactory&) = delete;
  TWin32TimerFactory& operator=(const TWin32TimerFactory&) = delete;

  std::unique_ptr<ITimerBackend> CreateTimer(std::function<void()> AOnTick) override;

  // The message-only window that receives the ticks (for the tests).
  HWND SinkWindow() const;

  struct TRegistry;

 private:
  std::shared_ptr<TRegistry> FRegistry;
};

}  // namespace nevra::win32
