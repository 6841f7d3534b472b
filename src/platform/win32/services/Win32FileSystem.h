#pragma once
#include "platform/FileSystem.h"
#include "platform/win32/Win32Errors.h"

namespace nevra::win32 {

class TWin32FileSystem final : public IFileSystem {
 public:
  bool FileExists(const std::string& APath) override;
  std::optional<std::string> ReadFile(const std::string& APath) override;
  std::optional<std::string> ReadFileStart(const std::string& APath, size_t AMaxBytes) override;
  bool CreateDirectories(const std::string& APath) override;
  void WriteFileAtomically(const std::string& APath, const std::string& AContent) override;
  std::vector<std::string> ListFiles(const std::string& AFolder, const std::string& AExtension) override;
  void RemoveFile(const std::string& APath) override;
  void RenameFile(const std::string& AFrom, const std::string& ATo) override;
  std::unique_ptr<IOutputFile> CreateOutputFile(const std::string& APath) override;
};

}  // namespace nevra::win32
