// The global hotkeys, pressed while another window (the click target of this test process) has
// the keyboard focus, as when the user works in another program.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <initializer_list>
#include <string>

#include "ClickRunSetup.h"
#include "ClickTargetWindow.h"
#include "ControlLookup.h"
#include "FileBytes.h"
#include "MessageWait.h"
#include "ProcessWindows.h"
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

// Ctrl+Shift+S held for half a second: the run waits until the keys are up, so no click reaches
// the target with Ctrl or Shift down (in a browser a Ctrl+Shift+click opens a tab, in a list it
// extends the selection).
TEST_F(Hotkeys, AStartHotkeyHeldForHalfASecondSendsNoClickWithItsModifiers) {
  tools::TClickRunSettings Settings;
  Settings.X = 200;
  Settings.Y = 150;
  Settings.IntervalMs = 10;
  tools::ApplyClickRunSettings(Window(), Settings);
  SetForegroundWindow(Target.Handle());
  tools::SendKeys({VK_CONTROL, VK_SHIFT, 'S'}, false);
  tools::PumpFor(500ms);
  EXPECT_EQ(Presses(), 0u) << "clicks went out while the hotkey's keys were down";
  tools::SendKeys({VK_CONTROL, VK_SHIFT, 'S'}, true);
  ASSERT_TRUE(WaitForPresses(20));
  Window().PostClick("btnStop");
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Enabled("btnStart"); }, 10s));
  size_t WithModifiers = 0;
  for (const tools::TClickRecord& Record : Target.Records()) WithModifiers += Record.WithCtrlOrShift ? 1 : 0;
  EXPECT_EQ(WithModifiers, 0u) << "of " << Target.Records().size() << " presses and releases";
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

// The Hotkeys dialog, opened from the main window's button.
class HotkeysDialog : public Hotkeys {
 protected:
  HWND OpenDialog() const {
    Window().PostClick("btnHotkeys");
    const HWND Dialog = tools::WaitForTopLevelWindow("Hotkeys", ProcessId(), 10s);
    EXPECT_NE(Dialog, nullptr) << "the Hotkeys dialog did not open";
    return Dialog;
  }
  static HWND Field(HWND ADialog, const char* AName) {
    return tools::FindControl(ADialog, tools::HotkeysControlId(AName));
  }
  static WORD FieldHotkey(HWND AField) { return static_cast<WORD>(SendMessageW(AField, HKM_GETHOTKEY, 0, 0)); }
  // Clicks into the field and, once it has the caret, presses the keys, as the user does.
  static void TypeCombination(HWND ADialog, HWND AField, std::initializer_list<WORD> AKeys) {
    SetForegroundWindow(ADialog);
    RECT Bounds{};
    GetWindowRect(AField, &Bounds);
    tools::ClickAt({(Bounds.left + Bounds.right) / 2, (Bounds.top + Bounds.bottom) / 2}, TClickButton::cbLeft);
    const DWORD Thread = GetWindowThreadProcessId(AField, nullptr);
    EXPECT_TRUE(tools::WaitUntil(
        [&] {
          GUITHREADINFO Info{};
          Info.cbSize = sizeof Info;
          return GetGUIThreadInfo(Thread, &Info) && Info.hwndFocus == AField;
        },
        10s))
        << "the click gave the field no focus";
    tools::PressKeys(AKeys);
  }
  static void Press(HWND ADialog, const char* AButton) {
    tools::PostButtonClick(tools::FindControl(ADialog, tools::HotkeysControlId(AButton)));
  }
  static constexpr const char* kDefaultLine = "Hotkeys \xE2\x80\x94 Start: Shift+Ctrl+S  |  Stop: Shift+Ctrl+X";
};

TEST_F(HotkeysDialog, ANewStartCombinationStartsRunsTheOldOneNoLongerDoesAndItSurvivesARestart) {
  const HWND Dialog = OpenDialog();
  ASSERT_NE(Dialog, nullptr);
  const HWND StartField = Field(Dialog, "hkStart");
  TypeCombination(Dialog, StartField, {VK_F6});
  ASSERT_TRUE(tools::WaitUntil([&] { return LOBYTE(FieldHotkey(StartField)) == VK_F6; }, 10s))
      << "the field did not take F6";
  Press(Dialog, "btnOK");
  ASSERT_TRUE(tools::WaitUntilClosed(Dialog, 10s)) << "OK did not close the dialog";
  EXPECT_EQ(Window().Text("lblHotkeys"), "Hotkeys \xE2\x80\x94 Start: F6  |  Stop: Shift+Ctrl+X");
  // Saved at once, where a hand-edited file keeps it too.
  EXPECT_NE(tools::ReadFileBytes(SettingsFile()).find("[HotkeyStart]\r\nvk=117\r\nmod=0\r\n"), std::string::npos);

  PrepareEndlessRun();
  PressHotkey({VK_CONTROL, VK_SHIFT, 'S'});
  tools::PumpFor(1s);
  EXPECT_EQ(Presses(), 0u) << "the old combination still starts runs";
  EXPECT_TRUE(Window().Enabled("btnStart"));
  PressHotkey({VK_F6});
  ASSERT_TRUE(WaitForPresses(2)) << "F6 started no run";
  PressHotkey({VK_CONTROL, VK_SHIFT, 'X'});
  ExpectStoppedByHotkey();

  RestartProgram();
  EXPECT_EQ(Window().Text("lblHotkeys"), "Hotkeys \xE2\x80\x94 Start: F6  |  Stop: Shift+Ctrl+X");
}

