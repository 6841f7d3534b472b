#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/BackgroundWork.h"
#include "platform/EventDispatcher.h"

namespace nevra::fake {

// Background work on the test's own thread, at the test's command: a work runs when the test
// calls RunAll or the program waits for it, and its report is handled in RunAll, as the message
// loop would. Tasks must not outlive it.
class TFakeBackgroundWork final : public IBackgroundWork {
 public:
  explicit TFakeBackgroundWork(TEventDispatcher& ADispatcher) : FDispatcher(ADispatcher) {}

  std::unique_ptr<IBackgroundTask> Start(std::function<void(IBackgroundContext&)> AWork,
                                         std::function<void()> AOnProgress) override;
  // Runs every work not run yet to its end, then hands each report to its task's handler, until
  // none is left.
  void RunAll();
  // One turn of the message loop: runs every work not run yet and hands each task at most one
  // report; false when there was none.
  bool RunTurn();
  // Works started and not run yet.
  size_t Waiting() const;

  class TTask;

 private:
  friend class TTask;
  TEventDispatcher& FDispatcher;
  std::vector<TTask*> FTasks;  // the live ones, in the order they started
};

}  // namespace nevra::fake
