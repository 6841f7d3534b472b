#include "macros/MacroLibrary.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <mutex>

#include "macros/MacroFileName.h"
#include "platform/InterruptedSaves.h"
#include "platform/Text.h"
#include "platform/TextCase.h"

namespace nevra {

namespace {

// The reading tells the GUI thread after this many names, and the GUI thread takes at most
// kTakenPerTurn into the list at a time (each costs the list box a message): the list grows
// steadily, and the window answers between turns as at any other time.
constexpr size_t kReadPerReport = 64;
constexpr size_t kTakenPerTurn = 128;

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

// What the background work hands to the GUI thread.
struct TMacroLibrary::TListing {
  std::mutex Lock;
  std::deque<std::unique_ptr<TRecordedMacro>> Read;  // not taken into the list yet
  std::string Error;                                 // the folder could not be listed
  bool Done = false;
};

TMacroLibrary::TMacroLibrary(IFileSystem& AFiles, IBackgroundWork& ABackground, std::string AFolder)
    : FFiles(AFiles), FBackground(ABackground), FFolder(std::move(AFolder)) {}

TMacroLibrary::~TMacroLibrary() = default;

TRecordedMacro* TMacroLibrary::At(int64_t AIndex) const {
  if (AIndex < 0 || static_cast<size_t>(AIndex) >= FMacros.size()) return nullptr;
  return FMacros[static_cast<size_t>(AIndex)].get();
}

int64_t TMacroLibrary::IndexOf(const TRecordedMacro* AMacro) const {
  const auto Found =
      std::find_if(FMacros.begin(), FMacros.end(), [AMacro](const auto& AListed) { return AListed.get() == AMacro; });
  return Found == FMacros.end() ? -1 : Found - FMacros.begin();
}

TMacroLibrary::TFound TMacroLibrary::Find(const std::string& AName) const {
  TRecordedMacro* Match = nullptr;
  size_t Matches = 0;
  for (const auto& Macro : FMacros) {
    if (Macro->Name() == AName) return {Macro.get(), false};
    if (SameTextIgnoringCase(Macro->Name(), AName)) {
      Match = Macro.get();
      ++Matches;
    }
  }
  return Matches == 1 ? TFound{Match, false} : TFound{nullptr, Matches > 1};
}

void TMacroLibrary::Load() {
  FLoadTask.reset();
  FMacros.clear();
  FLoading = true;
  FLoadError.clear();
  // The task is ended (and its work joined) before the listing it fills goes.
  FListing = std::make_unique<TListing>();
  FLoadTask = FBackground.Start([&Files = FFiles, Folder = FFolder, &Listing = *FListing](
                                    IBackgroundContext& AContext) { ReadFolder(Files, Folder, Listing, AContext); },
                                [this] { TakeListed(kTakenPerTurn); });
}

void TMacroLibrary::ReadFolder(IFileSystem& AFiles, const std::string& AFolder, TListing& AListing,
                               IBackgroundContext& AContext) {
  // A library gone before its reading began (the program ended at once) leaves the folder alone.
  if (!AContext.StopRequested()) {
    try {
      AFiles.CreateDirectories(AFolder);
      RemoveInterruptedSaves(AFiles, AFolder, IsMacroFileName);
      size_t Unreported = 0;
      for (const std::string& Name : AFiles.ListFiles(AFolder, std::string(kMacroExtension))) {
        if (AContext.StopRequested()) break;
        std::unique_ptr<TRecordedMacro> Macro;
        try {
          Macro = TRecordedMacro::ListFromFile(AFiles, AFolder + "\\" + Name);
        } catch (const EFileError&) {
          continue;  // an unreadable file is left out of the list and stays on disk
        }
        const std::lock_guard Guard(AListing.Lock);
        AListing.Read.push_back(std::move(Macro));
        if (++Unreported == kReadPerReport) {
          AContext.ReportProgress();
          Unreported = 0;
        }
      }
    } catch (const EFileError& E) {
      const std::lock_guard Guard(AListing.Lock);
      AListing.Error = E.what();
    } catch (...) {
      // Out of memory: the list ends where the reading stopped.
    }
  }
  {
    const std::lock_guard Guard(AListing.Lock);
    AListing.Done = true;
  }
  AContext.ReportProgress();
}

void TMacroLibrary::FinishLoading() {
  if (!FLoading) return;
  FLoadTask->Wait();
  TakeListed(SIZE_MAX);
}

void TMacroLibrary::TakeListed(size_t AMost) {
  if (!FLoading) return;
  size_t Taken = 0;
  bool More = false;
  {
    const std::lock_guard Guard(FListing->Lock);
    std::deque<std::unique_ptr<TRecordedMacro>>& Read = FListing->Read;
    for (; Taken < AMost && !Read.empty(); ++Taken) {
      FMacros.push_back(std::move(Read.front()));
      Read.pop_front();
    }
    More = !Read.empty();
    FLoading = More || !FListing->Done;
    if (!FLoading) FLoadError = FListing->Error;
  }
  if (More) FLoadTask->ContinueLater();
  if ((Taken > 0 || !FLoading) && OnListed) OnListed();
}

TRecordedMacro& TMacroLibrary::Add(std::unique_ptr<TRecordedMacro> AMacro, const std::string& AFileStem) {
  // The new macro goes after every macro already in the folder, and its save after the reading.
  FinishLoading();
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
  // Every save comes after the reading, which removes what cut-short saves left behind.
  FinishLoading();
  const std::string NewName = TrimName(AEntered);
  if (NewName.empty()) return TRenameOutcome::roEmpty;
  if (SameTextIgnoringCase(NewName, AMacro.Name())) return TRenameOutcome::roUnchanged;
  FFiles.CreateDirectories(FFolder);
  const std::string Target = FFolder + "\\" + SanitizeMacroFileName(NewName) + std::string(kMacroExtension);
  if (Utf16Length(Target) > kMaxPathUnits) return TRenameOutcome::roTooLong;
  const bool SameFile = SameTextIgnoringCase(Target, AMacro.FileName());
  if (!SameFile && FFiles.FileExists(Target)) return TRenameOutcome::roTaken;
  // The file is written anew from memory, under its old file name first and then renamed: a rename
  // cut short between the two leaves one file, holding the name the user chose.
  AMacro.LoadEvents(FFiles);
  const std::string OldName = AMacro.Name();
  const std::string OldFile = AMacro.FileName();
  AMacro.SetName(NewName);
  try {
    AMacro.SaveToFile(FFiles, OldFile.empty() ? Target : OldFile);
  } catch (...) {
    // The macro keeps the name its file still carries.
    AMacro.SetName(OldName);
    throw;
  }
  if (!SameFile && !OldFile.empty()) {
    try {
      FFiles.RenameFile(OldFile, Target);
      AMacro.SetFileName(Target);
    } catch (const EFileError&) {
      // The file holds the new name already; only its file name stays the old one.
    }
  }
  return TRenameOutcome::roRenamed;
}

void TMacroLibrary::Remove(const TRecordedMacro& AMacro) {
  if (!AMacro.FileName().empty() && FFiles.FileExists(AMacro.FileName())) FFiles.RemoveFile(AMacro.FileName());
  std::erase_if(FMacros, [&AMacro](const auto& AListed) { return AListed.get() == &AMacro; });
}

}  // namespace nevra
