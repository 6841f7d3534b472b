#pragma once
#include <memory>
#include <string>
#include <vector>

#include "macros/MacroModel.h"
#include "platform/FileSystem.h"

namespace nevra {

// What a rename did, for the window to tell the user.
enum class TRenameOutcome {
  roRenamed,
  roUnchanged,  // the same name, letter case aside
  roEmpty,      // nothing left once trimmed
  roTooLong,    // the file's path would be too long for Windows
  roTaken,      // another macro's file has that name
};

// The macro folder and the macros in it, in the order the folder lists them: one file each.
// Errors of the file system arrive as EFileError; the macros stay as they were then.
class TMacroLibrary {
 public:
  TMacroLibrary(IFileSystem& AFiles, std::string AFolder) : FFiles(AFiles), FFolder(std::move(AFolder)) {}

  const std::string& Folder() const { return FFolder; }
  const std::vector<std::unique_ptr<TRecordedMacro>>& Macros() const { return FMacros; }
  std::vector<std::string> Names() const;
  // The macro at AIndex of the list, or none.
  TRecordedMacro* At(int64_t AIndex) const;
  bool Contains(const TRecordedMacro* AMacro) const;
  // The macro with this name: the one spelled exactly so, or else the only one that matches
  // without regard to letter case; none when there is none, or several match that way only.
  TRecordedMacro* Named(const std::string& AName) const;
  // Several macros match the name without regard to letter case, and none exactly.
  bool NamedAmbiguously(const std::string& AName) const;

  // Reads the folder anew (making it when it is missing): the name of every macro file that can
  // be read; an unreadable one is left out and stays on disk. What a cut-short save left behind
  // is removed first.
  void Load();
  // Saves a new macro under AFileStem, or "AFileStem (2)" and so on when that is taken, and adds
  // it to the end of the list.
  TRecordedMacro& Add(std::unique_ptr<TRecordedMacro> AMacro, const std::string& AFileStem);
  // Gives the macro the name the user typed (trimmed) and its file the name that goes with it.
  TRenameOutcome Rename(TRecordedMacro& AMacro, const std::string& AEntered);
  // Deletes the macro's file and takes it off the list.
  void Remove(const TRecordedMacro& AMacro);

 private:
  IFileSystem& FFiles;
  std::string FFolder;
  std::vector<std::unique_ptr<TRecordedMacro>> FMacros;
};

}  // namespace nevra
