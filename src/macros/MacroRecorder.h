#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/HotkeyData.h"
#include "macros/MacroModel.h"
#include "macros/RecordSources.h"
#include "platform/Clock.h"
#include "platform/Geometry.h"
#include "platform/KeyboardHook.h"
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

// Records a macro: a countdown, then every mouse and key event the low-level hooks see until
// Stop, in time order. The window hears of the countdown and of the start through the callbacks
// and shows them. The program's own hotkeys never become part of a macro.
class TMacroRecorder {
 public:
  static constexpr int32_t kCountdownSeconds = 10;

  TMacroRecorder(IMouseHook& AMouseHook, IKeyboardHook& AKeyboardHook, IMouseInput& AInput, IClock& AClock,
                 ITimerFactory& ATimers, ILocale& ALocale);
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
  // The program's hotkeys, as they are now: a key press that makes one of them is not recorded,
  // nor the modifier presses that led up to it, nor their releases.
  void SetOwnHotkeys(std::vector<THotkeyData> AHotkeys) { FOwnHotkeys = std::move(AHotkeys); }
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
  void MouseHooked(const TMouseHookEvent& AEvent);
  void KeyHooked(const TKeyEvent& AEvent);
  bool IsOwnHotkey(const TKeyEvent& AEvent) const;
  // Takes out the presses of AHotkey's modifiers that led up to it: those still held, recorded
  // after the last event other than a move.
  void DropLeadUpTo(const TKeyEvent& AHotkey);
  // Releases, at the end of the recording, the keys it recorded pressed and saw no release of.
  void ReleaseKeysStillDown();
  void RemoveHooks();
  void Record(TMacroEventKind AKind, int32_t AX, int32_t AY, int32_t AButton);
  std::string TimeStamp() const;

  IMouseHook& FMouseHook;
  IKeyboardHook& FKeyboardHook;
  IMouseInput& FInput;
  IClock& FClock;
  ILocale& FLocale;
  TRecordSources FSources;
  std::vector<THotkeyData> FOwnHotkeys;
  bool FWaiting = false;
  bool FRecording = false;
  int32_t FCountdownValue = 0;
  uint32_t FStartTick = 0;
  std::vector<TMacroMouseEvent> FEvents;
  std::optional<TPoint> FLastPoint;
  // The keys seen going down and not yet up, by virtual key: true when the press is in the
  // macro, false when it is left out (a hotkey's), so its repeats and its release are too. A
  // release of a key not here (one held before the recording began) is left out as well.
  std::map<uint32_t, bool> FKeysDown;
};

}  // namespace nevra
