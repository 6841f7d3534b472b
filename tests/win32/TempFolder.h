#pragma once
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace nevra::win32::test {

// A fresh, empty folder in the temp folder (which lives in the test's Wine prefix), removed
// with everything in it when the object goes. Also reads and writes files byte for byte,
// independently of the program's own file code.
class TTempFolder {
 public:
  TTempFolder() {
    static std::atomic<int> Counter{0};
    FPath = std::filesystem::temp_directory_path() /
            (L"nevra-w32-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++Counter));
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
  }
  ~TTempFolder() {
    std::error_code Ignored;
    std::filesystem::remove_all(FPath, Ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  std::filesystem::path operator/(const std::wstring& AName) const { return FPath / AName; }

  static void WriteBytes(const std::filesystem::path& AFile, const std::string& ABytes) {
    std::ofstream Out(AFile, std::ios::binary | std::ios::trunc);
    Out.write(ABytes.data(), static_cast<std::streamsize>(ABytes.size()));
  }
  static std::string ReadBytes(const std::filesystem::path& AFile) {
    std::ifstream In(AFile, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
  }
  // The names directly inside the folder, files and folders alike.
  std::vector<std::wstring> Entries() const {
    std::vector<std::wstring> Names;
    for (const auto& Entry : std::filesystem::directory_iterator(FPath))
      Names.push_back(Entry.path().filename().wstring());
    return Names;
  }

 private:
  std::filesystem::path FPath;
};

}  // namespace nevra::win32::test
