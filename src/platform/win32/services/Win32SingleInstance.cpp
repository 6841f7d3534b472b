#include "platform/win32/services/Win32SingleInstance.h"

#include <string_view>
#include <utility>

#include "platform/ForwardedArguments.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

namespace {

// Marks our command lines among the WM_COPYDATA messages a window may be sent; a new layout of
// the data would get a new tag.
constexpr ULONG_PTR kCopyDataTag = 0x4E564131;  // "NVA1"
// The reply is the answer in the low 16 bits under this mark. Anything else (0 from a window
// that refused the data, or from DefWindowProc) means no answer was given.
constexpr LRESULT kAnswerMark = 0x4E560000;
constexpr LRESULT kAnswerBits = 0xFFFF;
// The first copy makes its window after the update check and its main window: seconds under
// load. Polled, as nothing announces it.
constexpr ULONGLONG kWindowWaitMs = 5000;
constexpr DWORD kWindowPollMs = 50;
constexpr UINT kAnswerWaitMs = 5000;

}  // namespace

class TWin32SingleInstance::TMailbox final : public TWin32Window {
 public:
  TMailbox(TWin32SingleInstance& AOwner, const std::wstring& AClassName) : FOwner(AOwner) {
    Create(TWindowClass{AClassName.c_str()}, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
  }
  ~TMailbox() override { Destroy(); }

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override {
    if (AMessage != WM_COPYDATA) return Default(AMessage, AWParam, ALParam);
    // Another process wrote all of this: check it before reading a byte.
    const auto* Copy = reinterpret_cast<const COPYDATASTRUCT*>(ALParam);
    if (Copy == nullptr || Copy->dwData != kCopyDataTag || Copy->cbData > kMostForwardedBytes ||
        (Copy->cbData != 0 && Copy->lpData == nullptr))
      return 0;
    const std::string_view Data =
        Copy->cbData == 0 ? std::string_view() : std::string_view(static_cast<const char*>(Copy->lpData), Copy->cbData);
    const auto Arguments = UnpackArguments(Data);
    return Arguments ? FOwner.Receive(*Arguments) : 0;
  }

 private:
  TWin32SingleInstance& FOwner;
};

TWin32SingleInstance::TWin32SingleInstance(TEventDispatcher& ADispatcher, std::wstring AName)
    : FDispatcher(ADispatcher), FName(std::move(AName)) {}

TWin32SingleInstance::~TWin32SingleInstance() = default;

bool TWin32SingleInstance::Claim() {
  if (FSessionMutex) return true;
  THandleOwner Mutex(::CreateMutexW(nullptr, FALSE, (L"Local\\" + FName).c_str()));
  const DWORD Error = ::GetLastError();
  if (!Mutex) return true;
  // Our handle would keep the mutex alive after the first copy ends: let it go at once.
  if (Error == ERROR_ALREADY_EXISTS) return false;
  FSessionMutex = std::move(Mutex);
  return true;
}

HWND TWin32SingleInstance::WaitForFirstCopysWindow() const {
  const ULONGLONG Deadline = ::GetTickCount64() + kWindowWaitMs;
  for (;;) {
    const HWND Window = ::FindWindowExW(HWND_MESSAGE, nullptr, FName.c_str(), nullptr);
    if (Window != nullptr || ::GetTickCount64() >= Deadline) return Window;
    ::Sleep(kWindowPollMs);
  }
}

std::optional<int> TWin32SingleInstance::Forward(const std::vector<std::string>& AArguments) {
  std::string Data = PackArguments(AArguments);
  const HWND Window = WaitForFirstCopysWindow();
  if (Window == nullptr) return std::nullopt;
  // Windows lets only the process the user just started take the foreground; without this the
  // first copy's window would only flash in the taskbar.
  DWORD FirstCopy = 0;
  if (::GetWindowThreadProcessId(Window, &FirstCopy) != 0) ::AllowSetForegroundWindow(FirstCopy);
  COPYDATASTRUCT Copy{};
  Copy.dwData = kCopyDataTag;
  Copy.cbData = static_cast<DWORD>(Data.size());
  Copy.lpData = Data.empty() ? nullptr : Data.data();
  DWORD_PTR Reply = 0;
  // Sent once only: a retry after a time-out could run the command twice.
  if (::SendMessageTimeoutW(Window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&Copy), SMTO_ABORTIFHUNG, kAnswerWaitMs,
                            &Reply) == 0)
    return std::nullopt;
  const auto Answer = static_cast<LRESULT>(Reply);
  if ((Answer & ~kAnswerBits) != kAnswerMark) return std::nullopt;
  return static_cast<int>(Answer & kAnswerBits);
}

void TWin32SingleInstance::SetReceiver(std::function<int(const std::vector<std::string>&)> AReceiver) {
  FReceiver = std::move(AReceiver);
  if (FReceiver && !FMailbox) FMailbox = std::make_unique<TMailbox>(*this, FName);
}

LRESULT TWin32SingleInstance::Receive(const std::vector<std::string>& AArguments) {
  // A copy: the handler may clear the receiver (the session ends while a macro it started plays).
  const auto Receiver = FReceiver;
  if (!Receiver) return 0;
  std::optional<int> Answer;
  FDispatcher.Run([&] { Answer = Receiver(AArguments); });
  return Answer ? kAnswerMark | (static_cast<LRESULT>(*Answer) & kAnswerBits) : 0;
}

}  // namespace nevra::win32
