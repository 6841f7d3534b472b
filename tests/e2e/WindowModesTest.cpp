// How the window gets out of the way during a run and comes back, the "Always on top" option
// and the About box. The runs click a target window of this test process in the top-left corner
// of the screen, away from the main window (centred) and its strip (bottom right).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>

#include "ClickRunSetup.h"
#include "ClickTargetWindow.h"
#include "MessageWait.h"
#include "ProcessWindows.h"
#include "ProgramTest.h"
#include "product/AppInfo.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TClickButton;

constexpr auto kRunTimeout = 30s;
constexpr const char* kRunningCaption = "  Running... Press Shift+Ctrl+X to stop";

bool SameRect(const RECT& A, const RECT& B) { return EqualRect(&A, &B) != FALSE; }

std::string Describe(const RECT& ARect) {
  return "(" + std::to_string(ARect.left) + ", " + std::to_string(ARect.top) + ")-(" + std::to_string(ARect.right) +
         ", " + std::to_string(ARect.bottom) + ")";
}

// Where the strip belongs for a window with these bounds: a caption and two sizing frames high,
// half as wide (at least 200 pixels), 16 pixels in from the bottom-right corner of the work area.
RECT ExpectedStrip(HWND AWindow, const RECT& ANormalBounds) {
  RECT WorkArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &WorkArea, 0);
  UINT Dpi = GetDpiForWindow(AWindow);
  if (Dpi == 0) Dpi = USER_DEFAULT_SCREEN_DPI;
  const int Height = GetSystemMetricsForDpi(SM_CYCAPTION, Dpi) + 2 * GetSystemMetricsForDpi(SM_CYSIZEFRAME, Dpi);
  const int Width = std::max<int>((ANormalBounds.right - ANormalBounds.left) / 2, 200);
  return RECT{WorkArea.right - 16 - Width, WorkArea.bottom - 16 - Height, WorkArea.right - 16, WorkArea.bottom - 16};
}

class WindowModes : public TProgramTest {
 protected:
  tools::TClickRunSettings AtTarget(int ARepeatCount) const {
    tools::TClickRunSettings Settings;
    Settings.X = 200;
    Settings.Y = 150;
    Settings.RepeatCount = ARepeatCount;
    return Settings;
  }

  bool WaitForStatusStartingWith(const std::string& APrefix) const {
    return tools::WaitUntil([&] { return Window().Status().rfind(APrefix, 0) == 0; }, kRunTimeout);
  }

  void ExpectNormalWindow(const RECT& ABounds) const {
    EXPECT_TRUE(SameRect(ABounds, Window().Bounds()))
        << "bounds " << Describe(Window().Bounds()) << ", before the run " << Describe(ABounds);
    EXPECT_EQ(Window().Caption(), tools::kMainWindowCaption);
    EXPECT_TRUE(Window().Visible());
    EXPECT_TRUE(IsWindowVisible(Window().Control("lblStatus"))) << "the status line is hidden";
  }

  tools::TClickTargetWindow Target{tools::kClickTargetBounds, tools::kClickTargetCaption};
};

TEST_F(WindowModes, ARunTurnsTheWindowIntoTheRunningStripInTheCornerAndRestoresItAfterwards) {
  const RECT Normal = Window().Bounds();
  ASSERT_FALSE(Window().TopMost());
  tools::ApplyClickRunSettings(Window(), AtTarget(0));
  Window().Click("btnStart");

  EXPECT_EQ(Window().Caption(), kRunningCaption);
  const RECT Expected = ExpectedStrip(Window().Handle(), Normal);
  EXPECT_TRUE(SameRect(Expected, Window().Bounds()))
      << "strip " << Describe(Window().Bounds()) << ", expected " << Describe(Expected);
  EXPECT_TRUE(Window().TopMost());
  EXPECT_TRUE(Window().Visible());
  EXPECT_FALSE(IsWindowVisible(Window().Control("lblStatus"))) << "the strip shows the status line";
  // The run goes on behind the strip.
  EXPECT_TRUE(tools::WaitUntil([&] { return Target.Count(TClickButton::cbLeft, true) >= 2; }, kRunTimeout));

  Window().Click("btnStop");
  ASSERT_TRUE(WaitForStatusStartingWith("Stopped by button. Clicks done: ")) << "status: " << Window().Status();
  ExpectNormalWindow(Normal);
  EXPECT_FALSE(Window().TopMost()) << "the strip left the window in the topmost band";
}

