#include "macros/MacroRecorder.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/InputCodes.h"

namespace nevra {

namespace {

std::string TwoDigits(int AValue) { return (AValue < 10 ? "0" : "") + std::to_string(AValue); }

// The RegisterHotKey bit of a modifier key, either side; 0 for any other key.
uint32_t ModifierBit(uint32_t AVk) {
  static constexpr uint32_t kBits[] = {HotkeyModifiers::Shift, HotkeyModifiers::Control, HotkeyModifiers::Alt};
  if (AVk >= VirtualKeys::Shift && AVk <= VirtualKeys::Alt) return kBits[AVk - VirtualKeys::Shift];
  if (AVk >= VirtualKeys::LeftShift && AVk <= VirtualKeys::RightAlt) return kBits[(AVk - VirtualKeys::LeftShift) / 2];
  if (AVk == VirtualKeys::LeftWin || AVk == VirtualKeys::RightWin) return HotkeyModifiers::Win;
  return 0;
}

constexpr uint32_t kModifierBits =
    HotkeyModifiers::Alt | HotkeyModifiers::Control | HotkeyModifiers::Shift | HotkeyModifiers::Win;

}  // namespace

TMacroRecorder::TMacroRecorder(IMouseHook& AMouseHook, IKeyboardHook& AKeyboardHook, IMouseInput& AInput,
                               IClock& AClock, ITimerFactory& ATimers, ILocale& ALocale)
    : CountdownTimer(
          ATimers, [this] { CountdownTimerTick(); }, 1000),
      FMouseHook(AMouseHook),
      FKeyboardHook(AKeyboardHook),
      FInput(AInput),
      FClock(AClock),
      FLocale(ALocale) {}

TMacroRecorder::~TMacroRecorder() {
  // The hooks' handlers point here.
  if (FRecording) RemoveHooks();
}

void TMacroRecorder::BeginCountdown(TRecordSources ASources) {
  FSources = ASources;
  FWaiting = true;
  FCountdownValue = kCountdownSeconds;
  CountdownTimer.SetEnabled(true);
}

void TMacroRecorder::CountdownTimerTick() {
  if (!FWaiting) return;
  if (FCountdownValue == 0) {
    // The tick after the one that showed 1.
    StartRecording();
    return;
  }
  if (OnCountdownTick) OnCountdownTick(FCountdownValue);
  --FCountdownValue;
}

void TMacroRecorder::StartRecording() {
  if (FRecording) return;
  FWaiting = false;
  CountdownTimer.SetEnabled(false);
  FEvents.clear();
  FLastPoint.reset();
  FKeysDown.clear();
  FStartTick = FClock.TickCount();
  RemoveHooks();
  // Each hook records and passes the input on. Input this program sends is recorded like the
  // user's (the mouse hook always did so): it sends none while it records, as a run and a
  // recording exclude each other, and a tool that types or clicks for the user is the user.
  if (FSources.Mouse)
    FMouseHook.Install([this](const TMouseHookEvent& AEvent) {
      MouseHooked(AEvent);
      return false;
    });
  if (FSources.Keyboard)
    FKeyboardHook.Install([this](const TKeyEvent& AEvent) {
      KeyHooked(AEvent);
      return false;
    });
  FRecording = true;
  // A first move that only repeats where the cursor is already is not recorded.
  if (TPoint Cursor; FInput.GetCursorPos(Cursor)) FLastPoint = Cursor;
  if (OnRecordingStarted) OnRecordingStarted();
}

void TMacroRecorder::RemoveHooks() {
  if (FMouseHook.Installed()) FMouseHook.Remove();
  if (FKeyboardHook.Installed()) FKeyboardHook.Remove();
}

void TMacroRecorder::MouseHooked(const TMouseHookEvent& AEvent) {
  if (!FRecording) return;
  namespace Msg = MouseMessages;
  struct TButtonMessage {
    uint32_t Message;
    TMacroEventKind Kind;
    int32_t Button;
  };
  static constexpr TButtonMessage kButtons[] = {
      {Msg::LeftDown, mekDown, 0}, {Msg::LeftUp, mekUp, 0},       {Msg::RightDown, mekDown, 1},
      {Msg::RightUp, mekUp, 1},    {Msg::MiddleDown, mekDown, 2}, {Msg::MiddleUp, mekUp, 2},
  };
  TMacroEventKind Kind = mekMove;
  int32_t Button = -1;
  switch (AEvent.Message) {
    case Msg::Move: break;
    case Msg::SideDown:
    case Msg::SideUp:
      if (AEvent.Data != SideButtons::X1 && AEvent.Data != SideButtons::X2) return;
      Kind = AEvent.Message == Msg::SideDown ? mekDown : mekUp;
      Button = AEvent.Data == SideButtons::X1 ? 3 : 4;
      break;
    case Msg::Wheel:
    case Msg::HorizontalWheel:
      Kind = AEvent.Message == Msg::Wheel ? mekWheel : mekHWheel;
      Button = AEvent.Data;
      break;
    default: {
      const auto Found = std::find_if(std::begin(kButtons), std::end(kButtons), [&](const TButtonMessage& ACandidate) {
        return ACandidate.Message == AEvent.Message;
      });
      if (Found == std::end(kButtons)) return;  // a message no event stands for
      Kind = Found->Kind;
      Button = Found->Button;
    }
  }
  Record(mekMove, AEvent.X, AEvent.Y, -1);
  if (Kind != mekMove) Record(Kind, AEvent.X, AEvent.Y, Button);
}

bool TMacroRecorder::IsOwnHotkey(const TKeyEvent& AEvent) const {
  for (const THotkeyData& Hotkey : FOwnHotkeys)
    if (Hotkey.Vk == AEvent.Vk && (Hotkey.Modifiers & kModifierBits) == (AEvent.Modifiers & kModifierBits)) return true;
  return false;
}

void TMacroRecorder::KeyHooked(const TKeyEvent& AEvent) {
  if (!FRecording) return;
  const auto Known = FKeysDown.find(AEvent.Vk);
  if (!AEvent.Down) {
    // Only the release of a press that is in the macro.
    if (Known == FKeysDown.end()) return;
    const bool Recorded = Known->second;
    FKeysDown.erase(Known);
    if (!Recorded) return;
  } else if (IsOwnHotkey(AEvent)) {
    // The stop hotkey ends the recording as soon as this returns; the others leave it running.
    DropLeadUpTo(AEvent);
    FKeysDown[AEvent.Vk] = false;
    return;
  } else if (Known != FKeysDown.end()) {
    // A repeat while the key is held: what was typed, unless its press was left out.
    if (!Known->second) return;
  } else {
    FKeysDown[AEvent.Vk] = true;
  }
  Record(AEvent.Down ? mekKeyDown : mekKeyUp, static_cast<int32_t>(AEvent.Vk), static_cast<int32_t>(AEvent.ScanCode),
         AEvent.Extended ? 1 : 0);
}

void TMacroRecorder::DropLeadUpTo(const TKeyEvent& AHotkey) {
  const uint32_t Modifiers = AHotkey.Modifiers & kModifierBits;
  size_t Kept = FEvents.size();
  for (size_t I = FEvents.size(); I-- > 0;) {
    const TMacroMouseEvent& Event = FEvents[I];
    if (Event.Kind == mekMove) continue;
    if (Event.Kind != mekKeyDown || (ModifierBit(static_cast<uint32_t>(Event.X)) & Modifiers) == 0) break;
    Kept = I;
  }
  // Moves among the dropped presses stay: the cursor went there.
  for (size_t I = FEvents.size(); I-- > Kept;)
    if (FEvents[I].Kind == mekKeyDown) {
      FKeysDown[static_cast<uint32_t>(FEvents[I].X)] = false;
      FEvents.erase(FEvents.begin() + static_cast<std::ptrdiff_t>(I));
    }
}

void TMacroRecorder::ReleaseKeysStillDown() {
  if (FEvents.empty()) return;
  const TMacroMouseEvent Last = FEvents.back();
  for (const auto& [Vk, Recorded] : FKeysDown) {
    if (!Recorded) continue;
    // Its press, for the scan code and the extended flag.
    const auto Press = std::find_if(FEvents.rbegin(), FEvents.rend(), [Vk = Vk](const TMacroMouseEvent& AEvent) {
      return AEvent.Kind == mekKeyDown && static_cast<uint32_t>(AEvent.X) == Vk;
    });
    if (Press != FEvents.rend()) FEvents.push_back({Last.DeltaMs, mekKeyUp, Press->X, Press->Y, Press->Button});
  }
  FKeysDown.clear();
}

void TMacroRecorder::Record(TMacroEventKind AKind, int32_t AX, int32_t AY, int32_t AButton) {
  if (AKind == mekMove) {
    const TPoint Point{AX, AY};
    if (FLastPoint == Point) return;
    FLastPoint = Point;
  }
  // Unsigned 32-bit difference: right across the tick counter's wrap after 49.7 days.
  FEvents.push_back({FClock.TickCount() - FStartTick, AKind, AX, AY, AButton});
}

std::string TMacroRecorder::TimeStamp() const {
  const TLocalTime Now = FClock.LocalTime();
  return std::to_string(Now.Year) + "-" + TwoDigits(Now.Month) + "-" + TwoDigits(Now.Day) + " " + TwoDigits(Now.Hour) +
         "." + TwoDigits(Now.Minute) + "." + TwoDigits(Now.Second);
}

TRecordingResult TMacroRecorder::Stop() {
  FWaiting = false;
  CountdownTimer.SetEnabled(false);
  if (FRecording) {
    RemoveHooks();
    FRecording = false;
    ReleaseKeysStillDown();
  }
  TRecordingResult Result;
  if (!FEvents.empty()) {
    // The last event's offset, however late the stop.
    const uint32_t Duration = FEvents.back().DeltaMs;
    const std::string Stamp = TimeStamp();
    Result.Macro = std::make_unique<TRecordedMacro>();
    Result.Macro->SetName(Format(Translate("%s (%0.1fs)"), {Stamp, Duration / 1000.0}, FLocale.DecimalSeparator()));
    Result.Macro->SetDurationMs(Duration);
    Result.Macro->MutableEvents() = std::move(FEvents);
    Result.FileStem = Stamp;
    for (char& C : Result.FileStem)
      if (C == ' ') C = '_';
  }
  FEvents.clear();
  FLastPoint.reset();
  FKeysDown.clear();
  return Result;
}

}  // namespace nevra
