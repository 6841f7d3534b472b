#include "platform/win32/services/Win32Timers.h"

#include <atomic>
#include <optional>
#include <unordered_map>
#include <utility>

#include "platform/win32/Win32Errors.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Messages.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/services/Win32Clock.h"
#include "platform/win32/services/Win32TimerResolution.h"

namespace nevra::win32 {

namespace {

class TPoolTimerBackend;

// Receives the posted ticks on the thread that made the factory.
class TTickSink final : public TWin32Window {
 public:
  explicit TTickSink(TWin32TimerFactory::TRegistry& ARegistry);
  ~TTickSink() override { Destroy(); }

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;

 private:
  TWin32TimerFactory::TRegistry& FRegistry;
};

// What the threadpool's thread touches. Everything else of a timer belongs to the GUI thread.
struct TPoolSide {
  HWND Sink = nullptr;
  uint32_t Id = 0;
  // A tick is queued, deferred, or about to run.
  std::atomic<bool> Pending{false};
  // The GUI thread is running this timer's handler.
  std::atomic<bool> Busy{false};
  // Bumped on every Arm and Disarm; a tick posted under an older generation is stale.
  std::atomic<uint32_t> Generation{0};
};

}  // namespace

struct TWin32TimerFactory::TRegistry {
  explicit TRegistry(TEventDispatcher& ADispatcher) : Dispatcher(ADispatcher) {}
  void Deliver(uint32_t AId, uint32_t AGeneration, bool ACatchUp);
  void DeliverDeferred(uint32_t AId);

  TEventDispatcher& Dispatcher;
  std::unique_ptr<TTickSink> Sink;
  std::unordered_map<uint32_t, TPoolTimerBackend*> Timers;
  uint32_t NextId = 1;
};

namespace {

class TPoolTimerBackend final : public ITimerBackend {
 public:
  TPoolTimerBackend(std::shared_ptr<TWin32TimerFactory::TRegistry> ARegistry, std::function<void()> AOnTick);
  ~TPoolTimerBackend() override;

  void Arm(uint32_t AIntervalMs) override;
  void ArmAt(uint64_t ADueMicroseconds) override;
  void Disarm() override;
  // A tick has arrived on the GUI thread.
  void Receive(uint32_t AGeneration, bool ACatchUp);
  // The deferred catch-up tick's turn has come.
  void DeliverDeferred();

 private:
  void Deliver();
  // Starts the threadpool timer: the first tick AWait100ns from now, then every APeriodMs (0: none).
  void Start(ULONGLONG AWait100ns, DWORD APeriodMs);
  static VOID CALLBACK OnPoolTick(PTP_CALLBACK_INSTANCE AInstance, PVOID AContext, PTP_TIMER ATimer);
  // Stops the threadpool timer and waits until no callback of it runs any more; afterwards every
  // tick already posted is stale.
  void Stop();

