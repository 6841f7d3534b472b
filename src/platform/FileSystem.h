#pragma once
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace nevra {

class EFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file being written from the start, piece by piece; closed when released.
class IOutputFile {
 public:
  virtual ~IOutputFile() = default;
  // Throws EFileError when the bytes could not be written.
  virtual void Write(std::string_view ABytes) = 0;
  // Closes the file; throws EFileError when what was written could not be stored.
  virtual void Close() = 0;
};

// Files and folders by their full Windows path (UTF-8, backslashes). Background work (the macro
// folder's listing) calls it from its own thread while the GUI thread may too: an
// implementation keeps no state between calls, or guards it.
class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  virtual bool FileExists(const std::string& APath) = 0;
  // The whole file, or nothing when it cannot be opened or read.
  virtual std::optional<std::string> ReadFile(const std::string& APath) = 0;
  // The first AMaxBytes bytes of the file (all of it when it is shorter), or nothing when it
  // cannot be opened or read.
  virtual std::optional<std::string> ReadFileStart(const std::string& APath, size_t AMaxBytes) = 0;
  // Creates the folder and any missing parents; false when it does not exist afterwards.
  virtual bool CreateDirectories(const std::string& APath) = 0;
  // Replaces the file's whole content atomically: the bytes go to a temporary file in the same
  // folder, which is then renamed over the target, so a crash or a full disk never leaves half a
  // file. Throws EFileError when the content could not be stored; the old file is then intact.
  virtual void WriteFileAtomically(const std::string& APath, const std::string& AContent) = 0;
  // The names (not paths) of the files directly inside AFolder whose names end in AExtension
  // (".nevramac"), letter case ignored, in the order the folder lists them. Throws EFileError
  // when the folder cannot be listed.
  virtual std::vector<std::string> ListFiles(const std::string& AFolder, const std::string& AExtension) = 0;
  // Throws EFileError with the system's reason when the file cannot be deleted.
  virtual void RemoveFile(const std::string& APath) = 0;
  // Gives the file another name in the same folder, in one step (the file is under one name or
  // the other, whenever the program is cut short). Throws EFileError when it cannot, or when a
  // file of the new name exists; the file keeps its old name then.
  virtual void RenameFile(const std::string& AFrom, const std::string& ATo) = 0;
  // Creates the file, or empties one that exists, for writing. Throws EFileError.
  virtual std::unique_ptr<IOutputFile> CreateOutputFile(const std::string& APath) = 0;
};

}  // namespace nevra
