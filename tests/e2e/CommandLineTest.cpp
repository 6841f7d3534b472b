// The program started again while it runs, as a shortcut, a script or a scheduled task starts it:
// the later copy hands its command line to the first and ends with the first copy's answer. Runs
// click a target window of this test process in the top-left corner of the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ClickRunSetup.h"
#include "ClickTargetWindow.h"
#include "FileBytes.h"
#include "MacroFile.h"
#include "MessageWait.h"
#include "ProcessWindows.h"
#include "ProgramTest.h"
#include "TextFiles.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TClickButton;

constexpr auto kCopyTimeout = 60s;
constexpr auto kRunTimeout = 30s;
constexpr int kPress = 1, kRelease = 2;
constexpr POINT kTargetPoint{200, 150};

// Waits (handling this thread's messages, so the target keeps counting) for the copy to end;
// its exit code, or nothing when it did not end in time.
std::optional<DWORD> ExitCodeOf(tools::TChildProcess& ACopy) {
  if (!tools::WaitUntil([&] { return ACopy.WaitForExit(0ms); }, kCopyTimeout)) return std::nullopt;
  return ACopy.ExitCode();
}

// A first copy that runs, with a macro that clicks the target once.
class LaterCopy : public TProgramTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(MacrosFolder());
    tools::WriteMacroFile(MacrosFolder() / "target.nevramac", {"Click the target",
                                                               200,
                                                               {{100, kPress, kTargetPoint.x, kTargetPoint.y, 0},
                                                                {200, kRelease, kTargetPoint.x, kTargetPoint.y, 0}}});
    StartProgram();
  }

  std::optional<DWORD> RunLaterCopy(const std::vector<std::string>& AArguments) const {
    return ExitCodeOf(*StartAnotherCopy(AArguments));
  }
  size_t Presses() const { return Target.Count(TClickButton::cbLeft, true); }

  tools::TClickTargetWindow Target{tools::kClickTargetBounds, tools::kClickTargetCaption};
};

TEST_F(LaterCopy, WithoutOptionsBringsTheFirstWindowToTheFrontAsItWasAndEndsWithZero) {
  const struct {
    const char* Name;
    int Hide;
  } Cases[] = {{"minimized", SW_MINIMIZE}, {"in the tray", SW_HIDE}};
  Window().SetText("seMillis", "250");
  const HWND Main = Window().Handle();
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    ShowWindow(Main, C.Hide);
    SetForegroundWindow(Target.Handle());
    ASSERT_TRUE(tools::WaitUntil([&] { return GetForegroundWindow() == Target.Handle(); }, 10s));

    EXPECT_EQ(RunLaterCopy({}), 0u);
    EXPECT_TRUE(tools::WaitUntil([&] { return GetForegroundWindow() == Main; }, 10s))
        << "the first copy's window is not in front";
    EXPECT_TRUE(Window().Visible());
    EXPECT_FALSE(IsIconic(Main));
    EXPECT_EQ(Window().Text("seMillis"), "250") << "the first copy's window lost what was typed into it";
    EXPECT_EQ(Window().Status(), "Ready");
  }
}

TEST_F(LaterCopy, StartAndStopRunAndEndTheFirstCopysClickRun) {
  tools::TClickRunSettings Settings;
  Settings.X = kTargetPoint.x;
  Settings.Y = kTargetPoint.y;
  tools::ApplyClickRunSettings(Window(), Settings);

  EXPECT_EQ(RunLaterCopy({"/start"}), 0u);
  ASSERT_TRUE(tools::WaitUntil([&] { return Presses() >= 2; }, kRunTimeout)) << "status: " << Window().Status();
  EXPECT_EQ(Window().Caption(), "  Running... Press Shift+Ctrl+X to stop");
  // A second start while the run goes on is not followed, and the later copy says so.
  EXPECT_EQ(RunLaterCopy({"/start"}), 4u);
  EXPECT_EQ(Window().Status(), "Busy: /start from another copy was not followed");

  EXPECT_EQ(RunLaterCopy({"--STOP"}), 0u);
  const std::string StoppedPrefix = "Stopped by button. Clicks done: ";
  const std::string Status = Window().Status();
  ASSERT_EQ(Status.rfind(StoppedPrefix, 0), 0u) << "status: " << Status;
  const size_t Done = std::stoul(Status.substr(StoppedPrefix.size()));
  tools::WaitUntil([&] { return Presses() >= Done; }, 5s);
  tools::PumpFor(300ms);
  EXPECT_EQ(Presses(), Done) << "the target's count differs from the program's";
  EXPECT_TRUE(Window().Enabled("btnStart"));
  EXPECT_EQ(Window().Caption(), tools::kMainWindowCaption);
}

TEST_F(LaterCopy, PlayWithRepeatPlaysTheNamedMacroThatManyTimes) {
  EXPECT_EQ(RunLaterCopy({"/play", "Click the target", "/repeat", "2"}), 0u);
  ASSERT_TRUE(Window().WaitForStatus("Completed macro repeat count. Runs done: 2", kRunTimeout))
      << "status: " << Window().Status();
  tools::WaitUntil([&] { return Target.Records().size() >= 4; }, 5s);
  tools::PumpFor(300ms);
  EXPECT_EQ(Presses(), 2u);
  EXPECT_EQ(Target.Count(TClickButton::cbLeft, false), 2u);
  EXPECT_FALSE(Window().Checked("rbMacros")) << "the window's own settings stay as they were";
}

