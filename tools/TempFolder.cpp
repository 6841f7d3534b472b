#include "TempFolder.h"

#include <windows.h>

#include <atomic>
#include <system_error>

namespace nevra::tools {

TTempFolder::TTempFolder(const std::wstring& APurpose) {
  static std::atomic<int> Counter{0};
  std::wstring Name = L"nevra-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++Counter);
  if (!APurpose.empty()) Name += L"-" + APurpose;
  FPath = std::filesystem::temp_directory_path() / Name;
  std::filesystem::remove_all(FPath);
  std::filesystem::create_directories(FPath);
}

TTempFolder::~TTempFolder() {
  std::error_code Ignored;
  std::filesystem::remove_all(FPath, Ignored);
}

std::vector<std::wstring> TTempFolder::Entries() const {
  std::vector<std::wstring> Names;
  for (const auto& Entry : std::filesystem::directory_iterator(FPath))
    Names.push_back(Entry.path().filename().wstring());
  return Names;
}

}  // namespace nevra::tools
