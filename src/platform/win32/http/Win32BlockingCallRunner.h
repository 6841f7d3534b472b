#pragma once
#include <windows.h>

#include <exception>
#include <functional>

#include "platform/Timers.h"
#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// Runs the HTTP client's blocking calls one at a time. With a message pump, each call runs on a
// threadpool thread while the calling (GUI) thread waits for it and handles its window messages
// meanwhile, so the windows stay responsive and an Abort button can be clicked. Without one, the
// call simply runs on the calling thread.
//
// Either way Run returns only once the call has ended, so the call may use anything on the
// caller's stack, and everything the caller hands on (data, errors) is handed on from the
// calling thread.
class TBlockingCallRunner {
 public:
  // APump: nullptr for no message handling.
  explicit TBlockingCallRunner(IMessagePump* APump);
  ~TBlockingCallRunner();
  TBlockingCallRunner(const TBlockingCallRunner&) = delete;
  TBlockingCallRunner& operator=(const TBlockingCallRunner&) = delete;

  // Runs ACall to its end; what it throws is thrown again on the calling thread. Should the
  // message pump throw, Run still waits for ACall to end before passing that on.
  void Run(const std::function<void()>& ACall);

 private:
  static VOID CALLBACK OnWork(PTP_CALLBACK_INSTANCE AInstance, PVOID AContext, PTP_WORK AWork);
  void WaitHandlingMessages();
  void WaitForCallToEnd();

  IMessagePump* FPump;
  THandleOwner FCallEnded;
  TThreadpoolWorkOwner FWork;
  // The call under way and what it threw; the worker touches them only between the submission
  // and the event, the calling thread only outside that span.
  const std::function<void()>* FCall = nullptr;
  std::exception_ptr FCallError;
};

}  // namespace nevra::win32
