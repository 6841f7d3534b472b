#include "macros/MacroLibrary.h"

#include <algorithm>

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

std::vector<std::string> TMacroLibrary::Names() const {
  std::vector<std::string> Names;
  Names.reserve(FMacros.size());
  for (const auto& Macro : FMacros) Names.push_back(Macro->Name());
  return Names;
}

TRecordedMacro* TMacroLibrary::At(int64_t AIndex) const {
  if (AIndex < 0 || static_cast<size_t>(AIndex) >= FMacros.size()) return nullptr;
  return FMacros[static_cast<size_t>(AIndex)].get();
}

bool TMacroLibrary::Contains(const TRecordedMacro* AMacro) const {
  return std::any_of(FMacros.begin(), FMacros.end(), [AMacro](const auto& AListed) { return AListed.get() == AMacro; });
}

TRecordedMacro* TMacroLibrary::Named(const std::string& AName) const {
  TRecordedMacro* Match = nullptr;
  size_t Matches = 0;
  for (const auto& Macro : FMacros) {
    if (Macro->Name() == AName) return Macro.get();
    if (SameTextAscii(Macro->Name(), AName)) {
      Match = Macro.get();
      ++Matches;
    }
  }
  return Matches == 1 ? Match : nullptr;
}

bool TMacroLibrary::NamedAmbiguously(const std::string& AName) const {
  // An exact match decides; without one, more than one match regardless of case is ambiguous.
  size_t Matches = 0;
  for (const auto& Macro : FMacros) {
    if (Macro->Name() == AName) return false;
    if (SameTextAscii(Macro->Name(), AName)) ++Matches;
  }
  return Matches > 1;
}

void TMacroLibrary::Load() {
  FMacros.clear();
  FFiles.CreateDirectories(FFolder);  // a failure shows at the next file operation
  RemoveInterruptedSaves(FFiles, FFolder, IsMacroFileName);
  for (const std::string& Name : FFiles.ListFiles(FFolder, std::string(kMacroExtension))) {
    try {
      FMacros.push_back(TRecordedMacro::ListFromFile(FFiles, FFolder + "\\" + Name));
    } catch (const EFileError&) {
      // An unreadable file is left out of the list and stays on disk.
    }
  }
}

TRecordedMacro& TMacroLibrary::Add(std::unique_ptr<TRecordedMacro> AMacro, const std::string& AFileStem) {
  FFiles.CreateDirectories(FFolder);
  const std::string Stem = FFolder + "\\" + AFileStem;
  const std::string Extension(kMacroExtension);
  std::string Path = Stem + Extension;
  // Two recordings stopped within one second must not share a file: the second would destroy
  // the first.
  for (int Suffix = 2; FFiles.FileExists(Path); ++Suffix) Path = Stem + " (" + std::to_string(Suffix) + ")" + Extension;
  AMacro->SaveToFile(FFiles, Path);
  FMacros.push_back(std::move(AMacro));
  return *FMacros.back();
}

TRenameOutcome TMacroLibrary::Rename(TRecordedMacro& AMacro, const std::string& AEntered) {
  const std::string NewName = TrimName(AEntered);
  if (NewName.empty()) return TRenameOutcome::roEmpty;
  if (SameTextAscii(NewName, AMacro.Name())) return TRenameOutcome::roUnchanged;
  FFiles.CreateDirectories(FFolder);
  const std::string Target = FFolder + "\\" + SanitizeMacroFileName(NewName) + std::string(kMacroExtension);
  if (Utf16Length(Target) > kMaxPathUnits) return TRenameOutcome::roTooLong;
  const bool SameFile = SameTextAscii(Target, AMacro.FileName());
  if (!SameFile && FFiles.FileExists(Target)) return TRenameOutcome::roTaken;
  // The file is written anew from memory.
  AMacro.LoadEvents(FFiles);
  const std::string OldName = AMacro.Name();
  const std::string OldFile = AMacro.FileName();
  AMacro.SetName(NewName);
  try {
    AMacro.SaveToFile(FFiles, SameFile ? OldFile : Target);
  } catch (...) {
    // The macro keeps the name its file still carries.
    AMacro.SetName(OldName);
    throw;
  }
  if (!SameFile && !OldFile.empty() && FFiles.FileExists(OldFile)) FFiles.RemoveFile(OldFile);
  return TRenameOutcome::roRenamed;
}

void TMacroLibrary::Remove(const TRecordedMacro& AMacro) {
  if (!AMacro.FileName().empty() && FFiles.FileExists(AMacro.FileName())) FFiles.RemoveFile(AMacro.FileName());
  std::erase_if(FMacros, [&AMacro](const auto& AListed) { return AListed.get() == &AMacro; });
}

}  // namespace nevra
