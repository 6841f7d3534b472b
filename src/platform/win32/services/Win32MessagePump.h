#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/Timers.h"
#include "platform/win32/services/Win32Clock.h"

namespace nevra::win32 {

// The GUI thread's message loop, in its two shapes: the main loop (RunUntilQuit) and the
// nested one that code which blocks the thread runs between its steps (ProcessMessages).
// Both give keyboard messages to IsDialogMessage first when a dialog window is set, so Tab,
// arrows and Space work in the main window as in a dialog. Make it on the GUI thread.
class TWin32MessagePump final : public IMessagePump {
 public:
  TWin32MessagePump();
  ~TWin32MessagePump() override;
  TWin32MessagePump(const TWin32MessagePump&) = delete;
  TWin32MessagePump& operator=(const TWin32MessagePump&) = delete;

  // Handles the messages that were waiting when it was called, and the input and painting that
  // arrived meanwhile, then returns. Messages posted during the call wait for the next one, so
  // a timer whose handler is slower than its period cannot keep it going for ever. A WM_QUIT
  // is put back and ends the call, so the main loop still sees it and ends.
  void ProcessMessages() override;
  // Sleeps on a precise timer and the message queue together (MsgWaitForMultipleObjectsEx), so
  // a message is handled when it arrives and the due time is kept to within about half a
  // millisecond. A WM_QUIT is put back and ends the wait.
  bool WaitUntil(uint64_t ADueMicroseconds, const std::function<bool()>& AStop) override;
  // Runs until WM_QUIT arrives; returns its exit code.
  int RunUntilQuit();
  // Runs until ADone holds (tested before each message) or WM_QUIT arrives; gives WM_QUIT's exit
  // code, or nothing when ADone ended the loop.
  std::optional<int> RunUntil(const std::function<bool()>& ADone);
  void SetDialogWindow(HWND AWindow) { FDialogWindow = AWindow; }

  class TMarkerWindow;

 private:
  // One message, as the loops hand it on: to the dialog manager first, then to its window.
  void Dispatch(MSG& AMessage);
  // Handles what is waiting (a bounded number of messages); false when WM_QUIT came or AStop
  // holds afterwards.
  bool HandleWaiting(const std::function<bool()>& AStop);
  HWND FDialogWindow = nullptr;
  TPreciseTimer FTimer;
  uint64_t FLastLook = 0;
  std::unique_ptr<TMarkerWindow> FMarkers;
  uint32_t FLastMarkerPosted = 0;
};

}  // namespace nevra::win32
