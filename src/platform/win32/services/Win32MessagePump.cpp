#include "platform/win32/services/Win32MessagePump.h"

#include "platform/win32/Win32Messages.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/services/Win32TimerResolution.h"

namespace nevra::win32 {

namespace {
// A wait whose due time has passed looks at the queue at most this often: in a dense stretch of
// a macro (a 1,000 Hz mouse records an event every millisecond) every look costs calls into the
// system that would add up to more than the events themselves.
constexpr uint64_t kLookIntervalMicroseconds = 1000;
// Messages handled per look, so a flood of them cannot hold an event back for long.
constexpr int kMessagesPerLook = 64;

// Repost WM_QUIT for the loop further out; true when Message was one.
bool HandOnQuit(const MSG& AMessage) {
  if (AMessage.message != WM_QUIT) return false;
  ::PostQuitMessage(static_cast<int>(AMessage.wParam));
  return true;
}
}  // namespace

// A message-only window that notes the markers ProcessMessages posts to itself. Posted messages
// are handed out in order, so once a marker arrives everything posted before it has been
// handled. A window rather than a thread message, so that a modal loop running meanwhile (a
// message box) still delivers it.
class TWin32MessagePump::TMarkerWindow final : public TWin32Window {
 public:
  TMarkerWindow() { Create(TWindowClass{L"NevraPumpMarker"}, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE); }
  ~TMarkerWindow() override { Destroy(); }
  // Markers only grow; a nested call may have taken this call's marker along with its own.
  bool HasSeen(uint32_t AMarker) const { return static_cast<int32_t>(FLastSeen - AMarker) >= 0; }

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override {
    if (AMessage != kPumpMarkerMessage) return Default(AMessage, AWParam, ALParam);
    FLastSeen = static_cast<uint32_t>(AWParam);
    return 0;
  }

 private:
  uint32_t FLastSeen = 0;
};

TWin32MessagePump::TWin32MessagePump() = default;
TWin32MessagePump::~TWin32MessagePump() = default;

void TWin32MessagePump::Dispatch(MSG& AMessage) {
  if (FDialogWindow != nullptr && ::IsWindow(FDialogWindow) != FALSE &&
      ::IsDialogMessageW(FDialogWindow, &AMessage) != FALSE)
    return;
  ::TranslateMessage(&AMessage);
  ::DispatchMessageW(&AMessage);
}

void TWin32MessagePump::ProcessMessages() {
  if (!FMarkers) FMarkers = std::make_unique<TMarkerWindow>();
  const uint32_t Marker = ++FLastMarkerPosted;
  const bool Marked = ::PostMessageW(FMarkers->Handle(), kPumpMarkerMessage, Marker, 0) != FALSE;
  MSG Message{};
  // Everything posted before the call (the marker comes last of those), with whatever was sent.
  // Should the marker get lost, the queue running empty ends this part.
  while ((!Marked || !FMarkers->HasSeen(Marker)) && ::PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    if (HandOnQuit(Message)) return;
    Dispatch(Message);
  }
  // Then the input and painting that Windows ranks behind posted messages.
  while (::PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT | PM_QS_PAINT | PM_QS_SENDMESSAGE) != FALSE) {
    if (HandOnQuit(Message)) return;
    Dispatch(Message);
  }
}

bool TWin32MessagePump::HandleWaiting(const std::function<bool()>& AStop) {
  MSG Message{};
  for (int Handled = 0; Handled < kMessagesPerLook && ::PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE) != FALSE;
       ++Handled) {
    if (HandOnQuit(Message)) return false;
    Dispatch(Message);
  }
  return !AStop();
}

bool TWin32MessagePump::WaitUntil(uint64_t ADueMicroseconds, const std::function<bool()>& AStop) {
  uint64_t Now = SteadyMicroseconds();
  if (Now >= ADueMicroseconds && Now - FLastLook < kLookIntervalMicroseconds) return true;
  // An ordinary timer and the wait's own time-out fire on the system clock tick.
  std::optional<TTimerResolutionRequest> FineTicks;
  if (!FTimer.HighResolution()) FineTicks.emplace();
  for (;;) {
    FLastLook = Now;
    if (!HandleWaiting(AStop)) return false;
    Now = SteadyMicroseconds();
    if (Now >= ADueMicroseconds) return true;
    const uint64_t Left = ADueMicroseconds - Now;
    const HANDLE Timer = FTimer.Handle();
    const bool Armed = FTimer.Arm(Left);
    const DWORD Woken =
        ::MsgWaitForMultipleObjectsEx(Armed ? 1 : 0, &Timer, Armed ? INFINITE : static_cast<DWORD>((Left + 999) / 1000),
                                      QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if ((Armed && Woken == WAIT_OBJECT_0) || Woken == WAIT_TIMEOUT) return true;
    if (Woken == WAIT_FAILED) {
      // Without a way to wait for both, keep the time and let the messages wait.
      ::Sleep(static_cast<DWORD>((Left + 999) / 1000));
      return true;
    }
    Now = SteadyMicroseconds();
  }
}

int TWin32MessagePump::RunUntilQuit() {
  return *RunUntil([] { return false; });
}

std::optional<int> TWin32MessagePump::RunUntil(const std::function<bool()>& ADone) {
  MSG Message{};
  while (!ADone()) {
    const BOOL Result = ::GetMessageW(&Message, nullptr, 0, 0);
    if (Result == 0) return static_cast<int>(Message.wParam);
    if (Result == -1) return -1;
    Dispatch(Message);
  }
  return std::nullopt;
}

}  // namespace nevra::win32
