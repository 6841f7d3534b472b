// The global hotkeys, pressed while another window (the click target of this test process) has
// the keyboard focus, as when the user works in another program.
#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <string>

#include "ClickRunSetup.h"
#include "ClickTargetWindow.h"
#include "FileBytes.h"
#include "MessageWait.h"
#include "ProgramTest.h"
#include "SyntheticInput.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TClickButton;

constexpr auto kRunTimeout = 30s;
constexpr const char* kStoppedByHotkey = "Stopped by hotkey. Clicks done: ";

class Hotkeys : public TProgramTest {
 protected:
  void PrepareEndlessRun() const {
    tools::TClickRunSettings Settings;
    Settings.X = 200;
    Settings.Y = 150;
    tools::ApplyClickRunSettings(Window(), Settings);
  }

  void PressHotkey(std::initializer_list<WORD> AKeys) const {
    SetForegroundWindow(Target.Handle());
    tools::PressKeys(AKeys);
  }

  size_t Presses() const { return Target.Count(TClickButton::cbLeft, true); }
  bool WaitForPresses(size_t ACount) const {
    return tools::WaitUntil([&] { return Presses() >= ACount; }, kRunTimeout);
  }

  // Waits for the hotkey's stop message and gives its count; checks that the target received
  // exactly that many clicks, so a run that restarted or went on would show.
  void ExpectStoppedByHotkey() const {
    std::string Status;
    ASSERT_TRUE(
        tools::WaitUntil([&] { return (Status = Window().Status()).rfind(kStoppedByHotkey, 0) == 0; }, kRunTimeout))
        << "status: " << Status;
    const size_t Done = std::stoul(Status.substr(std::string(kStoppedByHotkey).size()));
    tools::WaitUntil([&] { return Presses() >= Done; }, 5s);
    tools::PumpFor(300ms);
    EXPECT_EQ(Presses(), Done) << "the target's count differs from the program's";
    EXPECT_TRUE(Window().Enabled("btnStart"));
    EXPECT_FALSE(Window().Enabled("btnStop"));
    EXPECT_EQ(Window().Caption(), tools::kMainWindowCaption);
  }

  tools::TClickTargetWindow Target{tools::kClickTargetBounds, tools::kClickTargetCaption};
};

TEST_F(Hotkeys, CtrlShiftSStartsARunThatCtrlShiftXStopsWhileAnotherWindowHasTheFocus) {
  PrepareEndlessRun();
  PressHotkey({VK_CONTROL, VK_SHIFT, 'S'});
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Caption() == "  Running... Press Shift+Ctrl+X to stop"; }, 10s))
      << "the start hotkey started no run; caption: " << Window().Caption();
  EXPECT_EQ(Window().Status(), "Started");
  ASSERT_TRUE(WaitForPresses(2));

  // Pressed again while clicking, the start hotkey neither restarts the run nor resets its count.
  PressHotkey({VK_CONTROL, VK_SHIFT, 'S'});
  ASSERT_TRUE(WaitForPresses(Presses() + 2));

  PressHotkey({VK_CONTROL, VK_SHIFT, 'X'});
  ExpectStoppedByHotkey();
}

// settings.ini edited by hand names F8 (virtual key 119, no modifiers) as the stop hotkey.
class HandEditedStopKey : public Hotkeys {
 protected:
  void SetUp() override {
    tools::WriteFileBytes(SettingsFile(), "[HotkeyStop]\r\nvk=119\r\nmod=0\r\n");
    StartProgram();
  }
};

TEST_F(HandEditedStopKey, StopsARunWhileTheDefaultKeyNoLongerDoes) {
  EXPECT_EQ(Window().Text("lblHotkeys"), "Hotkeys \xE2\x80\x94 Start: Shift+Ctrl+S  |  Stop: F8");
  PrepareEndlessRun();
  Window().Click("btnStart");
  EXPECT_EQ(Window().Caption(), "  Running... Press F8 to stop");
  ASSERT_TRUE(WaitForPresses(2));

  PressHotkey({VK_CONTROL, VK_SHIFT, 'X'});
  // The default key must not stop it: the clicks go on.
  ASSERT_TRUE(WaitForPresses(Presses() + 3)) << "the run ended after Ctrl+Shift+X";
  EXPECT_EQ(Window().Status(), "Started");
  EXPECT_TRUE(Window().Enabled("btnStop"));

  PressHotkey({VK_F8});
  ExpectStoppedByHotkey();
}

}  // namespace
}  // namespace nevra::e2e
