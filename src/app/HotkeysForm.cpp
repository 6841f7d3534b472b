#include "app/HotkeysForm.h"

#include <string_view>

#include "i18n/Translation.h"
#include "platform/Format.h"

namespace nevra {

TfrmHotkeys::TfrmHotkeys(TPlatform& APlatform, TGlobalHotkeys& AHotkeys)
    : TForm("frmHotkeys", 344, 179),
      lblStart(this, this, "lblStart", XYWH(12, 17, 110, 15)),
      hkStart(this, this, "hkStart", XYWH(128, 14, 204, 23)),
      lblStop(this, this, "lblStop", XYWH(12, 47, 110, 15)),
      hkStop(this, this, "hkStop", XYWH(128, 44, 204, 23)),
      lblStartRecording(this, this, "lblStartRecording", XYWH(12, 77, 110, 15)),
      hkStartRecording(this, this, "hkStartRecording", XYWH(128, 74, 204, 23)),
      // Two lines: the name of a long combination and the sentence around it.
      lblHeldElsewhere(this, this, "lblHeldElsewhere", XYWH(12, 104, 320, 30), TAlignment::taLeft, true),
      btnDefaults(this, this, "btnDefaults", XYWH(12, 142, 140, 25)),
      btnOK(this, this, "btnOK", XYWH(168, 142, 80, 25)),
      btnCancel(this, this, "btnCancel", XYWH(252, 142, 80, 25)),
      FPlatform(APlatform),
      FHotkeys(AHotkeys) {
  SetCaption("Hotkeys");
  for (const auto& [Control, Text] : Captions()) Control->SetCaption(Text);
  btnDefaults.OnClick = [this] { btnDefaultsClick(); };
  btnOK.OnClick = [this] { btnOKClick(); };
  btnCancel.OnClick = [this] { Close(); };
}

TfrmHotkeys::~TfrmHotkeys() { EndCapture(); }

void TfrmHotkeys::FormShow() {
  SetTag(0);
  SetRightToLeft(GTranslations().RightToLeft());
  SetCaption(Translate("Hotkeys"));
  for (const auto& [Control, Text] : Captions()) Control->SetCaption(Translate(Text));
  ShowSet(FHotkeys.Keys());
  lblHeldElsewhere.SetCaption("");
  FHotkeys.Suspend();
  // Without the hook (the system refused it) a held combination still fails at OK, by name.
  FPlatform.KeyboardHook.Install([this](const TKeyEvent& AEvent) { return KeyHooked(AEvent); });
}

void TfrmHotkeys::FormClose() { EndCapture(); }

void TfrmHotkeys::EndCapture() {
  if (FPlatform.KeyboardHook.Installed()) FPlatform.KeyboardHook.Remove();
  FHotkeys.Resume();
}

bool TfrmHotkeys::KeyHooked(const TKeyEvent& AEvent) {
  if (!AEvent.Down || VirtualKeys::IsModifier(AEvent.Vk)) return false;
  // The field shows Shift, Ctrl and Alt only; a combination with the Windows key is the system's.
  if ((AEvent.Modifiers & HotkeyModifiers::Win) != 0) return false;
  THotkeyEdit* Field = nullptr;
  for (const THotkeyAction Action : kHotkeyActions)
    if (FieldOf(Action).Focused()) Field = &FieldOf(Action);
  if (Field == nullptr) return false;
  const THotkeyData Key{AEvent.Vk, AEvent.Modifiers};
  if (!FHotkeys.HeldElsewhere(Key)) {
    // A free combination reaches the field as any key does.
    FPlatform.Dispatcher.Run([this] { lblHeldElsewhere.SetCaption(""); });
    return false;
  }
  FPlatform.Dispatcher.Run([this, Field, Key] {
    Field->Press(Key.Vk, Key.Modifiers);
    lblHeldElsewhere.SetCaption(Format(Translate("Hotkey %s is in use by another program."), {FHotkeys.TextOf(Key)}));
  });
  return true;
}

std::vector<std::pair<TControl*, const char*>> TfrmHotkeys::Captions() {
  return {
      {&lblStart, "Start:"},
      {&lblStop, "Stop:"},
      {&lblStartRecording, "Start recording:"},
      {&btnDefaults, "Restore defaults"},
      {&btnOK, "OK"},
      {&btnCancel, "Cancel"},
  };
}

THotkeyEdit& TfrmHotkeys::FieldOf(THotkeyAction AAction) {
  THotkeyEdit* const Fields[] = {&hkStart, &hkStop, &hkStartRecording};
  return *Fields[static_cast<size_t>(AAction)];
}

void TfrmHotkeys::ShowSet(const THotkeySet& AKeys) {
  for (const THotkeyAction Action : kHotkeyActions) {
    const THotkeyData& Key = AKeys[static_cast<size_t>(Action)];
    FieldOf(Action).SetHotkey(Key.Vk, Key.Modifiers);
  }
}

void TfrmHotkeys::btnDefaultsClick() {
  ShowSet({kDefaultStartHotkey, kDefaultStopHotkey, kDefaultStartRecordingHotkey});
}

void TfrmHotkeys::btnOKClick() {
  THotkeySet Keys;
  for (const THotkeyAction Action : kHotkeyActions)
    Keys[static_cast<size_t>(Action)] = {FieldOf(Action).Vk(), FieldOf(Action).Modifiers()};
  const auto Problem = FHotkeys.Replace(Keys);
  if (!Problem) {
    SetTag(1);
    Close();
    return;
  }
  FPlatform.Dialogs.ShowMessage(TMessageKind::mkWarning, ProblemText(*Problem, Keys));
}

std::string TfrmHotkeys::ProblemText(const THotkeyProblem& AProblem, const THotkeySet& AKeys) const {
  const std::string Combination = FHotkeys.TextOf(AKeys[static_cast<size_t>(AProblem.Action)]);
  switch (AProblem.Kind) {
    case THotkeyProblem::hpEmpty:
      return Format(Translate("Press a combination for \"%s\"."), {FieldName(AProblem.Action)});
    case THotkeyProblem::hpInvalid:
      return Format(Translate("The combination for \"%s\" cannot be a hotkey."), {FieldName(AProblem.Action)});
    case THotkeyProblem::hpSameAsAnother:
      return Format(Translate("Two hotkeys cannot use the same combination (%s)."), {Combination});
    case THotkeyProblem::hpRefused: break;
  }
  return Format(Translate("Hotkey %s is in use by another program."), {Combination});
}

std::string TfrmHotkeys::FieldName(THotkeyAction AAction) const {
  const TLabel* const Labels[] = {&lblStart, &lblStop, &lblStartRecording};
  std::string Name = Labels[static_cast<size_t>(AAction)]->Caption();
  // The label's colon (or the full-width one of Chinese and Japanese) is not part of the name.
  for (const std::string_view Colon : {":", "\xEF\xBC\x9A"})
    if (Name.ends_with(Colon)) Name.erase(Name.size() - Colon.size());
  while (Name.ends_with(' ')) Name.pop_back();  // French puts a blank before the colon
  return Name;
}

}  // namespace nevra
