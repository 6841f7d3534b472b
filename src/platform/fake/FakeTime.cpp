#include "platform/fake/FakeTime.h"

#include <algorithm>

namespace nevra::fake {

struct TFakeTime::TTimerState {
  std::function<void()> OnTick;
  bool Armed = false;
  uint32_t Interval = 0;  // 0: one tick only
  uint64_t Due = 0;
};

namespace {

class TFakeTimerBackend final : public ITimerBackend {
 public:
  TFakeTimerBackend(TFakeTime& ATime, std::vector<TFakeTime::TTimerState*>& AList, std::function<void()> AOnTick)
      : FTime(ATime), FList(AList) {
    FState.OnTick = std::move(AOnTick);
    FList.push_back(&FState);
  }
  ~TFakeTimerBackend() override { FList.erase(std::find(FList.begin(), FList.end(), &FState)); }
  void Arm(uint32_t AIntervalMs) override {
    FState.Armed = true;
    FState.Interval = AIntervalMs;
    FState.Due = FTime.Now() + AIntervalMs;
  }
  void ArmAt(uint64_t ADueMicroseconds) override {
    FState.Armed = true;
    FState.Interval = 0;
    // The first whole millisecond at or after the due time; one that has passed ticks as soon as
    // the thread is free.
    FState.Due = (ADueMicroseconds + 999) / 1000;
  }
  void Disarm() override { FState.Armed = false; }

 private:
  TFakeTime& FTime;
  std::vector<TFakeTime::TTimerState*>& FList;
  TFakeTime::TTimerState FState;
};

}  // namespace

TFakeTime::TFakeTime(TEventDispatcher& ADispatcher, uint32_t AStartTick)
    : FDispatcher(ADispatcher), FStartTick(AStartTick) {}

TFakeTime::~TFakeTime() = default;

void TFakeTime::Sleep(uint32_t AMs) {
  FSleeps.push_back(AMs);
  FNow += AMs;
}

void TFakeTime::Spend(uint64_t AMicroseconds) {
  FExtraMicroseconds += AMicroseconds;
  FNow += FExtraMicroseconds / 1000;
  FExtraMicroseconds %= 1000;
}

std::unique_ptr<ITimerBackend> TFakeTime::CreateTimer(std::function<void()> AOnTick) {
  return std::make_unique<TFakeTimerBackend>(*this, FTimers, std::move(AOnTick));
}

int TFakeTime::ArmedTimerCount() const {
  return static_cast<int>(std::count_if(FTimers.begin(), FTimers.end(), [](auto* T) { return T->Armed; }));
}

TFakeTime::TTimerState* TFakeTime::NextDue(uint64_t AUntil) const {
  TTimerState* Best = nullptr;
  for (TTimerState* Timer : FTimers)
    if (Timer->Armed && Timer->Due <= AUntil && (Best == nullptr || Timer->Due < Best->Due)) Best = Timer;
  return Best;
}

void TFakeTime::Fire(TTimerState& ATimer) {
  // The next tick stays on the timer's grid; periods missed while the thread was busy collapse
  // into this one tick. A timer armed for one tick is spent.
  if (ATimer.Interval == 0)
    ATimer.Armed = false;
  else
    while (ATimer.Due <= FNow) ATimer.Due += ATimer.Interval;
  const std::function<void()> OnTick = ATimer.OnTick;
  FDispatcher.Run(OnTick);
}

void TFakeTime::PostAt(uint64_t AAtMs, std::function<void()> AHandler) {
  const uint64_t At = FNow + AAtMs;
  const auto Later = std::find_if(FPosted.begin(), FPosted.end(), [At](const TPosted& P) { return P.AtMs > At; });
  FPosted.insert(Later, TPosted{At, std::move(AHandler)});
}

bool TFakeTime::HandleNext(uint64_t AUntil) {
  TTimerState* Timer = NextDue(AUntil);
  const bool MessageFirst =
      !FPosted.empty() && FPosted.front().AtMs <= AUntil && (Timer == nullptr || FPosted.front().AtMs <= Timer->Due);
  if (MessageFirst) {
    TPosted Message = std::move(FPosted.front());
    FPosted.erase(FPosted.begin());
    if (Message.AtMs > FNow) {
      FNow = Message.AtMs;
      FExtraMicroseconds = 0;
    }
    FDispatcher.Run(Message.Handler);
    return true;
  }
  if (Timer == nullptr) return false;
  if (Timer->Due > FNow) {
    FNow = Timer->Due;
    FExtraMicroseconds = 0;
  }
  Fire(*Timer);
  return true;
}

void TFakeTime::RunFor(uint64_t AMs) {
  const uint64_t Target = FNow + AMs;
  while (HandleNext(Target)) {
  }
  FNow = std::max(FNow, Target);
}

void TFakeTime::ProcessMessages() {
  const uint64_t Until = FNow;
  while (HandleNext(Until)) {
  }
}

bool TFakeTime::WaitUntil(uint64_t ADueMicroseconds, const std::function<bool()>& AStop) {
  const uint64_t Start = MonotonicMicroseconds();
  if (ADueMicroseconds > Start) FWaits.push_back(static_cast<uint32_t>((ADueMicroseconds - Start + 500) / 1000));
  // What arrives before the due time (a message due in the same millisecond counts).
  while (HandleNext(ADueMicroseconds / 1000)) {
    if (AStop()) return false;
  }
  if (ADueMicroseconds > MonotonicMicroseconds()) {
    FNow = ADueMicroseconds / 1000;
    FExtraMicroseconds = ADueMicroseconds % 1000;
  }
  return true;
}

}  // namespace nevra::fake
