#include "platform/fake/FakeBackgroundWork.h"

#include <algorithm>
#include <utility>

namespace nevra::fake {

class TFakeBackgroundWork::TTask final : public IBackgroundTask, private IBackgroundContext {
 public:
  TTask(TFakeBackgroundWork& AOwner, std::function<void(IBackgroundContext&)> AWork, std::function<void()> AOnProgress)
      : FOwner(AOwner), FWork(std::move(AWork)), FOnProgress(std::move(AOnProgress)) {
    FOwner.FTasks.push_back(this);
  }
  ~TTask() override { std::erase(FOwner.FTasks, this); }

  void Wait() override {
    if (!FWork) return;
    const auto Work = std::exchange(FWork, nullptr);
    try {
      Work(*this);
    } catch (...) {
      // As on a thread of its own: what the work throws is lost.
    }
  }
  void ContinueLater() override { FReported = true; }
  bool Ran() const { return !FWork; }
  // Hands a report made so far to the handler; false when there was none.
  bool DeliverReport(TEventDispatcher& ADispatcher) {
    if (!std::exchange(FReported, false)) return false;
    ADispatcher.Run(FOnProgress);
    return true;
  }

 private:
  bool StopRequested() const override { return false; }
  void ReportProgress() override { FReported = true; }

  TFakeBackgroundWork& FOwner;
  std::function<void(IBackgroundContext&)> FWork;
  std::function<void()> FOnProgress;
  bool FReported = false;
};

std::unique_ptr<IBackgroundTask> TFakeBackgroundWork::Start(std::function<void(IBackgroundContext&)> AWork,
                                                            std::function<void()> AOnProgress) {
  return std::make_unique<TTask>(*this, std::move(AWork), std::move(AOnProgress));
}

void TFakeBackgroundWork::RunAll() {
  while (RunTurn()) {
  }
}

bool TFakeBackgroundWork::RunTurn() {
  // Handlers may start or end tasks: the turn works on a copy and skips the ended ones.
  bool Delivered = false;
  const std::vector<TTask*> Tasks = FTasks;
  for (TTask* Task : Tasks)
    if (std::find(FTasks.begin(), FTasks.end(), Task) != FTasks.end()) Task->Wait();
  for (TTask* Task : Tasks)
    if (std::find(FTasks.begin(), FTasks.end(), Task) != FTasks.end() && Task->DeliverReport(FDispatcher))
      Delivered = true;
  return Delivered;
}

size_t TFakeBackgroundWork::Waiting() const {
  return static_cast<size_t>(
      std::count_if(FTasks.begin(), FTasks.end(), [](const TTask* ATask) { return !ATask->Ran(); }));
}

}  // namespace nevra::fake
