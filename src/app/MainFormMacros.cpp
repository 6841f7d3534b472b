// The macro part of the window: recording into the list (what a recording takes in), renaming
// and removing through its dialogs, and the speed a macro plays at.
#include "app/MacroChoices.h"
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"

namespace nevra {

TRecordedMacro* TFrmMain::GetSelectedMacro() const { return FLibrary.At(lbMacros.ItemIndex()); }

void TFrmMain::ShowMacroList() {
  lbMacros.ShowItemsOf([this] { return FLibrary.Macros().size(); },
                       [this](size_t AIndex) { return FLibrary.Macros()[AIndex]->Name(); });
}

void TFrmMain::MacroListChanged(TMacroListChange AChange) {
  // The selection stays with its macro, wherever the macro now stands: by identity, not by name,
  // so of "a" and "A" the one the user chose stays chosen.
  const TRecordedMacro* Selected = GetSelectedMacro();
  if (AChange == TMacroListChange::mlAdded)
    lbMacros.ItemsAdded();
  else
    lbMacros.ItemsChanged();
  SelectMacro(Selected);
}

void TFrmMain::MacrosListed() {
  MacroListChanged(TMacroListChange::mlAdded);
  if (FLibrary.Loading()) return;
  const auto Count = static_cast<int32_t>(lbMacros.ItemCount());
  if (FPendingSelectedMacroIndex >= 0 && FPendingSelectedMacroIndex < Count)
    lbMacros.SetItemIndex(FPendingSelectedMacroIndex);
  else if (lbMacros.ItemIndex() < 0 && Count > 0)
    lbMacros.SetItemIndex(0);
  FPendingSelectedMacroIndex = -1;
  if (!FLibrary.LoadError().empty()) SetStatus(FLibrary.LoadError());
}

void TFrmMain::SelectMacro(const TRecordedMacro* AMacro) { lbMacros.SetItemIndex(FLibrary.IndexOf(AMacro)); }

TRecordSources TFrmMain::ReadRecordSources() const { return RecordSourcesAt(cbRecordSources.ItemIndex()); }

uint32_t TFrmMain::ReadSpeedPercent() const {
  const auto Speeds = PlaybackSpeedPercents();
  const int32_t Index = cbSpeed.ItemIndex();
  return Index >= 0 && static_cast<size_t>(Index) < Speeds.size() ? Speeds[static_cast<size_t>(Index)]
                                                                  : kRecordedSpeedPercent;
}

void TFrmMain::ShowSpeeds() {
  const int32_t Selected = cbSpeed.ItemIndex();
  // Numbers follow the user's regional settings, as Windows shows them everywhere.
  const std::string Separator = FPlatform.Locale.DecimalSeparator();
  std::vector<std::string> Items;
  for (const uint32_t Percent : PlaybackSpeedPercents()) Items.push_back(PlaybackSpeedText(Percent, Separator));
  cbSpeed.SetItems(std::move(Items));
  cbSpeed.SetItemIndex(Selected);
}

std::string TFrmMain::RecordingCaption() const {
  const std::string StopKeys = FHotkeys.Text(THotkeyAction::haStop);
  if (!FRecordingSources.Keyboard) return Format(Translate("Recording... Press %s to stop"), {StopKeys});
  // Keystrokes may be private (a password typed meanwhile): the strip says they are taken in, in
  // a text no longer than the mouse's, as the strip is narrow.
  if (!FRecordingSources.Mouse) return Format(Translate("Recording keys only... %s stops"), {StopKeys});
  return Format(Translate("Recording keys too... %s stops"), {StopKeys});
}

void TFrmMain::btnCreateMacrosClick() {
  if (FRecorder.Busy() || FRun.Active()) return;
  FRecorder.SetOwnHotkeys({StartHotkey(), StopHotkey(), StartMacrosHotkey()});
  FPicker.Cancel();
  FRecordingSources = ReadRecordSources();
  FRecorder.BeginCountdown(FRecordingSources);
  FModes.EnterStrip(Format(Translate("Recording starts in %d..."), {int64_t{TMacroRecorder::kCountdownSeconds}}));
}

void TFrmMain::StopRecording(const std::string& AReason) {
  if (!FRecorder.Busy()) return;
  TRecordingResult Recorded = FRecorder.Stop();
  FModes.LeaveStrip();
  if (!Recorded.Macro) {
    SetStatus(Translate("Macro recording cancelled or empty."));
    return;
  }
  const TRecordedMacro& Added = FLibrary.Add(std::move(Recorded.Macro), Recorded.FileStem);
  MacroListChanged(TMacroListChange::mlAdded);
  SelectMacro(&Added);
  SetStatus(Format(Translate("Macro saved: %s. %s"), {Added.Name(), AReason}));
}

void TFrmMain::bRenameClick() {
  TRecordedMacro* Macro = GetSelectedMacro();
  if (Macro == nullptr) {
    FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Translate("Please select a macro first."));
    return;
  }
  std::string Entered = Macro->Name();
  if (!FPlatform.Dialogs.InputText(Translate("Rename macro"), Translate("Enter new macro name:"), Entered)) return;
  switch (FLibrary.Rename(*Macro, Entered)) {
    case TRenameOutcome::roRenamed:
      MacroListChanged(TMacroListChange::mlChanged);
      SelectMacro(Macro);
      SetStatus(Translate("Macro renamed."));
      break;
    case TRenameOutcome::roUnchanged: break;
    case TRenameOutcome::roEmpty:
      FPlatform.Dialogs.ShowMessage(TMessageKind::mkWarning, Translate("Macro name cannot be empty."));
      break;
    case TRenameOutcome::roTooLong:
      FPlatform.Dialogs.ShowMessage(TMessageKind::mkWarning, Translate("Macro name is too long."));
      break;
    case TRenameOutcome::roTaken:
      FPlatform.Dialogs.ShowMessage(TMessageKind::mkWarning, Translate("A macro file with this name already exists."));
      break;
  }
}

void TFrmMain::bRemoveClick() {
  const TRecordedMacro* Macro = GetSelectedMacro();
  if (Macro == nullptr) return;
  if (FPlatform.Dialogs.ShowMessage(TMessageKind::mkConfirmation, Translate("Delete selected macro?")) !=
      TMessageResult::mrYes)
    return;
  // A run waiting out its start delay to play this macro has nothing left to play.
  const auto* Playing = std::get_if<TMacroTask>(&FRun.Request().Task);
  if (FRun.Active() && Playing != nullptr && Playing->Source == Macro->FileName()) FRun.Stop(TRunEndCause::ecMacroGone);
  const std::string Name = Macro->Name();
  FLibrary.Remove(*Macro);
  MacroListChanged(TMacroListChange::mlChanged);
  // Another macro of that name, by the one rule names follow, takes the selection.
  SelectMacro(FLibrary.Find(Name).Macro);
  SetStatus(Translate("Selected macro removed."));
}

}  // namespace nevra
