#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/EventDispatcher.h"
#include "platform/SingleInstance.h"
#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// What makes one copy per session: the name of a mutex in the session's namespace and of the
// class of the window that later copies hand their command lines to.
inline constexpr const wchar_t* kFirstCopyName = L"NevraAutoClickerFirstCopy";

// One copy per user session. The first copy keeps a handle to the mutex "Local\<name>" open for
// its whole life, so CreateMutexW tells every later copy that it exists. Its receiver is a
// message-only window of the class <name>: a later copy finds it with FindWindowExW and sends
// its arguments in one WM_COPYDATA (laid out by PackArguments); the reply carries the answer.
// Make it and receive on the GUI thread.
class TWin32SingleInstance final : public ISingleInstance {
 public:
  // Tests pass a name of their own, so they never meet a running program.
  explicit TWin32SingleInstance(TEventDispatcher& ADispatcher, std::wstring AName = kFirstCopyName);
  ~TWin32SingleInstance() override;
  TWin32SingleInstance(const TWin32SingleInstance&) = delete;
  TWin32SingleInstance& operator=(const TWin32SingleInstance&) = delete;

  // A copy that cannot make the mutex at all runs on its own rather than not at all.
  bool Claim() override;
  // Waits a few seconds for the first copy's window (it makes it once its main window exists),
  // then a few seconds for the answer. A first copy still busy after that (playing a macro that
  // a forwarded /play started) counts as unreachable; its work goes on.
  std::optional<int> Forward(const std::vector<std::string>& AArguments) override;
  // The first receiver makes the window. Clearing the receiver leaves the window, so a copy
  // started while this one ends hears at once that no answer will come.
  void SetReceiver(std::function<int(const std::vector<std::string>&)> AReceiver) override;

  class TMailbox;

 private:
  HWND WaitForFirstCopysWindow() const;
  // The WM_COPYDATA reply for arguments that passed every check.
  LRESULT Receive(const std::vector<std::string>& AArguments);

  TEventDispatcher& FDispatcher;
  std::wstring FName;
  THandleOwner FSessionMutex;
  std::unique_ptr<TMailbox> FMailbox;
  std::function<int(const std::vector<std::string>&)> FReceiver;
};

}  // namespace nevra::win32
