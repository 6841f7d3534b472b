#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace nevra::tools {

// A fresh, empty folder in the temporary folder (under Wine, the prefix's), removed with
// everything in it when the object goes. Its name holds this process's id and a running number,
// so tests and runs never share one, and the purpose when given, to tell it apart when left behind.
class TTempFolder {
 public:
  explicit TTempFolder(const std::wstring& APurpose = {});
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder();

  const std::filesystem::path& Path() const { return FPath; }
  std::filesystem::path operator/(const std::filesystem::path& AName) const { return FPath / AName; }
  // The names directly inside the folder, files and folders alike.
  std::vector<std::wstring> Entries() const;

 private:
  std::filesystem::path FPath;
};

}  // namespace nevra::tools
