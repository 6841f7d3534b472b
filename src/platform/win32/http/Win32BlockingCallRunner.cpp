#include "platform/win32/http/Win32BlockingCallRunner.h"

#include <utility>

#include "platform/win32/Win32Errors.h"

namespace nevra::win32 {

namespace {
// The wait wakes for every new message; it also wakes this often to handle messages that were
// posted while the pump ran (the pump leaves them for its next turn and they no longer count as
// new), so none of them waits longer than this.
constexpr DWORD kPumpSliceMs = 50;

}  // namespace

TBlockingCallRunner::TBlockingCallRunner(IMessagePump* APump) : FPump(APump) {
  if (FPump == nullptr) return;
  FCallEnded.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!FCallEnded) FailWithLastError("CreateEventW");
  FWork.Reset(::CreateThreadpoolWork(&TBlockingCallRunner::OnWork, this, nullptr));
  if (!FWork) FailWithLastError("CreateThreadpoolWork");
}

TBlockingCallRunner::~TBlockingCallRunner() = default;

VOID CALLBACK TBlockingCallRunner::OnWork(PTP_CALLBACK_INSTANCE, PVOID AContext, PTP_WORK) {
  auto& Self = *static_cast<TBlockingCallRunner*>(AContext);
  // Nothing may leave a threadpool callback: the error goes to the calling thread.
  try {
    (*Self.FCall)();
  } catch (...) {
    Self.FCallError = std::current_exception();
  }
  ::SetEvent(Self.FCallEnded.Get());
}

void TBlockingCallRunner::Run(const std::function<void()>& ACall) {
  if (FPump == nullptr) {
    ACall();
    return;
  }
  FCall = &ACall;
  FCallError = nullptr;
  ::ResetEvent(FCallEnded.Get());
  ::SubmitThreadpoolWork(FWork.Get());
  try {
    WaitHandlingMessages();
  } catch (...) {
    WaitForCallToEnd();
    throw;
  }
  WaitForCallToEnd();
  FCall = nullptr;
  if (FCallError) std::rethrow_exception(std::exchange(FCallError, nullptr));
}

void TBlockingCallRunner::WaitHandlingMessages() {
  const HANDLE Ended = FCallEnded.Get();
  for (;;) {
    const DWORD Woken = ::MsgWaitForMultipleObjectsEx(1, &Ended, kPumpSliceMs, QS_ALLINPUT, 0);
    // On a failed wait, WaitForCallToEnd waits on without handling messages.
    if (Woken == WAIT_OBJECT_0 || Woken == WAIT_FAILED) return;
    FPump->ProcessMessages();
  }
}

void TBlockingCallRunner::WaitForCallToEnd() {
  ::WaitForSingleObject(FCallEnded.Get(), INFINITE);
  // The callback may still be between SetEvent and its return.
  ::WaitForThreadpoolWorkCallbacks(FWork.Get(), FALSE);
}

}  // namespace nevra::win32
