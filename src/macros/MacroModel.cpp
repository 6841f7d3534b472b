#include "macros/MacroModel.h"

#include "platform/FileSystem.h"

namespace nevra {

void TRecordedMacro::SaveToFile(IFileSystem& AFiles, const std::string& AFileName) {
  AFiles.WriteFileAtomically(AFileName, MacroToText(*this));
  FFileName = AFileName;
}

namespace {
// Enough for the name line of any macro the program writes (the name comes first, and a file name
// cannot be longer than 259 characters).
constexpr size_t kListingBytes = 4096;
}  // namespace

std::unique_ptr<TRecordedMacro> TRecordedMacro::ListFromFile(IFileSystem& AFiles, const std::string& AFileName) {
  const auto Start = AFiles.ReadFileStart(AFileName, kListingBytes);
  if (!Start) throw EFileError("Cannot open file \"" + AFileName + "\"");
  auto Macro = std::make_unique<TRecordedMacro>();
  Macro->SetFileName(AFileName);
  if (Start->size() < kListingBytes) {
    // That was all of it.
    MacroFromText(*Start, *Macro);
    return Macro;
  }
  auto Name = MacroNameFromStart(*Start, false);
  // A name that comes late in a file (written by hand) needs the whole file, read here.
  if (!Name) return LoadFromFile(AFiles, AFileName);
  Macro->SetName(std::move(*Name));
  Macro->FEventsLoaded = false;
  return Macro;
}

void TRecordedMacro::LoadEvents(IFileSystem& AFiles) {
  if (FEventsLoaded) return;
  const auto Whole = LoadFromFile(AFiles, FFileName);
  FEvents = std::move(Whole->FEvents);
  FDurationMs = Whole->FDurationMs;
  FEventsLoaded = true;
}

std::unique_ptr<TRecordedMacro> TRecordedMacro::LoadFromFile(IFileSystem& AFiles, const std::string& AFileName) {
  const auto Text = AFiles.ReadFile(AFileName);
  if (!Text) throw EFileError("Cannot open file \"" + AFileName + "\"");
  auto Macro = std::make_unique<TRecordedMacro>();
  MacroFromText(*Text, *Macro);
  Macro->SetFileName(AFileName);
  return Macro;
}

}  // namespace nevra
