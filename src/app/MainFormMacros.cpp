// The macro list in the window: recording into it, renaming and removing through its dialogs.
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/TextCase.h"

namespace nevra {

TRecordedMacro* TFrmMain::GetSelectedMacro() const { return FLibrary.At(lbMacros.ItemIndex()); }

void TFrmMain::RefreshMacroList() {
  const int32_t Selected = lbMacros.ItemIndex();
  const std::string Remembered = Selected >= 0 ? lbMacros.Items()[static_cast<size_t>(Selected)] : std::string();
  lbMacros.SetItems(FLibrary.Names());
  if (!Remembered.empty()) SelectMacroNamed(Remembered);
}

void TFrmMain::MacrosListed() {
  RefreshMacroList();
  if (FLibrary.Loading()) return;
  const auto Count = static_cast<int32_t>(lbMacros.Items().size());
  if (FPendingSelectedMacroIndex >= 0 && FPendingSelectedMacroIndex < Count)
    lbMacros.SetItemIndex(FPendingSelectedMacroIndex);
  else if (lbMacros.ItemIndex() < 0 && Count > 0)
    lbMacros.SetItemIndex(0);
  FPendingSelectedMacroIndex = -1;
  if (!FLibrary.LoadError().empty()) SetStatus(FLibrary.LoadError());
}

void TFrmMain::SelectMacroNamed(const std::string& AName) {
  const auto& Items = lbMacros.Items();
  for (size_t I = 0; I < Items.size(); ++I) {
    if (SameTextIgnoringCase(Items[I], AName)) {
      lbMacros.SetItemIndex(static_cast<int64_t>(I));
      return;
    }
  }
  lbMacros.SetItemIndex(-1);
}

void TFrmMain::btnCreateMacrosClick() {
  if (FRecorder.Busy() || FRun.Active()) return;
  FPicker.Cancel();
  FRecorder.BeginCountdown();
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
  const std::string Name = FLibrary.Add(std::move(Recorded.Macro), Recorded.FileStem).Name();
  RefreshMacroList();
  SelectMacroNamed(Name);
  SetStatus(Format(Translate("Macro saved: %s. %s"), {Name, AReason}));
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
      RefreshMacroList();
      SelectMacroNamed(Macro->Name());
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
  FLibrary.Remove(*Macro);
  RefreshMacroList();
  SetStatus(Translate("Selected macro removed."));
}

}  // namespace nevra
