#pragma once
#include <functional>

namespace nevra {

class IDialogs;

// The one door through which every event reaches the program's handlers: user input from the
// window, timer ticks, hotkeys. An exception that escapes a handler is shown in an error box and
// the program goes on; nothing ever unwinds into a window procedure or a timer callback.
class TEventDispatcher {
 public:
  explicit TEventDispatcher(IDialogs& ADialogs) : FDialogs(ADialogs) {}
  void Run(const std::function<void()>& AHandler) noexcept;

 private:
  IDialogs& FDialogs;
};

}  // namespace nevra
