// settings.ini: read once while the window is made, written once when it is destroyed.
#include "app/IniFile.h"
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/InterruptedSaves.h"
#include "platform/Text.h"

namespace nevra {

namespace {

enum : int32_t { kModeCursor = 0, kModeCoordinates = 1, kModeMacros = 2 };

constexpr std::string_view kSettingsFileName = "settings.ini";

int32_t ReadInt(const TIniFile& AIni, const char* ASection, const char* AKey, int32_t ADefault) {
  return AIni.ReadInteger(ASection, AKey).value_or(ADefault);
}

bool ReadBool(const TIniFile& AIni, const char* ASection, const char* AKey, bool ADefault) {
  const auto Value = AIni.ReadInteger(ASection, AKey);
  return Value ? *Value != 0 : ADefault;
}

void WriteInt(TIniFile& AIni, const char* ASection, const char* AKey, int64_t AValue) {
  AIni.WriteString(ASection, AKey, std::to_string(AValue));
}

}  // namespace

std::string TFrmMain::GetSettingsFileName() {
  std::string Base = FPlatform.Environment.GetVariable("APPDATA");
  if (Base.empty()) Base = FPlatform.Environment.ExecutableFolder();
  if (Base.empty() || Base.back() != '\\') Base += '\\';
  const std::string Folder = Base + FPlatform.App.Title();
  FPlatform.Files.CreateDirectories(Folder);  // a failure only means no file will be found
  return Folder + "\\" + std::string(kSettingsFileName);
}

int32_t TFrmMain::GetTargetMode() {
  if (rbCurrentCursorPosition.Checked()) return kModeCursor;
  if (rbCoordinates.Checked()) return kModeCoordinates;
  return kModeMacros;
}

void TFrmMain::LoadSettings() {
  const std::string Path = GetSettingsFileName();
  RemoveInterruptedSaves(FPlatform.Files, Path.substr(0, Path.rfind('\\')),
                         [](std::string_view AName) { return SameTextAscii(AName, kSettingsFileName); });
  if (!FPlatform.Files.FileExists(Path)) {
    rbCurrentCursorPosition.SetChecked(true);
    rbCurrentCursorPositionClick();
    return;
  }
  // A file that exists but cannot be read counts as one with every entry missing.
  const TIniFile Ini(FPlatform.Files.ReadFile(Path).value_or(std::string()));

  switch (ReadInt(Ini, "Target", "mode", kModeCursor)) {
    case kModeCursor: rbCurrentCursorPosition.SetChecked(true); break;
    case kModeCoordinates: rbCoordinates.SetChecked(true); break;
    case kModeMacros: rbMacros.SetChecked(true); break;
    default: break;
  }
  seHours.SetValue(ReadInt(Ini, "Interval", "h", seHours.Value()));
  seMinutes.SetValue(ReadInt(Ini, "Interval", "m", seMinutes.Value()));
  seSeconds.SetValue(ReadInt(Ini, "Interval", "s", seSeconds.Value()));
  seMillis.SetValue(ReadInt(Ini, "Interval", "ms", seMillis.Value()));
  chkJitter.SetChecked(ReadBool(Ini, "Interval", "jitterEnabled", chkJitter.Checked()));
  chkJitterClick();
  seJitterMs.SetValue(ReadInt(Ini, "Interval", "jitterMs", seJitterMs.Value()));
  rbUntilStopped.SetChecked(ReadBool(Ini, "Repeat", "untilStopped", rbUntilStopped.Checked()));
  rbRepeatCount.SetChecked(!rbUntilStopped.Checked());
  seRepeat.SetValue(ReadInt(Ini, "Repeat", "count", seRepeat.Value()));
  cbButton.SetItemIndex(ReadInt(Ini, "Click", "button", cbButton.ItemIndex()));
  cbClickType.SetItemIndex(ReadInt(Ini, "Click", "type", cbClickType.ItemIndex()));
  cbClickTypeChange();
  seHoldMs.SetValue(ReadInt(Ini, "Click", "holdMs", seHoldMs.Value()));
  chkTopMost.SetChecked(ReadBool(Ini, "UI", "topMost", chkTopMost.Checked()));
  seStartDelaySS.SetValue(ReadInt(Ini, "Delay", "startDelayS", seStartDelaySS.Value()));
  chkMinimizeToTrayOnStart.SetChecked(ReadBool(Ini, "UI", "minimizeOnStart", chkMinimizeToTrayOnStart.Checked()));
  for (auto& [Section, Hotkey] : {std::pair<const char*, THotkeyData*>{"HotkeyStart", &FStartHK},
                                  std::pair<const char*, THotkeyData*>{"HotkeyStop", &FStopHK},
                                  std::pair<const char*, THotkeyData*>{"HotkeyStartMacros", &FStartMacrosHK}}) {
    Hotkey->Vk = static_cast<uint32_t>(ReadInt(Ini, Section, "vk", static_cast<int32_t>(Hotkey->Vk)));
    Hotkey->Modifiers = static_cast<uint32_t>(ReadInt(Ini, Section, "mod", static_cast<int32_t>(Hotkey->Modifiers)));
  }
  edtCoordX.SetValue(ReadInt(Ini, "Coords", "x", edtCoordX.Value()));
  edtCoordY.SetValue(ReadInt(Ini, "Coords", "y", edtCoordY.Value()));
  FPendingSelectedMacroIndex = ReadInt(Ini, "Macros", "selected", FPendingSelectedMacroIndex);

  RegisterHotkeys();
  // Last, so the target mode's enabling rules decide the final state of every control.
  if (rbCurrentCursorPosition.Checked())
    rbCurrentCursorPositionClick();
  else if (rbCoordinates.Checked())
    rbCoordinatesClick();
  else
    rbMacrosClick();
}

void TFrmMain::SaveSettings() {
  const std::string Path = GetSettingsFileName();
  std::string Existing;
  if (FPlatform.Files.FileExists(Path)) {
    const auto Text = FPlatform.Files.ReadFile(Path);
    if (!Text) {
      // Writing now would throw away whatever the unreadable file holds.
      FPlatform.Dialogs.ShowMessage(TMessageKind::mkError, Format(Translate("Unable to write to %s"), {Path}));
      return;
    }
    Existing = *Text;
  }
  TIniFile Ini(Existing);
  WriteInt(Ini, "Target", "mode", GetTargetMode());
  WriteInt(Ini, "Interval", "h", seHours.Value());
  WriteInt(Ini, "Interval", "m", seMinutes.Value());
  WriteInt(Ini, "Interval", "s", seSeconds.Value());
  WriteInt(Ini, "Interval", "ms", seMillis.Value());
  WriteInt(Ini, "Interval", "jitterEnabled", chkJitter.Checked());
  WriteInt(Ini, "Interval", "jitterMs", seJitterMs.Value());
  WriteInt(Ini, "Repeat", "untilStopped", rbUntilStopped.Checked());
  WriteInt(Ini, "Repeat", "count", seRepeat.Value());
  WriteInt(Ini, "Click", "button", cbButton.ItemIndex());
  WriteInt(Ini, "Click", "type", cbClickType.ItemIndex());
  WriteInt(Ini, "Click", "holdMs", seHoldMs.Value());
  WriteInt(Ini, "UI", "topMost", chkTopMost.Checked());
  WriteInt(Ini, "Delay", "startDelayS", seStartDelaySS.Value());
  WriteInt(Ini, "UI", "minimizeOnStart", chkMinimizeToTrayOnStart.Checked());
  WriteInt(Ini, "HotkeyStart", "vk", static_cast<int32_t>(FStartHK.Vk));
  WriteInt(Ini, "HotkeyStart", "mod", static_cast<int32_t>(FStartHK.Modifiers));
  WriteInt(Ini, "HotkeyStop", "vk", static_cast<int32_t>(FStopHK.Vk));
  WriteInt(Ini, "HotkeyStop", "mod", static_cast<int32_t>(FStopHK.Modifiers));
  WriteInt(Ini, "HotkeyStartMacros", "vk", static_cast<int32_t>(FStartMacrosHK.Vk));
  WriteInt(Ini, "HotkeyStartMacros", "mod", static_cast<int32_t>(FStartMacrosHK.Modifiers));
  WriteInt(Ini, "Coords", "x", edtCoordX.Value());
  WriteInt(Ini, "Coords", "y", edtCoordY.Value());
  WriteInt(Ini, "Macros", "selected", lbMacros.ItemIndex());
  try {
    FPlatform.Files.WriteFileAtomically(Path, Ini.Text());
  } catch (const EFileError&) {
    FPlatform.Dialogs.ShowMessage(TMessageKind::mkError, Format(Translate("Unable to write to %s"), {Path}));
  }
}

}  // namespace nevra