// Another program's hotkey would take the key press before the field could: pressed in a field,
// the combination stays in the field, is named at once, and OK refuses it by name.
TEST_F(HotkeysDialog, ACombinationAnotherProgramHoldsIsTakenByTheFieldNamedAtOnceAndRefusedAtOk) {
  // This test process holds Ctrl+Alt+F7, as another program would.
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F7));
  const HWND Dialog = OpenDialog();
  ASSERT_NE(Dialog, nullptr);
  const HWND StopField = Field(Dialog, "hkStop");
  TypeCombination(Dialog, StopField, {VK_CONTROL, VK_MENU, VK_F7});
  ASSERT_TRUE(
      tools::WaitUntil([&] { return FieldHotkey(StopField) == MAKEWORD(VK_F7, HOTKEYF_CONTROL | HOTKEYF_ALT); }, 10s))
      << "the Stop field shows " << FieldHotkey(StopField);
  EXPECT_EQ(tools::ReadText(Field(Dialog, "lblHeldElsewhere")), "Hotkey Ctrl+Alt+F7 is in use by another program.");
  MSG Message;
  EXPECT_FALSE(PeekMessageW(&Message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) << "the other program got the keys";
  Press(Dialog, "btnOK");

  const HWND Box = tools::WaitForProcessWindow(ProcessId(), tools::kDialogClass, std::nullopt, 10s);
  ASSERT_NE(Box, nullptr) << "no message named the refused combination";
  EXPECT_EQ(tools::MessageBoxText(Box), "Hotkey Ctrl+Alt+F7 is in use by another program.");
  tools::PressDialogButton(Box, IDOK);
  ASSERT_TRUE(tools::WaitUntilClosed(Box, 10s));
  EXPECT_TRUE(IsWindow(Dialog)) << "the dialog closed although its set was refused";
  Press(Dialog, "btnCancel");
  ASSERT_TRUE(tools::WaitUntilClosed(Dialog, 10s));
  UnregisterHotKey(nullptr, 1);

  EXPECT_EQ(Window().Text("lblHotkeys"), kDefaultLine);
  PrepareEndlessRun();
  PressHotkey({VK_CONTROL, VK_SHIFT, 'S'});
  ASSERT_TRUE(WaitForPresses(2)) << "the old Start combination no longer works";
  PressHotkey({VK_CONTROL, VK_SHIFT, 'X'});
  ExpectStoppedByHotkey();
}

// The hotkeys in force rest while the dialog is open: the Start combination pressed in the Stop
// field starts nothing and stays in the field.
TEST_F(HotkeysDialog, TheHotkeysInForceDoNothingInsideTheDialog) {
  PrepareEndlessRun();
  const HWND Dialog = OpenDialog();
  ASSERT_NE(Dialog, nullptr);
  const HWND StopField = Field(Dialog, "hkStop");
  TypeCombination(Dialog, StopField, {VK_CONTROL, VK_SHIFT, 'S'});
  ASSERT_TRUE(
      tools::WaitUntil([&] { return FieldHotkey(StopField) == MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_SHIFT); }, 10s))
      << "the Stop field shows " << FieldHotkey(StopField);
  tools::PumpFor(500ms);
  EXPECT_EQ(Presses(), 0u);
  EXPECT_TRUE(Window().Enabled("btnStart")) << "the Start combination started a run";
  Press(Dialog, "btnCancel");
  ASSERT_TRUE(tools::WaitUntilClosed(Dialog, 10s));
  PressHotkey({VK_CONTROL, VK_SHIFT, 'S'});
  ASSERT_TRUE(WaitForPresses(2)) << "the hotkeys did not come back when the dialog closed";
  PressHotkey({VK_CONTROL, VK_SHIFT, 'X'});
  ExpectStoppedByHotkey();
}

}  // namespace
}  // namespace nevra::e2e
