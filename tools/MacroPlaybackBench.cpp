#include "MacroPlaybackBench.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "ClickTargetWindow.h"
#include "MacroFile.h"
#include "MessageWait.h"
#include "ProgramUnderTest.h"
#include "TempFolder.h"
#include "UiDriver.h"
#include "product/AppInfo.h"

namespace nevra::tools {

namespace {

using namespace std::chrono_literals;

constexpr int kPress = 1, kRelease = 2;

// The offset of the macro's event number AIndex (from 1), in whole milliseconds.
uint32_t OffsetMs(const TMacroBenchSettings& ASettings, int64_t AIndex) {
  return static_cast<uint32_t>(AIndex * ASettings.IntervalUs / 1000);
}

TMacroFile BenchMacro(const TMacroBenchSettings& ASettings) {
  TMacroFile Macro;
  Macro.Name = "Playback benchmark";
  const int Stride = ASettings.MovesBetween + 1;
  for (int64_t I = 1; I <= int64_t{ASettings.Events} * Stride; ++I) {
    const uint32_t Offset = OffsetMs(ASettings, I);
    if (I % Stride != 0) {
      Macro.Events.push_back(
          {Offset, 0, ASettings.X + static_cast<int>(I % 7) - 3, ASettings.Y + static_cast<int>(I % 5) - 2, -1});
      continue;
    }
    const bool Press = (I / Stride) % 2 == 1;
    Macro.Events.push_back({Offset, Press ? kPress : kRelease, ASettings.X, ASettings.Y, 0});
  }
  Macro.DurationMs = Macro.Events.empty() ? 0 : Macro.Events.back().DeltaMs;
  return Macro;
}

// Milliseconds between two records by the input system's own times (32-bit ticks).
double Span(const TClickRecord& AFrom, const TClickRecord& ATo) {
  return static_cast<double>(ATo.MessageTime - AFrom.MessageTime);
}

std::string Percent(double APlayed, double ARecorded) {
  std::ostringstream Text;
  Text << std::showpos << std::fixed << std::setprecision(2) << (APlayed - ARecorded) * 100.0 / ARecorded << " %";
  return Text.str();
}

}  // namespace

void RunMacroPlaybackBench(const std::string& AProgram, const TMacroBenchSettings& ASettings, std::ostream& AOut) {
  const TTempFolder AppData(L"bench");
  const std::filesystem::path Macros = AppData.Path() / kApplicationTitle / "Macros";
  std::filesystem::create_directories(Macros);
  WriteMacroFile(Macros / "benchmark.nevramac", BenchMacro(ASettings));
  if (ASettings.SpeedPercent != 100) {
    std::ofstream Settings(Macros.parent_path() / "settings.ini", std::ios::binary);
    Settings << "[Macros]\r\nplaybackSpeedPercent=" << ASettings.SpeedPercent << "\r\n";
  }

  TClickTargetWindow Target(kClickTargetBounds, kClickTargetCaption);
  TProgramUnderTest Program(AppData.Path(), AProgram);
  const TMainWindowDriver& Window = Program.Window();
  Window.Click("rbMacros");
  Window.Click("rbRepeatCount");
  Window.SetText("seRepeat", std::to_string(ASettings.Passes));
  if (!Window.WaitForListCount("lbMacros", 1, std::chrono::seconds(10)) || Window.ListSelection("lbMacros") != 0)
    throw std::runtime_error("the benchmark macro is not selected");

  // The playback runs inside the Start button's handler: post the click, then only watch the
  // target until every event has arrived, so nothing from here competes with the playback.
  const size_t Expected = static_cast<size_t>(ASettings.Events) * static_cast<size_t>(ASettings.Passes);
  const int Stride = ASettings.MovesBetween + 1;
  const auto PassTime = std::chrono::milliseconds(OffsetMs(ASettings, int64_t{ASettings.Events} * Stride));
  Window.PostClick("btnStart");
  if (!WaitUntil([&] { return Target.Records().size() >= Expected; }, 2 * ASettings.Passes * PassTime + 30s))
    throw std::runtime_error("the target received " + std::to_string(Target.Records().size()) + " of " +
                             std::to_string(Expected) + " presses and releases");
  const std::string Done = "Completed macro repeat count. Runs done: " + std::to_string(ASettings.Passes);
  if (!Window.WaitForStatus(Done, 30s)) throw std::runtime_error("the playback did not complete: " + Window.Status());
  Program.CloseAndWaitForExit();

  const std::vector<TClickRecord>& Records = Target.Records();
  const auto Events = static_cast<size_t>(ASettings.Events);
  // From the first press of a pass to its last release, and to the next pass's first press; at
  // another speed, the times the recording's take at that speed.
  const double Scale = 100.0 / ASettings.SpeedPercent;
  const double RecordedPass = OffsetMs(ASettings, int64_t{ASettings.Events} * Stride) * Scale;
  const double RecordedSpan = RecordedPass - OffsetMs(ASettings, Stride) * Scale;
  AOut << std::fixed << std::setprecision(0);
  AOut << "Macro playback: " << ASettings.Events << " presses and releases";
  if (ASettings.MovesBetween > 0) AOut << " with " << ASettings.MovesBetween << " moves between each two";
  AOut << ", an event every " << ASettings.IntervalUs << " us, " << ASettings.Passes << " passes";
  if (ASettings.SpeedPercent != 100) AOut << " at " << ASettings.SpeedPercent << " % speed (recorded: scaled)";
  AOut << " (times of the input system, ms)\n";
  AOut << std::left << std::setw(6) << "pass" << std::right << std::setw(16) << "recorded span" << std::setw(14)
       << "played span" << std::setw(11) << "over" << std::setw(16) << "recorded pass" << std::setw(14) << "played pass"
       << std::setw(11) << "over" << '\n';
  for (size_t Pass = 0; Pass < static_cast<size_t>(ASettings.Passes); ++Pass) {
    // First to last event of the pass; and, but for the last pass, from its first event to the
    // next pass's first event: the recorded pass length, as each pass waits its first offset anew.
    const double Played = Span(Records[Pass * Events], Records[(Pass + 1) * Events - 1]);
    AOut << std::left << std::setw(6) << Pass + 1 << std::right << std::setw(16) << RecordedSpan << std::setw(14)
         << Played << std::setw(11) << Percent(Played, RecordedSpan);
    if ((Pass + 1) * Events < Records.size()) {
      const double PlayedPass = Span(Records[Pass * Events], Records[(Pass + 1) * Events]);
      AOut << std::setw(16) << RecordedPass << std::setw(14) << PlayedPass << std::setw(11)
           << Percent(PlayedPass, RecordedPass);
    }
    AOut << '\n';
  }
}

}  // namespace nevra::tools
