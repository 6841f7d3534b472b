#include "StartupBench.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iomanip>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "ClickTargetWindow.h"
#include "MacroFile.h"
#include "ProgramUnderTest.h"
#include "TempFolder.h"
#include "product/AppInfo.h"

namespace nevra::tools {

namespace {

constexpr int kStarts = 3;

struct TScenario {
  const char* Label;
  int Files;
  size_t EventsPerFile;
};

TMacroFile MacroOf(size_t AEvents, int ANumber) {
  TMacroFile Macro{"Macro " + std::to_string(ANumber), static_cast<uint32_t>(AEvents * 7), {}};
  Macro.Events.reserve(AEvents);
  for (size_t I = 0; I < AEvents; ++I)
    Macro.Events.push_back({static_cast<uint32_t>(I * 7), I % 50 == 0 ? 1 : 0, 100 + static_cast<int>(I % 1900),
                            -300 + static_cast<int>(I % 1300), I % 50 == 0 ? 0 : -1});
  return Macro;
}

// Milliseconds from starting the program until its window answers.
double StartOnce(const std::string& AProgram, const std::filesystem::path& AAppData) {
  const double Start = CounterNowMs();
  TProgramUnderTest Program(AAppData, AProgram);
  DWORD_PTR Result = 0;
  if (SendMessageTimeoutW(Program.Window().Handle(), WM_NULL, 0, 0, SMTO_NORMAL, 60000, &Result) == 0)
    throw std::runtime_error("the main window did not answer");
  const double Took = CounterNowMs() - Start;
  if (!Program.CloseAndWaitForExit()) throw std::runtime_error("the program did not end");
  return Took;
}

}  // namespace

void RunStartupBench(const std::string& AProgram, std::ostream& AOut) {
  const TScenario Scenarios[] = {
      {"no macros", 0, 0}, {"5,000 macro files", 5000, 100}, {"one 200 MB macro", 1, 8'000'000}};
  AOut << "Start-up until the main window answers (median of " << kStarts << " starts, ms)\n";
  for (const TScenario& Scenario : Scenarios) {
    const TTempFolder AppData(L"startup");
    const std::filesystem::path Macros = AppData.Path() / kApplicationTitle / "Macros";
    std::filesystem::create_directories(Macros);
    uintmax_t Bytes = 0;
    for (int I = 0; I < Scenario.Files; ++I) {
      const std::filesystem::path File = Macros / ("macro " + std::to_string(I) + ".nevramac");
      WriteMacroFile(File, MacroOf(Scenario.EventsPerFile, I));
      Bytes += std::filesystem::file_size(File);
    }
    std::vector<double> Times;
    for (int Run = 0; Run < kStarts; ++Run) Times.push_back(StartOnce(AProgram, AppData.Path()));
    std::sort(Times.begin(), Times.end());
    AOut << std::left << std::setw(20) << Scenario.Label << std::right << std::setw(8) << std::fixed
         << std::setprecision(0) << Times[kStarts / 2] << " ms   (" << std::setprecision(1)
         << static_cast<double>(Bytes) / 1e6 << " MB of macros; " << std::setprecision(0) << Times.front() << "-"
         << Times.back() << " ms)\n";
  }
}

}  // namespace nevra::tools
