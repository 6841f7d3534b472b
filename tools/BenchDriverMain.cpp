// NevraBenchDriver.exe: drives the running program and the click target for bench/run.sh.
//   wait-window CAPTION          waits until a top-level window with this caption shows
//   close-window CAPTION         asks it to close and waits until it has gone
//   click-run X Y INTERVAL_MS SECONDS
//   timed-run X Y INTERVAL_MS SECONDS      a run For (h:m:s) of SECONDS that ends by itself
//                                left single clicks at (X, Y) every INTERVAL_MS for SECONDS,
//                                started and stopped with the window's buttons; prints the
//                                program's own count ("clicks_done=N")
//   macro-playback PROGRAM EVENTS INTERVAL_US MOVES PASSES X Y [SPEED_PERCENT]
//                                starts PROGRAM with a macro of EVENTS presses and releases at
//                                (X, Y) with MOVES mouse moves between each two, an event every
//                                INTERVAL_US microseconds, plays it PASSES times onto a target
//                                window of its own and prints recorded against played durations
//                                (at SPEED_PERCENT, default 100, the recorded ones scaled)
//   start-up PROGRAM             times PROGRAM's start with no macros, 5,000 macro files and one
//                                200 MB macro
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ClickRunSetup.h"
#include "MacroPlaybackBench.h"
#include "MessageWait.h"
#include "ProcessWindows.h"
#include "StartupBench.h"
#include "UiDriver.h"
#include "platform/win32/Win32CommandLine.h"

namespace {

using namespace std::chrono_literals;
using namespace nevra::tools;

constexpr auto kWindowTimeout = 60s;
constexpr const char* kStoppedPrefix = "Stopped by button. Clicks done: ";

HWND RequireWindow(const std::string& ACaption) {
  HWND Found = WaitForTopLevelWindow(ACaption, 0, kWindowTimeout);
  if (Found == nullptr) throw std::runtime_error("no window \"" + ACaption + "\" showed up");
  return Found;
}

void CloseWindow(const std::string& ACaption) {
  HWND Window = RequireWindow(ACaption);
  RequestClose(Window);
  if (!WaitUntilClosed(Window, 30s)) throw std::runtime_error("the window did not close");
}

// The window set to click at the point at the interval, as a user sets it.
void SetClicksAt(const TMainWindowDriver& AMain, int AX, int AY, int AIntervalMs) {
  TClickRunSettings Settings;
  Settings.X = AX;
  Settings.Y = AY;
  Settings.IntervalMs = AIntervalMs;
  ApplyClickRunSettings(AMain, Settings);
}

// Waits for the status line that ends a run, APrefix and the count, and prints the count.
void PrintClicksDone(const TMainWindowDriver& AMain, const std::string& APrefix, std::chrono::seconds ATimeout) {
  std::string Status;
  if (!WaitUntil([&] { return (Status = AMain.Status()).rfind(APrefix, 0) == 0; }, ATimeout))
    throw std::runtime_error("the run did not end with \"" + APrefix + "\"; status: " + Status);
  std::printf("clicks_done=%s\n", Status.substr(APrefix.size()).c_str());
}

void ClickRun(int AX, int AY, int AIntervalMs, int ASeconds) {
  const TMainWindowDriver Main(RequireWindow(kMainWindowCaption));
  SetClicksAt(Main, AX, AY, AIntervalMs);
  Main.Click("btnStart");
  // The measured stretch is a fixed time on purpose: the clicks per second are what we measure.
  Sleep(static_cast<DWORD>(ASeconds) * 1000);
  Main.Click("btnStop");
  PrintClicksDone(Main, kStoppedPrefix, 30s);
}

// A run "For (h:m:s)" of ASeconds at the interval, left to end by itself: the target's first and
// last presses tell how far its end fell from the set moment (a click is due at the very end).
void TimedRun(int AX, int AY, int AIntervalMs, int ASeconds) {
  const TMainWindowDriver Main(RequireWindow(kMainWindowCaption));
  SetClicksAt(Main, AX, AY, AIntervalMs);
  Main.Click("rbForTime");
  Main.SetText("seForHours", std::to_string(ASeconds / 3600));
  Main.SetText("seForMinutes", std::to_string(ASeconds / 60 % 60));
  Main.SetText("seForSeconds", std::to_string(ASeconds % 60));
  Main.Click("btnStart");
  PrintClicksDone(Main, "Time is up. Clicks done: ", std::chrono::seconds(ASeconds + 30));
  // The next run starts from the choice a click run by time does not use.
  Main.Click("rbUntilStopped");
}

}  // namespace

int main() {
  try {
    const std::vector<std::string> Args = nevra::win32::CommandLineArguments();
    if (Args.size() == 2 && Args[0] == "wait-window") {
      RequireWindow(Args[1]);
    } else if (Args.size() == 2 && Args[0] == "close-window") {
      CloseWindow(Args[1]);
    } else if (Args.size() == 5 && Args[0] == "click-run") {
      ClickRun(std::stoi(Args[1]), std::stoi(Args[2]), std::stoi(Args[3]), std::stoi(Args[4]));
    } else if (Args.size() == 5 && Args[0] == "timed-run") {
      TimedRun(std::stoi(Args[1]), std::stoi(Args[2]), std::stoi(Args[3]), std::stoi(Args[4]));
    } else if ((Args.size() == 8 || Args.size() == 9) && Args[0] == "macro-playback") {
      TMacroBenchSettings Settings;
      Settings.Events = std::stoi(Args[2]);
      Settings.IntervalUs = std::stoi(Args[3]);
      Settings.MovesBetween = std::stoi(Args[4]);
      Settings.Passes = std::stoi(Args[5]);
      Settings.X = std::stoi(Args[6]);
      Settings.Y = std::stoi(Args[7]);
      if (Args.size() == 9) Settings.SpeedPercent = std::stoi(Args[8]);
      RunMacroPlaybackBench(Args[1], Settings, std::cout);
      std::cout.flush();
    } else if (Args.size() == 2 && Args[0] == "start-up") {
      RunStartupBench(Args[1], std::cout);
      std::cout.flush();
    } else {
      std::fputs(
          "usage: NevraBenchDriver.exe wait-window CAPTION | close-window CAPTION |"
          " click-run X Y INTERVAL_MS SECONDS | timed-run X Y INTERVAL_MS SECONDS | macro-playback PROGRAM EVENTS "
          "INTERVAL_US MOVES PASSES X Y "
          "[SPEED_PERCENT] |"
          " start-up PROGRAM\n",
          stderr);
      return 2;
    }
    std::fflush(stdout);
    return 0;
  } catch (const std::exception& E) {
    std::fprintf(stderr, "NevraBenchDriver: %s\n", E.what());
    return 1;
  }
}
