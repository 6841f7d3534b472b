#include "ProgramUnderTest.h"

#include <windows.h>

#include <chrono>
#include <stdexcept>

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

}  // namespace

const std::string& ProgramPath() { return StoredProgramPath(); }
void SetProgramPath(std::string APath) { StoredProgramPath() = std::move(APath); }

TProgramUnderTest::TProgramUnderTest(const std::filesystem::path& AAppData, const std::string& AExecutable) {
  if (AExecutable.empty()) throw std::runtime_error("no program given (--program=PATH or NEVRA_PROGRAM)");
  FProcess = std::make_unique<tools::TChildProcess>(AExecutable,
      std::map<std::wstring, std::wstring>{{L"APPDATA", AAppData.wstring()}});
  HWND Main = tools::WaitForTopLevelWindow(tools::kMainWindowCaption, FProcess->Id(), kStartTimeout);
  if (Main == nullptr) throw std::runtime_error("the program's main window did not show");
  FWindow = std::make_unique<tools::TMainWindowDriver>(Main);
}

TProgramUnderTest::~TProgramUnderTest() {
  if (!FExited) CloseAndWaitForExit();
  FProcess.reset();  // terminates a process that would not end
}

bool TProgramUnderTest::CloseAndWaitForExit() {
  tools::RequestClose(FWindow->Handle());
  FExited = FProcess->WaitForExit(kExitTimeout);
  return FExited;
}

}  // namespace nevra::e2e
