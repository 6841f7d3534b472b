#include "ProgramUnderTest.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <system_error>

namespace nevra::e2e {

namespace {

using namespace std::chrono_literals;

// Start-up under Wine takes a second or two; a loaded machine may need much longer.
constexpr auto kStartTimeout = 60s;
constexpr auto kExitTimeout = 30s;

std::string& StoredProgramPath() {
  static std::string Path;
  return Path;
}

std::filesystem::path MakeFreshFolder() {
  static std::atomic<int> Counter{0};
  const std::filesystem::path Folder = std::filesystem::temp_directory_path() /
      ("nevra-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++Counter));
  std::filesystem::remove_all(Folder);
  std::filesystem::create_directories(Folder);
  return Folder;
}

}  // namespace

const std::string& ProgramPath() { return StoredProgramPath(); }
void SetProgramPath(std::string APath) { StoredProgramPath() = std::move(APath); }

TProgramUnderTest::TProgramUnderTest() : FAppData(MakeFreshFolder()) {
  if (ProgramPath().empty()) throw std::runtime_error("no program given (--program=PATH or NEVRA_PROGRAM)");
  FProcess = std::make_unique<tools::TChildProcess>(ProgramPath(),
      std::map<std::wstring, std::wstring>{{L"APPDATA", FAppData.wstring()}});
  HWND Main = tools::WaitForTopLevelWindow(tools::kMainWindowCaption, FProcess->Id(), kStartTimeout);
  if (Main == nullptr) throw std::runtime_error("the program's main window did not show");
  FWindow = std::make_unique<tools::TMainWindowDriver>(Main);
}

TProgramUnderTest::~TProgramUnderTest() {
  if (!FExited) CloseAndWaitForExit();
  FProcess.reset();  // terminates a process that would not end
  std::error_code Ignored;
  std::filesystem::remove_all(FAppData, Ignored);
}

bool TProgramUnderTest::CloseAndWaitForExit() {
  tools::RequestClose(FWindow->Handle());
  FExited = FProcess->WaitForExit(kExitTimeout);
  return FExited;
}

}  // namespace nevra::e2e