TEST_F(WindowModes, MinimizeToTrayHidesTheWindowForTheRunAndBringsItBackToTheFront) {
  const RECT Normal = Window().Bounds();
  Window().Click("chkMinimizeToTrayOnStart");
  tools::TClickRunSettings Settings = AtTarget(3);
  Settings.StartDelayS = 1;
  tools::ApplyClickRunSettings(Window(), Settings);
  Window().Click("btnStart");

  EXPECT_FALSE(Window().Visible()) << "the window shows during the run";
  EXPECT_EQ(Window().Caption(), tools::kMainWindowCaption) << "a hidden window became the strip";
  // Someone else has the foreground while the run goes on; its end must bring the window back.
  SetForegroundWindow(Target.Handle());
  ASSERT_TRUE(Window().WaitForStatus("Completed repeat count. Clicks done: 3", kRunTimeout))
      << "status: " << Window().Status();
  ExpectNormalWindow(Normal);
  EXPECT_EQ(GetForegroundWindow(), Window().Handle()) << "the window came back behind another";
  tools::WaitUntil([&] { return Target.Records().size() >= 6; }, 5s);
  EXPECT_EQ(Target.Count(TClickButton::cbLeft, true), 3u) << "the hidden run did not click";
}

TEST_F(WindowModes, AlwaysOnTopKeepsTheWindowTopmostAcrossARunAndGivesWayToMinimizeToTray) {
  Window().Click("chkTopMost");
  EXPECT_TRUE(Window().TopMost());

  tools::ApplyClickRunSettings(Window(), AtTarget(2));
  Window().Click("btnStart");
  ASSERT_TRUE(Window().WaitForStatus("Completed repeat count. Clicks done: 2", kRunTimeout))
      << "status: " << Window().Status();
  EXPECT_EQ(Window().Caption(), tools::kMainWindowCaption);
  EXPECT_TRUE(Window().TopMost()) << "the run took the window out of the topmost band";
  EXPECT_TRUE(Window().Checked("chkTopMost"));

  // The two options exclude each other: the one ticked last wins, and the band follows it.
  Window().Click("chkMinimizeToTrayOnStart");
  EXPECT_FALSE(Window().Checked("chkTopMost"));
  EXPECT_FALSE(Window().TopMost());
  Window().Click("chkTopMost");
  EXPECT_FALSE(Window().Checked("chkMinimizeToTrayOnStart"));
  EXPECT_TRUE(Window().TopMost());
}

using AboutBox = TProgramTest;

TEST_F(AboutBox, ShowsTitleVersionAndWebsiteAndClosesWithOk) {
  Window().PostClick("btnAbout");
  const HWND Box = tools::WaitForProcessWindow(ProcessId(), tools::kDialogClass, std::nullopt, 10s);
  ASSERT_NE(Box, nullptr) << "no message box showed";
  EXPECT_EQ(tools::ReadText(Box), kApplicationTitle);
  EXPECT_EQ(tools::MessageBoxText(Box), std::string(kApplicationTitle) + "\r\nVersion: " + kVersion +
                                            "\r\n\r\nWebsite: www.nevra-autoclicker.example");
  EXPECT_EQ(GetDlgItem(Box, IDCANCEL), nullptr) << "the box offers more than OK";

  tools::PressDialogButton(Box, IDOK);
  EXPECT_TRUE(tools::WaitUntilClosed(Box, 10s));
  EXPECT_EQ(Window().Status(), "Ready");
}

}  // namespace
}  // namespace nevra::e2e