  std::shared_ptr<TWin32TimerFactory::TRegistry> FRegistry;
  std::function<void()> FOnTick;
  TPoolSide FPoolSide;
  TThreadpoolTimerOwner FTimer;
  std::optional<TTimerResolutionRequest> FFineTicks;
  bool FArmed = false;
  bool FDeferred = false;
  // Cleared when the timer goes, so a handler that destroys its own timer is safe.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

TTickSink::TTickSink(TWin32TimerFactory::TRegistry& ARegistry) : FRegistry(ARegistry) {
  Create(TWindowClass{L"NevraTimerSink"}, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
}

LRESULT TTickSink::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case kTimerTickMessage:
    case kTimerCatchUpTickMessage:
      FRegistry.Deliver(static_cast<uint32_t>(AWParam), static_cast<uint32_t>(ALParam),
                        AMessage == kTimerCatchUpTickMessage);
      return 0;
    case WM_TIMER: FRegistry.DeliverDeferred(static_cast<uint32_t>(AWParam)); return 0;
    default: return Default(AMessage, AWParam, ALParam);
  }
}

TPoolTimerBackend::TPoolTimerBackend(std::shared_ptr<TWin32TimerFactory::TRegistry> ARegistry,
                                     std::function<void()> AOnTick)
    : FRegistry(std::move(ARegistry)),
      FOnTick(std::move(AOnTick)),
      FTimer(::CreateThreadpoolTimer(&TPoolTimerBackend::OnPoolTick, &FPoolSide, nullptr)) {
  if (!FTimer) FailWithLastError("CreateThreadpoolTimer");
  FPoolSide.Sink = FRegistry->Sink ? FRegistry->Sink->Handle() : nullptr;
  FPoolSide.Id = FRegistry->NextId++;
  FRegistry->Timers.emplace(FPoolSide.Id, this);
}

TPoolTimerBackend::~TPoolTimerBackend() {
  *FAlive = false;
  Stop();
  FRegistry->Timers.erase(FPoolSide.Id);
}

VOID CALLBACK TPoolTimerBackend::OnPoolTick(PTP_CALLBACK_INSTANCE, PVOID AContext, PTP_TIMER) {
  auto& Side = *static_cast<TPoolSide*>(AContext);
  // One tick at a time: while one waits in the queue, further periods add nothing.
  if (Side.Pending.exchange(true)) return;
  const uint32_t Generation = Side.Generation.load();
  const UINT Message = Side.Busy.load() ? kTimerCatchUpTickMessage : kTimerTickMessage;
  if (::PostMessageW(Side.Sink, Message, Side.Id, static_cast<LPARAM>(Generation)) == FALSE) Side.Pending.store(false);
}

void TPoolTimerBackend::Stop() {
  ::SetThreadpoolTimer(FTimer.Get(), nullptr, 0, 0);
  ::WaitForThreadpoolTimerCallbacks(FTimer.Get(), TRUE);
  FPoolSide.Generation.fetch_add(1);
  FPoolSide.Pending.store(false);
  if (FDeferred && FPoolSide.Sink != nullptr) ::KillTimer(FPoolSide.Sink, FPoolSide.Id);
  FDeferred = false;
}

void TPoolTimerBackend::Arm(uint32_t AIntervalMs) { Start(ULONGLONG{AIntervalMs} * 10000, AIntervalMs); }

void TPoolTimerBackend::ArmAt(uint64_t ADueMicroseconds) {
  const uint64_t Now = SteadyMicroseconds();
  // At least one 100-ns unit: a due time of zero would not be relative to now.
  Start(ADueMicroseconds > Now ? (ADueMicroseconds - Now) * 10 : 1, 0);
}

void TPoolTimerBackend::Start(ULONGLONG AWait100ns, DWORD APeriodMs) {
  Stop();
  if (!FFineTicks) FFineTicks.emplace();
  // A negative due time is relative to now, in 100-ns units; a period then repeats on a fixed
  // grid from that first due time.
  const ULONGLONG Due = static_cast<ULONGLONG>(-static_cast<LONGLONG>(AWait100ns));
  FILETIME DueTime;
  DueTime.dwLowDateTime = static_cast<DWORD>(Due & 0xFFFFFFFFu);
  DueTime.dwHighDateTime = static_cast<DWORD>(Due >> 32);
  FArmed = true;
  ::SetThreadpoolTimer(FTimer.Get(), &DueTime, APeriodMs, 0);
}

void TPoolTimerBackend::Disarm() {
  Stop();
  FArmed = false;
  FFineTicks.reset();
}

void TPoolTimerBackend::Receive(uint32_t AGeneration, bool ACatchUp) {
  if (AGeneration != FPoolSide.Generation.load() || !FArmed) return;
  // Windows hands out posted messages before mouse and keyboard input and before painting.
  // When the handler takes longer than the period, catch-up ticks would follow each other
  // without a gap and the Stop button would never get its click. So a catch-up tick gives way
  // to waiting input and painting: it runs from a WM_TIMER, which Windows delivers only once
  // those are done. Meanwhile the tick stays pending, so nothing piles up.
  if (ACatchUp && HIWORD(::GetQueueStatus(QS_INPUT | QS_PAINT)) != 0 &&
      ::SetTimer(FPoolSide.Sink, FPoolSide.Id, USER_TIMER_MINIMUM, nullptr) != 0) {
    FDeferred = true;
    return;
  }
  Deliver();
}

void TPoolTimerBackend::DeliverDeferred() {
  ::KillTimer(FPoolSide.Sink, FPoolSide.Id);
  if (!FDeferred) return;
  FDeferred = false;
  if (FArmed) Deliver();
}

void TPoolTimerBackend::Deliver() {
  // Cleared before the handler runs: a period that ends while the handler is busy yields one
  // tick right after it.
  FPoolSide.Pending.store(false);
  const bool WasBusy = FPoolSide.Busy.exchange(true);
  // A copy: the handler may re-arm or even destroy this timer.
  const std::function<void()> OnTick = FOnTick;
  const std::shared_ptr<bool> Alive = FAlive;
  FRegistry->Dispatcher.Run(OnTick);
  if (*Alive) FPoolSide.Busy.store(WasBusy);
}

}  // namespace

void TWin32TimerFactory::TRegistry::Deliver(uint32_t AId, uint32_t AGeneration, bool ACatchUp) {
  const auto Found = Timers.find(AId);
  if (Found != Timers.end()) Found->second->Receive(AGeneration, ACatchUp);
}

void TWin32TimerFactory::TRegistry::DeliverDeferred(uint32_t AId) {
  const auto Found = Timers.find(AId);
  if (Found != Timers.end())
    Found->second->DeliverDeferred();
  else if (Sink)
    ::KillTimer(Sink->Handle(), AId);
}

TWin32TimerFactory::TWin32TimerFactory(TEventDispatcher& ADispatcher)
    : FRegistry(std::make_shared<TRegistry>(ADispatcher)) {
  FRegistry->Sink = std::make_unique<TTickSink>(*FRegistry);
}

TWin32TimerFactory::~TWin32TimerFactory() { FRegistry->Sink.reset(); }

std::unique_ptr<ITimerBackend> TWin32TimerFactory::CreateTimer(std::function<void()> AOnTick) {
  return std::make_unique<TPoolTimerBackend>(FRegistry, std::move(AOnTick));
}

HWND TWin32TimerFactory::SinkWindow() const { return FRegistry->Sink ? FRegistry->Sink->Handle() : nullptr; }

}  // namespace nevra::win32
