#include "macros/MacroRecorder.h"

#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/InputCodes.h"

namespace nevra {

namespace {

std::string TwoDigits(int AValue) { return (AValue < 10 ? "0" : "") + std::to_string(AValue); }

}  // namespace

TMacroRecorder::TMacroRecorder(IMouseHook& AHook, IMouseInput& AInput, IClock& AClock, ITimerFactory& ATimers,
                               ILocale& ALocale)
    : CountdownTimer(
          ATimers, [this] { CountdownTimerTick(); }, 1000),
      FHook(AHook),
      FInput(AInput),
      FClock(AClock),
      FLocale(ALocale) {}

TMacroRecorder::~TMacroRecorder() {
  // The hook's handler points here.
  if (FRecording) FHook.Remove();
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
  FStartTick = FClock.TickCount();
  FLastTick = FStartTick;
  if (FHook.Installed()) FHook.Remove();
  FHook.Install([this](uint32_t AMessage, int32_t AX, int32_t AY) {
    HookMessage(AMessage, AX, AY);
    return false;  // recorded, and passed on
  });
  FRecording = true;
  // A first move that only repeats where the cursor is already is not recorded.
  if (TPoint Cursor; FInput.GetCursorPos(Cursor)) FLastPoint = Cursor;
  if (OnRecordingStarted) OnRecordingStarted();
}

void TMacroRecorder::HookMessage(uint32_t AMessage, int32_t AX, int32_t AY) {
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
  const TButtonMessage* Button = nullptr;
  for (const TButtonMessage& Candidate : kButtons)
    if (Candidate.Message == AMessage) Button = &Candidate;
  // Wheels and side buttons leave no trace.
  if (Button == nullptr && AMessage != Msg::Move) return;
  Record(mekMove, AX, AY, -1);
  if (Button != nullptr) Record(Button->Kind, AX, AY, Button->Button);
}

void TMacroRecorder::Record(TMacroEventKind AKind, int32_t AX, int32_t AY, int32_t AButton) {
  if (AKind == mekMove) {
    const TPoint Point{AX, AY};
    if (FLastPoint == Point) return;
    FLastPoint = Point;
  }
  const uint32_t Tick = FClock.TickCount();
  // Unsigned 32-bit difference: right across the tick counter's wrap after 49.7 days.
  FEvents.push_back({Tick - FStartTick, AKind, AX, AY, AButton});
  FLastTick = Tick;
}

std::string TMacroRecorder::TimeStamp() const {
  const TLocalTime Now = FClock.LocalTime();
  return std::to_string(Now.Year) + "-" + TwoDigits(Now.Month) + "-" + TwoDigits(Now.Day) + " " + TwoDigits(Now.Hour) +
         "." + TwoDigits(Now.Minute) + "." + TwoDigits(Now.Second);
}

TRecordingResult TMacroRecorder::Stop() {
  FWaiting = false;
  CountdownTimer.SetEnabled(false);
  uint32_t Duration = 0;
  if (FRecording) {
    if (FHook.Installed()) FHook.Remove();
    FRecording = false;
    Duration = FLastTick - FStartTick;
  }
  TRecordingResult Result;
  if (!FEvents.empty()) {
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
  return Result;
}

}  // namespace nevra
