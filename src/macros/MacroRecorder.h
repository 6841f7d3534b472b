#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "macros/MacroModel.h"
#include "macros/RecordSources.h"
#include "platform/Clock.h"
#include "platform/Geometry.h"
#include "platform/Locale.h"
#include "platform/MouseHook.h"
#include "platform/MouseInput.h"
#include "platform/Timers.h"
#include "platform/controls/Timer.h"

namespace nevra {

// A recording just ended: the macro, or nothing when no event was recorded, and the file name
// it should be saved under (without folder and extension: the time it was made).
struct TRecordingResult {
  std::unique_ptr<TRecordedMacro> Macro;
  std::string FileStem;
};

// Records a macro: a countdown, then every mouse event the low-level hook sees until Stop. The
// window hears of the countdown and of the start through the callbacks and shows them.
class TMacroRecorder {
 public:
  static constexpr int32_t kCountdownSeconds = 10;

  TMacroRecorder(IMouseHook& AHook, IMouseInput& AInput, IClock& AClock, ITimerFactory& ATimers, ILocale& ALocale);
  ~TMacroRecorder();
  TMacroRecorder(const TMacroRecorder&) = delete;
  TMacroRecorder& operator=(const TMacroRecorder&) = delete;

  // Each second of the countdown: the number to show now (10 down to 1).
  std::function<void(int32_t ASecondsLeft)> OnCountdownTick;
  // The hook is in and events are being recorded.
  std::function<void()> OnRecordingStarted;

  // Starts the countdown; the recording starts a second after the countdown shows 1 and takes in
  // what ASources name.
  void BeginCountdown(TRecordSources ASources = {});
  // Starts recording now (the countdown's end, or the hotkey that skips the rest of it).
  void StartRecording();
  // Ends the countdown or the recording. A countdown or a recording without events gives no macro.
  TRecordingResult Stop();

  bool Waiting() const { return FWaiting; }
  bool Recording() const { return FRecording; }
  bool Busy() const { return FWaiting || FRecording; }

  TTimer CountdownTimer;

 private:
  void CountdownTimerTick();
  void HookMessage(uint32_t AMessage, int32_t AX, int32_t AY);
  void Record(TMacroEventKind AKind, int32_t AX, int32_t AY, int32_t AButton);
  std::string TimeStamp() const;

  IMouseHook& FHook;
  IMouseInput& FInput;
  IClock& FClock;
  ILocale& FLocale;
  TRecordSources FSources;
  bool FWaiting = false;
  bool FRecording = false;
  int32_t FCountdownValue = 0;
  uint32_t FStartTick = 0;
  uint32_t FLastTick = 0;
  std::vector<TMacroMouseEvent> FEvents;
  std::optional<TPoint> FLastPoint;
};

}  // namespace nevra
