#include "macros/MacroModel.h"

#include "platform/FileSystem.h"

namespace nevra {

void TRecordedMacro::SaveToFile(IFileSystem& AFiles, const std::string& AFileName) {
  AFiles.WriteFileAtomically(AFileName, MacroToText(*this));
  FFileName = AFileName;
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
