// Recording a macro: the countdown in the strip, the low-level mouse hook, and the new macro
// saved into the library.
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "macros/MacroFileName.h"
#include "platform/Format.h"

namespace nevra {

namespace {

constexpr int32_t kCountdownSteps = 10;
constexpr uint32_t kBlinkMs = 100;

// One message the hook saw, as events of the recording.
void MouseHookProc(TFrmMain& AForm, uint32_t AMessage, int32_t AX, int32_t AY) {
  if (!AForm.Recording()) return;
  int32_t Button = -1;
  TMacroEventKind Kind = mekMove;
  switch (AMessage) {
    case 0x0200: break;  // WM_MOUSEMOVE
    case 0x0201:
      Kind = mekDown;
      Button = 0;
      break;
    case 0x0202:
      Kind = mekUp;
      Button = 0;
      break;
    case 0x0204:
      Kind = mekDown;
      Button = 1;
      break;
    case 0x0205:
      Kind = mekUp;
      Button = 1;
      break;
    case 0x0207:
      Kind = mekDown;
      Button = 2;
      break;
    case 0x0208:
      Kind = mekUp;
      Button = 2;
      break;
    default: return;  // wheels and side buttons leave no trace
  }
  AForm.RecordMouseEvent(mekMove, AX, AY, -1);
  if (Button >= 0) AForm.RecordMouseEvent(Kind, AX, AY, Button);
}

std::string TwoDigits(int AValue) { return (AValue < 10 ? "0" : "") + std::to_string(AValue); }

}  // namespace

void TFrmMain::btnCreateMacrosClick() { BeginRecordCountdown(); }

void TFrmMain::BeginRecordCountdown() {
  if (FRecording || FWaitingForRecordStart || FRunning) return;
  FWaitingForRecordStart = true;
  FCountdownValue = kCountdownSteps;
  EnterRecUiMode(Format(Translate("Recording starts in %d..."), {int64_t{kCountdownSteps}}));
  FCountdownTimer.SetEnabled(true);
}

void TFrmMain::CountdownTimerTick() {
  if (!FWaitingForRecordStart) return;
  if (FCountdownValue != 0) {
    // The blink: a blank caption for a moment, then the number.
    SetRecUiCaption("");
    FPlatform.Clock.Sleep(kBlinkMs);
    SetRecUiCaption(Format(Translate("Recording starts in %d ..."), {int64_t{FCountdownValue}}));
    --FCountdownValue;
  } else {
    // The tick after the one that showed 1.
    StartRecording();
  }
}

void TFrmMain::StartRecording() {
  if (FRecording) return;
  FWaitingForRecordStart = false;
  FCountdownTimer.SetEnabled(false);
  FRecordedEvents.clear();
  FHasLastRecordedPoint = false;
  FRecordingStartTick = FPlatform.Clock.TickCount();
  FLastRecordTick = FRecordingStartTick;
  InstallMouseHook();
  FRecording = true;
  TPoint Cursor;
  if (FPlatform.Input.GetCursorPos(Cursor)) {
    FLastRecordedPoint = Cursor;
    FHasLastRecordedPoint = true;
  }
  EnterRecUiMode(Format(Translate("Recording... Press %s to stop"), {HotkeyToText(FStopHK.Vk, FStopHK.Modifiers)}));
  SetStatus(Translate("Recording macro..."));
}

void TFrmMain::InstallMouseHook() {
  RemoveMouseHook();
  FPlatform.MouseHook.Install(
      [this](uint32_t AMessage, int32_t AX, int32_t AY) { MouseHookProc(*this, AMessage, AX, AY); });
}

void TFrmMain::RemoveMouseHook() {
  if (FPlatform.MouseHook.Installed()) FPlatform.MouseHook.Remove();
}

void TFrmMain::RecordMouseEvent(TMacroEventKind AKind, int32_t AX, int32_t AY, int32_t AButton) {
  if (!FRecording) return;
  if (AKind == mekMove) {
    const TPoint Point{AX, AY};
    if (FHasLastRecordedPoint && Point == FLastRecordedPoint) return;
    FLastRecordedPoint = Point;
    FHasLastRecordedPoint = true;
  }
  const uint32_t Tick = FPlatform.Clock.TickCount();
  // Unsigned 32-bit difference: right across the tick counter's wrap after 49.7 days.
  FRecordedEvents.push_back({Tick - FRecordingStartTick, AKind, AX, AY, AButton});
  FLastRecordTick = Tick;
}

std::string TFrmMain::FreeMacroFileName(const std::string& AStamp) {
  const std::string Folder = GetMacrosFolder() + "\\";
  std::string Stem = AStamp;
  // Two recordings stopped within one second must not share a file: the second would destroy
  // the first.
  const std::string Extension(kMacroExtension);
  for (int Suffix = 2; FPlatform.Files.FileExists(Folder + Stem + Extension); ++Suffix)
    Stem = AStamp + " (" + std::to_string(Suffix) + ")";
  return Folder + Stem + Extension;
}

void TFrmMain::StopRecording(const std::string& AReason) {
  if (!FRecording && !FWaitingForRecordStart) return;
  FWaitingForRecordStart = false;
  FCountdownTimer.SetEnabled(false);
  uint32_t Duration = 0;
  if (FRecording) {
    RemoveMouseHook();
    FRecording = false;
    Duration = FLastRecordTick - FRecordingStartTick;
  }
  LeaveRecUiMode();
  if (FRecordedEvents.empty()) {
    SetStatus(Translate("Macro recording cancelled or empty."));
  } else {
    const TLocalTime Now = FPlatform.Clock.LocalTime();
    const std::string Stamp = std::to_string(Now.Year) + "-" + TwoDigits(Now.Month) + "-" + TwoDigits(Now.Day) + " " +
                              TwoDigits(Now.Hour) + "." + TwoDigits(Now.Minute) + "." + TwoDigits(Now.Second);
    auto Macro = std::make_unique<TRecordedMacro>();
    Macro->SetName(Format(Translate("%s (%0.1fs)"), {Stamp, Duration / 1000.0}, FPlatform.Locale.DecimalSeparator()));
    Macro->SetDurationMs(Duration);
    Macro->MutableEvents() = FRecordedEvents;
    std::string FileStamp = Stamp;
    for (char& C : FileStamp)
      if (C == ' ') C = '_';
    Macro->SaveToFile(FPlatform.Files, FreeMacroFileName(FileStamp));
    const std::string Name = Macro->Name();
    FMacros.push_back(std::move(Macro));
    RefreshMacroList();
    SelectMacroNamed(Name);
    SetStatus(Format(Translate("Macro saved: %s. %s"), {Name, AReason}));
  }
  FRecordedEvents.clear();
  FHasLastRecordedPoint = false;
}

}  // namespace nevra
