#pragma once

#include "platform/BackgroundWork.h"
#include "platform/EventDispatcher.h"

namespace nevra::win32 {

// Each task's work runs on a thread of its own; its progress reports are posted to a message-only
// window the task makes on the GUI thread, so they arrive through the message loop (and through
// modal loops: a message box or a menu does not hold them up). Make it and start work on the GUI
// thread.
class TWin32BackgroundWork final : public IBackgroundWork {
 public:
  explicit TWin32BackgroundWork(TEventDispatcher& ADispatcher) : FDispatcher(ADispatcher) {}

  std::unique_ptr<IBackgroundTask> Start(std::function<void(IBackgroundContext&)> AWork,
                                         std::function<void()> AOnProgress) override;

 private:
  TEventDispatcher& FDispatcher;
};

}  // namespace nevra::win32
