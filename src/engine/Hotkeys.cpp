// The three global hotkeys: registration, their texts and what each does in each state.
#include "app/MainForm.h"
#include "engine/HotkeyText.h"
#include "i18n/Translation.h"
#include "platform/Format.h"

namespace nevra {

namespace {
constexpr int32_t kStartHotkeyId = 1001;
constexpr int32_t kStopHotkeyId = 1002;
constexpr int32_t kStartMacrosHotkeyId = 1003;
}  // namespace

void TFrmMain::RegisterHotkeys() {
  UnregisterHotkeys();
  FStartHotkeyID = kStartHotkeyId;
  FStpHotkeyID = kStopHotkeyId;
  FStartMacrosHotkeyID = kStartMacrosHotkeyId;
  // MOD_NOREPEAT: a held key gives one message, so a held stop or start never toggles twice.
  FPlatform.Hotkeys.Register(FStartHotkeyID, FStartHK.Modifiers | HotkeyModifiers::NoRepeat, FStartHK.Vk,
                             [this] { StartHotkeyPressed(); });
  FPlatform.Hotkeys.Register(FStpHotkeyID, FStopHK.Modifiers | HotkeyModifiers::NoRepeat, FStopHK.Vk,
                             [this] { StopHotkeyPressed(); });
  FPlatform.Hotkeys.Register(FStartMacrosHotkeyID, FStartMacrosHK.Modifiers | HotkeyModifiers::NoRepeat,
                             FStartMacrosHK.Vk, [this] { StartMacrosHotkeyPressed(); });
}

void TFrmMain::UnregisterHotkeys() {
  for (const int32_t Id : {FStartHotkeyID, FStpHotkeyID, FStartMacrosHotkeyID})
    if (Id != 0) FPlatform.Hotkeys.Unregister(Id);
}

std::string TFrmMain::HotkeyToText(uint32_t AVk, uint32_t AModifiers) {
  return nevra::HotkeyToText(AVk, AModifiers, [this](uint32_t AKey) { return FPlatform.Hotkeys.KeyName(AKey); });
}

void TFrmMain::UpdateHotkeyLabel() {
  lblHotkeys.SetCaption(
      Format(Translate("Hotkeys \xE2\x80\x94 Start: %s  |  Stop: %s"),
             {HotkeyToText(FStartHK.Vk, FStartHK.Modifiers), HotkeyToText(FStopHK.Vk, FStopHK.Modifiers)}));
}

void TFrmMain::StartHotkeyPressed() {
  if (!FRecording) StartRun();
}

void TFrmMain::StopHotkeyPressed() {
  if (FRecording) {
    StopRecording(Translate("Recording stopped by hotkey."));
  } else {
    StopRun(Translate(rbMacros.Checked() ? "Stopped by hotkey. Runs done: " : "Stopped by hotkey. Clicks done: ") +
            std::to_string(FClicksDone));
  }
}

void TFrmMain::StartMacrosHotkeyPressed() {
  if (FWaitingForRecordStart) StartRecording();
}

}  // namespace nevra
