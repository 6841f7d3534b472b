#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "macros/MacroModel.h"
#include "platform/BackgroundWork.h"
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
// Reading the names of thousands of files takes seconds, so Load leaves it to background work:
// the macros join the list a batch at a time while the window answers.
class TMacroLibrary {
 public:
  TMacroLibrary(IFileSystem& AFiles, IBackgroundWork& ABackground, std::string AFolder);
  ~TMacroLibrary();
  TMacroLibrary(const TMacroLibrary&) = delete;
  TMacroLibrary& operator=(const TMacroLibrary&) = delete;

  const std::string& Folder() const { return FFolder; }
  const std::vector<std::unique_ptr<TRecordedMacro>>& Macros() const { return FMacros; }
  // The macro at AIndex of the list, or none.
  TRecordedMacro* At(int64_t AIndex) const;
  // Where the macro stands in the list; -1 when it is not there.
  int64_t IndexOf(const TRecordedMacro* AMacro) const;
  // The one rule by which a name finds a macro: the one spelled exactly so, or else the only one
  // that matches without regard to letter case (SameTextIgnoringCase). Several that match that
  // way only find none, and say so.
  struct TFound {
    TRecordedMacro* Macro = nullptr;
    bool Ambiguous = false;
  };
  TFound Find(const std::string& AName) const;

  // Reads the folder anew in the background (making it when it is missing, and first removing
  // what cut-short saves left behind): the name of every macro file that can be read; an
  // unreadable one is left out and stays on disk. The macros join the list in the folder's order,
  // a batch at a time, each batch followed by OnListed.
  void Load();
  // Names are still being read: the list is not whole yet.
  bool Loading() const { return FLoading; }
  // Why the folder could not be listed, once the loading has ended; empty when it could.
  const std::string& LoadError() const { return FLoadError; }
  // Waits until every name is read and takes the rest into the list (OnListed follows): for what
  // needs the whole list, such as finding a macro by name.
  void FinishLoading();
  // Runs on the GUI thread when macros have joined the list; Loading tells whether more will come.
  std::function<void()> OnListed;

  // Saves a new macro under AFileStem, or "AFileStem (2)" and so on when that is taken, and adds
  // it to the end of the whole list.
  TRecordedMacro& Add(std::unique_ptr<TRecordedMacro> AMacro, const std::string& AFileStem);
  // Gives the macro the name the user typed (trimmed) and its file the name that goes with it.
  TRenameOutcome Rename(TRecordedMacro& AMacro, const std::string& AEntered);
  // Deletes the macro's file and takes it off the list.
  void Remove(const TRecordedMacro& AMacro);

 private:
  struct TListing;
  // The background work: lists the folder and reads each file's name into AListing.
  static void ReadFolder(IFileSystem& AFiles, const std::string& AFolder, TListing& AListing,
                         IBackgroundContext& AContext);
  // Takes up to AMost of the macros read so far into the list.
  void TakeListed(size_t AMost);

  IFileSystem& FFiles;
  IBackgroundWork& FBackground;
  std::string FFolder;
  std::vector<std::unique_ptr<TRecordedMacro>> FMacros;
  bool FLoading = false;
  std::string FLoadError;
  std::unique_ptr<TListing> FListing;
  // Last: the work uses the members above until it has ended.
  std::unique_ptr<IBackgroundTask> FLoadTask;
};

}  // namespace nevra
