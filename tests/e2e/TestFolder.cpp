#include "TestFolder.h"

#include <windows.h>

#include <atomic>
#include <system_error>

namespace nevra::e2e {

TTestFolder::TTestFolder(const std::string& APurpose) {
  static std::atomic<int> Counter{0};
  FPath = std::filesystem::temp_directory_path() /
          ("nevra-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++Counter) + "-" + APurpose);
  std::filesystem::remove_all(FPath);
  std::filesystem::create_directories(FPath);
}

TTestFolder::~TTestFolder() {
  std::error_code Ignored;
  std::filesystem::remove_all(FPath, Ignored);
}

}  // namespace nevra::e2e
