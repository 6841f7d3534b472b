#pragma once
#include <functional>
#include <memory>

namespace nevra {

// What a piece of background work sees of the program while it runs.
class IBackgroundContext {
 public:
  virtual ~IBackgroundContext() = default;
  // The task is being destroyed: the work should return as soon as it can.
  virtual bool StopRequested() const = 0;
  // Asks for the task's progress handler to run on the GUI thread, from the message loop. Reports
  // made before it runs make one run; callable from the work's thread only.
  virtual void ReportProgress() = 0;
};

// One piece of work running away from the GUI thread. Destroying the task asks the work to stop,
// waits for it to end and drops a report not yet handled.
class IBackgroundTask {
 public:
  virtual ~IBackgroundTask() = default;
  // Blocks until the work has ended. A report it made may still be handled afterwards.
  virtual void Wait() = 0;
  // Has the progress handler run once more, from the message loop, after waiting input and
  // painting: for a handler that takes a report's results a slice at a time. GUI thread only.
  virtual void ContinueLater() = 0;
};

// Starts work on a thread of its own, so that slow reading leaves the window answering.
class IBackgroundWork {
 public:
  virtual ~IBackgroundWork() = default;
  // AWork runs on another thread, from when the GUI thread is next in its message loop (so it
  // does not compete with what the GUI thread does until then), or at once on the calling thread
  // when the task is waited for before that. What it throws ends it and is lost, so it handles
  // its own errors. AOnProgress runs on the GUI thread through the event dispatcher and leaves its task
  // alone (destroying it there would wait on itself). Call on the GUI thread.
  virtual std::unique_ptr<IBackgroundTask> Start(std::function<void(IBackgroundContext&)> AWork,
                                                 std::function<void()> AOnProgress) = 0;
};

}  // namespace nevra
