// A macro that waits a long time between two events: the program keeps listening during the
// pause, so the stop hotkey works and the window answers as usual.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "ClickTargetWindow.h"
#include "MacroFile.h"
#include "MessageWait.h"
#include "ProgramTest.h"
#include "SyntheticInput.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TClickButton;

constexpr int kPress = 1, kRelease = 2;
constexpr const char* kStoppedByHotkey = "Stopped by hotkey. Runs done: 0";

class PlaybackPause : public TProgramTest {
 protected:
  // Press on the target, twenty seconds, release.
  void SetUp() override {
    std::filesystem::create_directories(MacrosFolder());
    tools::WriteMacroFile(MacrosFolder() / "pause.nevramac",
                          {"Pause", 20100, {{100, kPress, 200, 150, 0}, {20100, kRelease, 200, 150, 0}}});
    StartProgram();
  }

  // Milliseconds the main window takes to answer a message that needs its thread.
  double AnswerTimeMs() const {
    const double Start = tools::CounterNowMs();
    DWORD_PTR Result = 0;
    if (SendMessageTimeoutW(Window().Handle(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &Result) == 0) return 5000;
    return tools::CounterNowMs() - Start;
  }

  tools::TClickTargetWindow Target{tools::kClickTargetBounds, tools::kClickTargetCaption};
};

TEST_F(PlaybackPause, TheStopHotkeyStopsWithinASecondAndTheWindowAnswersMeanwhile) {
  Window().Click("rbMacros");
  ASSERT_TRUE(Window().WaitForListCount("lbMacros", 1, std::chrono::seconds(10)));
  Window().SelectListEntry("lbMacros", 0);
  Window().Click("rbRepeatCount");
  Window().SetText("seRepeat", "1");
  Window().PostClick("btnStart");
  ASSERT_TRUE(tools::WaitUntil([&] { return Target.Count(TClickButton::cbLeft, true) == 1; }, 10s))
      << "the macro's press did not arrive";

  tools::PumpFor(1s);  // well inside the pause
  for (int Probe = 0; Probe < 5; ++Probe) EXPECT_LT(AnswerTimeMs(), 100.0) << "probe " << Probe;

  SetForegroundWindow(Target.Handle());
  const double Pressed = tools::CounterNowMs();
  tools::PressKeys({VK_CONTROL, VK_SHIFT, 'X'});
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Status() == kStoppedByHotkey; }, 1s))
      << "status: " << Window().Status();
  EXPECT_LT(tools::CounterNowMs() - Pressed, 1000.0);
  // The press the stop cut short is released then, long before the pause would have ended: no
  // button is left down system-wide. (The release follows the status line by a moment, longer on
  // a loaded machine.)
  EXPECT_TRUE(tools::WaitUntil([&] { return Target.Count(TClickButton::cbLeft, false) == 1u; }, 2s))
      << "the held button was not released";
  EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON) & 0x8000, 0) << "the left button is still down";
  EXPECT_TRUE(Window().Enabled("btnStart"));
}

}  // namespace
}  // namespace nevra::e2e