TEST_F(LaterCopy, AMacroThatIsNotThereIsToldByTheLaterCopyWhichEndsWithThree) {
  const auto Copy = StartAnotherCopy({"/play", "Nothing"});
  const HWND Box = tools::WaitForProcessWindow(Copy->Id(), tools::kDialogClass, std::nullopt, kCopyTimeout);
  ASSERT_NE(Box, nullptr) << "the later copy showed no message";
  EXPECT_EQ(tools::MessageBoxText(Box), "No macro is named \"Nothing\".");
  tools::PressDialogButton(Box, IDOK);
  EXPECT_EQ(ExitCodeOf(*Copy), 3u);
  EXPECT_EQ(Window().Status(), "Ready") << "the first copy started something";
  EXPECT_TRUE(Target.Records().empty());
}

// settings.ini belongs to the first copy: a later one ends without writing it.
class LaterCopySettings : public TProgramTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(ProgramFolder());
    tools::WriteFileBytes(SettingsFile(), kSaved);
    StartProgram();
  }
  static constexpr const char* kSaved = "[Interval]\r\nms=250\r\n";
};

TEST_F(LaterCopySettings, OnlyTheFirstCopyWritesThem) {
  Window().SetText("seMillis", "375");
  EXPECT_EQ(ExitCodeOf(*StartAnotherCopy({})), 0u);
  EXPECT_EQ(tools::ReadFileBytes(SettingsFile()), kSaved) << "the later copy wrote settings.ini";
  for (const auto& Entry : std::filesystem::directory_iterator(ProgramFolder()))
    EXPECT_NE(Entry.path().extension(), ".tmp") << "a save began: " << Entry.path().filename().string();

  CloseProgram();
  EXPECT_EQ(IniValue(tools::ReadFileBytes(SettingsFile()), "Interval", "ms"), "375");
}

// No copy runs: a command line that cannot be followed is told and nothing starts.
class CommandLineAlone : public TProgramTest {
 protected:
  void SetUp() override {}
};

TEST_F(CommandLineAlone, ABadOptionIsToldInABoxAndEndsWithTwoWithoutAWindow) {
  const auto Copy = StartAnotherCopy({"/begin"});
  const HWND Box = tools::WaitForProcessWindow(Copy->Id(), tools::kDialogClass, std::nullopt, kCopyTimeout);
  ASSERT_NE(Box, nullptr) << "no message about the option";
  EXPECT_EQ(tools::MessageBoxText(Box).rfind("Unknown option: /begin\r\n\r\nCommand-line options", 0), 0u)
      << tools::MessageBoxText(Box);
  EXPECT_EQ(tools::FindChildOfClass(Box, L"Edit"), nullptr) << "a short message comes in a standard message box";
  EXPECT_EQ(tools::FindTopLevelWindow(tools::kMainWindowCaption), nullptr) << "a main window was made";
  tools::PressDialogButton(Box, IDOK);
  EXPECT_EQ(ExitCodeOf(*Copy), 2u);
  EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "settings were written";
}

TEST_F(CommandLineAlone, AnOptionAsLongAsACommandLineCanBeIsToldInABoxWithinTheScreen) {
  // 32,000 characters without a blank: the standard box would be thousands of pixels wide.
  const std::string Option = "/" + std::string(31999, 'x');
  const auto Copy = StartAnotherCopy({Option});
  const HWND Box = tools::WaitForProcessWindow(Copy->Id(), tools::kDialogClass, std::nullopt, kCopyTimeout);
  ASSERT_NE(Box, nullptr) << "no message about the option";
  const RECT Bounds = tools::WindowBounds(Box);
  EXPECT_LE(Bounds.right - Bounds.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(Bounds.bottom - Bounds.top, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_GE(Bounds.left, 0);
  EXPECT_GE(Bounds.top, 0);
  // The whole text is there to read, scroll through and copy.
  const HWND Text = tools::FindChildOfClass(Box, L"Edit");
  ASSERT_NE(Text, nullptr) << "the text is not in a field of its own";
  // The field gives a run that long lines of its own (copying it gives it whole): every character
  // of the option is there.
  std::string Shown = tools::ReadText(Text);
  std::erase_if(Shown, [](char C) { return C == '\r' || C == '\n'; });
  EXPECT_EQ(Shown.rfind("Unknown option: " + Option + "Command-line options", 0), 0u)
      << Shown.substr(0, 80) << "... (" << Shown.size() << " characters)";
  tools::PressDialogButton(Box, IDOK);
  EXPECT_EQ(ExitCodeOf(*Copy), 2u);
  EXPECT_EQ(tools::FindTopLevelWindow(tools::kMainWindowCaption), nullptr) << "a main window was made";
}

}  // namespace
}  // namespace nevra::e2e
