// The macro folder and its mirror in the window: scan, list, rename and remove.
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "macros/MacroFileName.h"
#include "platform/InterruptedSaves.h"
#include "platform/Text.h"

namespace nevra {

namespace {

// Longest path the file functions take without the long-path prefix (MAX_PATH less the NUL).
constexpr size_t kMaxPathUnits = 259;

// Characters of a path as Windows counts them (UTF-16 code units).
size_t Utf16Length(std::string_view AText) {
  size_t Units = 0;
  for (const char C : AText) {
    const auto Byte = static_cast<unsigned char>(C);
    if ((Byte & 0xC0) != 0x80) Units += Byte >= 0xF0 ? 2 : 1;
  }
  return Units;
}

}  // namespace

std::string TFrmMain::GetMacrosFolder() {
  const std::string Settings = GetSettingsFileName();
  const std::string Folder = Settings.substr(0, Settings.rfind('\\') + 1) + "Macros";
  FPlatform.Files.CreateDirectories(Folder);  // a failure shows at the next file operation
  return Folder;
}

void TFrmMain::LoadMacros() {
  FMacros.clear();
  const std::string Folder = GetMacrosFolder();
  RemoveInterruptedSaves(FPlatform.Files, Folder, IsMacroFileName);
  for (const std::string& Name : FPlatform.Files.ListFiles(Folder, std::string(kMacroExtension))) {
    try {
      FMacros.push_back(TRecordedMacro::ListFromFile(FPlatform.Files, Folder + "\\" + Name));
    } catch (const std::exception&) {
      // An unreadable file is left out of the list and stays on disk.
    }
  }
  RefreshMacroList();
  const int32_t Count = static_cast<int32_t>(lbMacros.Items().size());
  if (FPendingSelectedMacroIndex >= 0 && FPendingSelectedMacroIndex < Count)
    lbMacros.SetItemIndex(FPendingSelectedMacroIndex);
  else
    lbMacros.SetItemIndex(Count > 0 ? 0 : -1);
  FPendingSelectedMacroIndex = -1;
}

void TFrmMain::RefreshMacroList() {
  const int32_t Selected = lbMacros.ItemIndex();
  const std::string Remembered = Selected >= 0 ? lbMacros.Items()[static_cast<size_t>(Selected)] : std::string();
  std::vector<std::string> Names;
  Names.reserve(FMacros.size());
  for (const auto& Macro : FMacros) Names.push_back(Macro->Name());
  lbMacros.SetItems(std::move(Names));
  if (!Remembered.empty()) SelectMacroNamed(Remembered);
}

void TFrmMain::SelectMacroNamed(const std::string& AName) {
  const auto& Items = lbMacros.Items();
  for (size_t I = 0; I < Items.size(); ++I) {
    if (SameTextAscii(Items[I], AName)) {
      lbMacros.SetItemIndex(static_cast<int64_t>(I));
      return;
    }
  }
  lbMacros.SetItemIndex(-1);
}

TRecordedMacro* TFrmMain::GetSelectedMacro() {
  const int32_t Index = lbMacros.ItemIndex();
  if (Index < 0 || static_cast<size_t>(Index) >= FMacros.size()) return nullptr;
  return FMacros[static_cast<size_t>(Index)].get();
}

void TFrmMain::bRenameClick() {
  TRecordedMacro* Macro = GetSelectedMacro();
  if (Macro == nullptr) {
    FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Translate("Please select a macro first."));
    return;
  }
  std::string Entered = Macro->Name();
  if (!FPlatform.Dialogs.InputText(Translate("Rename macro"), Translate("Enter new macro name:"), Entered)) return;
  const std::string NewName = TrimName(Entered);
  if (NewName.empty()) {
    FPlatform.Dialogs.ShowMessage(TMessageKind::mkWarning, Translate("Macro name cannot be empty."));
    return;
  }
  if (SameTextAscii(NewName, Macro->Name())) return;
  const std::string Target = GetMacrosFolder() + "\\" + SanitizeMacroFileName(NewName) + std::string(kMacroExtension);
  if (Utf16Length(Target) > kMaxPathUnits) {
    FPlatform.Dialogs.ShowMessage(TMessageKind::mkWarning, Translate("Macro name is too long."));
    return;
  }
  const bool SameFile = SameTextAscii(Target, Macro->FileName());
  if (!SameFile && FPlatform.Files.FileExists(Target)) {
    FPlatform.Dialogs.ShowMessage(TMessageKind::mkWarning, Translate("A macro file with this name already exists."));
    return;
  }
  // The file is written anew from memory.
  Macro->LoadEvents(FPlatform.Files);
  const std::string OldName = Macro->Name();
  const std::string OldFile = Macro->FileName();
  Macro->SetName(NewName);
  try {
    Macro->SaveToFile(FPlatform.Files, SameFile ? OldFile : Target);
  } catch (...) {
    // The macro keeps the name its file still carries.
    Macro->SetName(OldName);
    throw;
  }
  if (!SameFile && !OldFile.empty() && FPlatform.Files.FileExists(OldFile) && !SameTextAscii(OldFile, Target))
    FPlatform.Files.RemoveFile(OldFile);
  RefreshMacroList();
  SelectMacroNamed(NewName);
  SetStatus(Translate("Macro renamed."));
}

void TFrmMain::bRemoveClick() {
  TRecordedMacro* Macro = GetSelectedMacro();
  if (Macro == nullptr) return;
  if (FPlatform.Dialogs.ShowMessage(TMessageKind::mkConfirmation, Translate("Delete selected macro?")) !=
      TMessageResult::mrYes)
    return;
  if (!Macro->FileName().empty() && FPlatform.Files.FileExists(Macro->FileName()))
    FPlatform.Files.RemoveFile(Macro->FileName());
  FMacros.erase(FMacros.begin() + lbMacros.ItemIndex());
  RefreshMacroList();
  SetStatus(Translate("Selected macro removed."));
}

}  // namespace nevra
