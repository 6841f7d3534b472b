// settings.ini: one table of entries drives the defaults, the load when the window is made and
// the save when it is destroyed.
#include "app/IniFile.h"
#include "app/MacroChoices.h"
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/InputCodes.h"
#include "platform/InterruptedSaves.h"
#include "platform/Text.h"

namespace nevra {

namespace {

constexpr std::string_view kSettingsFileName = "settings.ini";
constexpr const char* kMacrosFolderName = "Macros";

std::string ProgramFolder(TPlatform& APlatform) {
  std::string Base = APlatform.Environment.GetVariable("APPDATA");
  if (Base.empty()) Base = APlatform.Environment.ExecutableFolder();
  if (Base.empty() || Base.back() != '\\') Base += '\\';
  const std::string Folder = Base + APlatform.App.Title();
  APlatform.Files.CreateDirectories(Folder);  // a failure only means no file will be found
  return Folder;
}

// The section of settings.ini that holds a hotkey.
const char* HotkeySection(THotkeyAction AAction) {
  static constexpr const char* kSections[] = {"HotkeyStart", "HotkeyStop", "HotkeyStartMacros"};
  return kSections[static_cast<size_t>(AAction)];
}

TSettingsField BoolField(const char* ASection, const char* AKey, bool ADefault, TCheckBox& ABox) {
  return {ASection, AKey, ADefault ? 1 : 0, [&ABox] { return ABox.Checked() ? 1 : 0; },
          [&ABox](int32_t AValue) { ABox.SetChecked(AValue != 0); }};
}

TSettingsField SpinField(const char* ASection, const char* AKey, int32_t ADefault, TSpinBox& ABox) {
  return {ASection, AKey, ADefault, [&ABox] { return ABox.Value(); },
          [&ABox](int32_t AValue) { ABox.SetValue(AValue); }};
}

TSettingsField ListField(const char* ASection, const char* AKey, int32_t ADefault, TComboBox& ABox) {
  return {ASection, AKey, ADefault, [&ABox] { return ABox.ItemIndex(); },
          [&ABox](int32_t AValue) { ABox.SetItemIndex(AValue); }};
}

}  // namespace

std::string SettingsFilePath(TPlatform& APlatform) {
  return ProgramFolder(APlatform) + "\\" + std::string(kSettingsFileName);
}

std::string MacrosFolderPath(TPlatform& APlatform) { return ProgramFolder(APlatform) + "\\" + kMacrosFolderName; }

TTargetMode TFrmMain::GetTargetMode() const {
  if (rbCurrentCursorPosition.Checked()) return tmCursor;
  if (rbCoordinates.Checked()) return tmCoordinates;
  return tmMacros;
}

std::vector<TSettingsField> TFrmMain::SettingsFields() {
  std::vector<TSettingsField> Fields{
      {"Target", "mode", tmCursor, [this] { return static_cast<int32_t>(GetTargetMode()); },
       [this](int32_t AMode) {
         // Any other number leaves the choice as it was.
         TRadioButton* const Choices[] = {&rbCurrentCursorPosition, &rbCoordinates, &rbMacros};
         if (AMode >= tmCursor && AMode <= tmMacros) Choices[AMode]->SetChecked(true);
       }},
      SpinField("Interval", "h", 0, seHours),
      SpinField("Interval", "m", 0, seMinutes),
      SpinField("Interval", "s", 0, seSeconds),
      SpinField("Interval", "ms", 100, seMillis),
      BoolField("Interval", "jitterEnabled", false, chkJitter),
      SpinField("Interval", "jitterMs", 0, seJitterMs),
      {"Repeat", "untilStopped", 1, [this] { return rbUntilStopped.Checked() ? 1 : 0; },
       [this](int32_t AValue) { (AValue != 0 ? rbUntilStopped : rbRepeatCount).SetChecked(true); }},
      SpinField("Repeat", "count", 100, seRepeat),
      // A run for a time: chosen when 1 (whatever untilStopped says, which a copy of the program
      // that knows no time reads as a count), for forSeconds, 1 to 359,999 (99:59:59).
      {"Repeat", "forTime", 0, [this] { return rbForTime.Checked() ? 1 : 0; },
       [this](int32_t AValue) {
         if (AValue == 1) rbForTime.SetChecked(true);
       }},
      {"Repeat", "forSeconds", 60, [this] { return static_cast<int32_t>(ReadRunSeconds()); },
       [this](int32_t ASeconds) {
         const int32_t Seconds = ASeconds >= 0 ? ASeconds : 60;
         seForHours.SetValue(Seconds / 3600);
         seForMinutes.SetValue(Seconds / 60 % 60);
         seForSeconds.SetValue(Seconds % 60);
       }},
      ListField("Click", "button", 0, cbButton),
      ListField("Click", "type", 0, cbClickType),
      SpinField("Click", "holdMs", 80, seHoldMs),
      BoolField("UI", "topMost", false, chkTopMost),
      SpinField("Delay", "startDelayS", 0, seStartDelaySS),
      BoolField("UI", "minimizeOnStart", false, chkMinimizeToTrayOnStart),
  };
  // One part of a hotkey: its key ("vk") or its modifier bits ("mod").
  const auto HotkeyPart = [this](THotkeyAction AAction, const char* AKey, uint32_t THotkeyData::*APart) {
    const THotkeyData& Default = TGlobalHotkeys::Defaults()[static_cast<size_t>(AAction)];
    return TSettingsField{HotkeySection(AAction), AKey, static_cast<int32_t>(Default.*APart),
                          [this, AAction, APart] { return static_cast<int32_t>(FHotkeys.Get(AAction).*APart); },
                          [this, AAction, APart](int32_t AValue) {
                            THotkeyData Key = FHotkeys.Get(AAction);
                            Key.*APart = static_cast<uint32_t>(AValue);
                            FHotkeys.Set(AAction, Key);
                          }};
  };
  for (const THotkeyAction Action : kHotkeyActions) {
    Fields.push_back(HotkeyPart(Action, "vk", &THotkeyData::Vk));
    Fields.push_back(HotkeyPart(Action, "mod", &THotkeyData::Modifiers));
  }
  // The key a run presses when the button list says "Key" (button=3): its virtual key and the
  // modifier bits held with it. What no run could press means the default, Space alone.
  Fields.push_back({"Click", "keyVk", static_cast<int32_t>(kDefaultClickKey.Vk),
                    [this] { return static_cast<int32_t>(FClickKey.Vk); },
                    [this](int32_t AVk) {
                      const bool Usable = AVk > 0 && static_cast<uint32_t>(AVk) < VirtualKeys::Last;
                      SetClickKey({Usable ? static_cast<uint32_t>(AVk) : kDefaultClickKey.Vk, FClickKey.Modifiers});
                    }});
  Fields.push_back({"Click", "keyMod", static_cast<int32_t>(kDefaultClickKey.Modifiers),
                    [this] { return static_cast<int32_t>(FClickKey.Modifiers); },
                    [this](int32_t AModifiers) {
                      constexpr int32_t kAll = HotkeyModifiers::Alt | HotkeyModifiers::Control |
                                               HotkeyModifiers::Shift | HotkeyModifiers::Win;
                      const bool Usable = (AModifiers & ~kAll) == 0;
                      SetClickKey({FClickKey.Vk, Usable ? static_cast<uint32_t>(AModifiers) : 0u});
                    }});
  Fields.push_back(SpinField("Coords", "x", 0, edtCoordX));
  Fields.push_back(SpinField("Coords", "y", 0, edtCoordY));
  // The list is read after the settings: the position is applied then.
  Fields.push_back(
      {"Macros", "selected", -1,
       [this] { return FPendingSelectedMacroIndex >= 0 ? FPendingSelectedMacroIndex : lbMacros.ItemIndex(); },
       [this](int32_t AIndex) { FPendingSelectedMacroIndex = AIndex; }});
  // What a recording takes in: 0 the mouse and the keyboard, 1 the mouse, 2 the keyboard. Any other
  // number means the default.
  Fields.push_back({"Macros", "recordWhat", 0, [this] { return cbRecordSources.ItemIndex(); },
                    [this](int32_t AIndex) {
                      const bool Listed = AIndex >= 0 && static_cast<size_t>(AIndex) < RecordSourceKeys().size();
                      cbRecordSources.SetItemIndex(Listed ? AIndex : 0);
                    }});
  // A speed between the listed ones (a hand-edited file) takes the nearest; one no macro can play
  // at, the recorded speed.
  Fields.push_back(
      {"Macros", "playbackSpeedPercent", static_cast<int32_t>(kRecordedSpeedPercent),
       [this] { return static_cast<int32_t>(ReadSpeedPercent()); },
       [this](int32_t APercent) { cbSpeed.SetItemIndex(static_cast<int64_t>(PlaybackSpeedIndex(APercent))); }});
  return Fields;
}

void TFrmMain::LoadSettings() {
  const std::string Path = SettingsFilePath(FPlatform);
  RemoveInterruptedSaves(FPlatform.Files, Path.substr(0, Path.rfind('\\')),
                         [](std::string_view AName) { return SameTextAscii(AName, kSettingsFileName); });
  if (FPlatform.Files.FileExists(Path)) {
    // A file that exists but cannot be read counts as one with every entry missing.
    const TIniFile Ini(FPlatform.Files.ReadFile(Path).value_or(std::string()));
    for (const TSettingsField& Field : SettingsFields())
      if (const auto Value = Ini.ReadInteger(Field.Section, Field.Key)) Field.Set(*Value);
  }
  // Last, so the enabling rules decide the final state of every control.
  chkJitterClick();
  cbClickTypeChange();
  cbButtonChange();
  RepeatChoiceChanged();
  ApplyTargetMode(GetTargetMode());
}

std::string TFrmMain::IgnoredHotkeyText(const THotkeyProblem& AProblem) const {
  const std::string Section = HotkeySection(AProblem.Action);
  if (AProblem.Kind == THotkeyProblem::hpSameAsAnother)
    return Format(Translate("settings.ini: [%s] ignored, same keys as [%s]"),
                  {Section, std::string(HotkeySection(AProblem.Other))});
  return Format(Translate("settings.ini: [%s] ignored, not a valid key combination"), {Section});
}

void TFrmMain::SaveSettings() {
  const std::string Path = SettingsFilePath(FPlatform);
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
  for (const TSettingsField& Field : SettingsFields())
    Ini.WriteString(Field.Section, Field.Key, std::to_string(Field.Get()));
  try {
    FPlatform.Files.WriteFileAtomically(Path, Ini.Text());
  } catch (const EFileError&) {
    FPlatform.Dialogs.ShowMessage(TMessageKind::mkError, Format(Translate("Unable to write to %s"), {Path}));
  }
}

}  // namespace nevra
