#include "ProgramUnderTest.h"

#include <chrono>
#include <map>
#include <stdexcept>

namespace nevra::tools {

namespace {

using namespace std::chrono_literals;

// Start-up under Wine takes a second or two; a loaded machine may need much longer.
constexpr auto kStartTimeout = 60s;
constexpr auto kExitTimeout = 30s;

}  // namespace

std::unique_ptr<TChildProcess> StartWithAppData(const std::string& AExecutable, const std::filesystem::path& AAppData,
                                                const std::vector<std::string>& AArguments) {
  if (AExecutable.empty()) throw std::runtime_error("no program to start was given");
  return std::make_unique<TChildProcess>(
      AExecutable, std::map<std::wstring, std::wstring>{{L"APPDATA", AAppData.wstring()}}, AArguments);
}

TProgramUnderTest::TProgramUnderTest(const std::filesystem::path& AAppData, const std::string& AExecutable)
    : FProcess(StartWithAppData(AExecutable, AAppData)) {
  HWND Main = WaitForTopLevelWindow(kMainWindowCaption, FProcess->Id(), kStartTimeout);
  if (Main == nullptr) throw std::runtime_error("the program's main window did not show");
  FWindow = std::make_unique<TMainWindowDriver>(Main);
}

TProgramUnderTest::~TProgramUnderTest() {
  if (!FExited) CloseAndWaitForExit();
  FProcess.reset();  // terminates a process that would not end
}

bool TProgramUnderTest::CloseAndWaitForExit() {
  RequestClose(FWindow->Handle());
  FExited = FProcess->WaitForExit(kExitTimeout);
  return FExited;
}

void TProgramUnderTest::Kill() {
  FProcess->Terminate();
  FExited = true;
}

}  // namespace nevra::tools
