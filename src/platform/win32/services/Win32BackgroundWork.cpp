#include "platform/win32/services/Win32BackgroundWork.h"

#include <windows.h>

#include <atomic>
#include <thread>
#include <utility>

#include "platform/win32/Win32Messages.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

namespace {

class TBackgroundTask final : public IBackgroundTask, private IBackgroundContext, private TWin32Window {
 public:
  TBackgroundTask(TEventDispatcher& ADispatcher, std::function<void(IBackgroundContext&)> AWork,
                  std::function<void()> AOnProgress)
      : FDispatcher(ADispatcher), FWork(std::move(AWork)), FOnProgress(std::move(AOnProgress)) {
    Create(TWindowClass{L"NevraBackgroundTask"}, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
    FSink = Handle();
    // The thread starts once the GUI thread is back in its message loop, so the work does not
    // compete with what the GUI thread does first (at start-up: making and showing the window).
    if (::PostMessageW(FSink, kBackgroundStartMessage, 0, 0) == FALSE) StartThread();
  }

  ~TBackgroundTask() override {
    FStopRequested.store(true);
    TBackgroundTask::Wait();
    // Reports still queued die with the window.
    Destroy();
  }

  void Wait() override {
    // Not started yet: the work runs here, at once.
    if (FWork) RunWork(std::exchange(FWork, nullptr));
    if (FThread.joinable()) FThread.join();
  }

  void ContinueLater() override {
    if (FReportQueued.exchange(true)) return;
    // Windows hands out posted messages before input and painting; a timer message comes only
    // once those are done, so a handler that goes on slice after slice never holds them up.
    if (HIWORD(::GetQueueStatus(QS_INPUT | QS_PAINT)) != 0 &&
        ::SetTimer(FSink, kContinueTimerId, USER_TIMER_MINIMUM, nullptr) != 0)
      return;
    Post();
  }

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override {
    if (AMessage == kBackgroundStartMessage) {
      StartThread();
      return 0;
    }
    if (AMessage == WM_TIMER && AWParam == kContinueTimerId)
      ::KillTimer(FSink, kContinueTimerId);
    else if (AMessage != kBackgroundProgressMessage)
      return Default(AMessage, AWParam, ALParam);
    // Cleared first: a report made while the handler runs brings it back once more.
    FReportQueued.store(false);
    FDispatcher.Run(FOnProgress);
    return 0;
  }

 private:
  void StartThread() {
    if (!FWork) return;
    FThread = std::thread([this, Work = std::exchange(FWork, nullptr)] { RunWork(Work); });
  }

  void RunWork(const std::function<void(IBackgroundContext&)>& AWork) {
    try {
      AWork(*this);
    } catch (...) {
      // Nothing may leave a thread; the work reports its own errors.
    }
  }

  bool StopRequested() const override { return FStopRequested.load(); }

  void ReportProgress() override {
    if (!FReportQueued.exchange(true)) Post();
  }

  void Post() {
    if (::PostMessageW(FSink, kBackgroundProgressMessage, 0, 0) == FALSE) FReportQueued.store(false);
  }

  static constexpr UINT_PTR kContinueTimerId = 1;

  TEventDispatcher& FDispatcher;
  std::function<void(IBackgroundContext&)> FWork;  // until it starts
  std::function<void()> FOnProgress;
  // The window's handle as the work's thread reads it; it never changes while the thread runs.
  HWND FSink = nullptr;
  std::atomic<bool> FStopRequested{false};
  std::atomic<bool> FReportQueued{false};
  std::thread FThread;
};

}  // namespace

std::unique_ptr<IBackgroundTask> TWin32BackgroundWork::Start(std::function<void(IBackgroundContext&)> AWork,
                                                             std::function<void()> AOnProgress) {
  return std::make_unique<TBackgroundTask>(FDispatcher, std::move(AWork), std::move(AOnProgress));
}

}  // namespace nevra::win32
