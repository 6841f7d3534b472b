// Operations on the main window as a whole, on a real top-level window.
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "platform/win32/services/Win32WindowOps.h"
#include "support/TestPrinters.h"

namespace nevra::win32 {
namespace {

bool IsTopMost(HWND AWindow) { return (GetWindowLongPtrW(AWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

TRect BoundsOf(HWND AWindow) {
  RECT Rect{};
  GetWindowRect(AWindow, &Rect);
  return TRect{Rect.left, Rect.top, Rect.right, Rect.bottom};
}

class Win32WindowOps : public ::testing::Test {
 protected:
  test::TTestWindow Window;  // made hidden
  TWin32WindowOps Ops{[this] { return Window.Handle(); }};
};

TEST_F(Win32WindowOps, BoundsGoToTheWindowAndComeBack) {
  const TRect Bounds{100, 120, 500, 420};
  Ops.SetBounds(Bounds);
  EXPECT_EQ(BoundsOf(Window.Handle()), Bounds);
  EXPECT_EQ(Ops.GetBounds(), Bounds);
}

TEST_F(Win32WindowOps, ShowAndHide) {
  EXPECT_FALSE(Ops.IsVisible());
  Ops.Show();
  EXPECT_TRUE(IsWindowVisible(Window.Handle()));
  EXPECT_TRUE(Ops.IsVisible());
  Ops.Hide();
  EXPECT_FALSE(IsWindowVisible(Window.Handle()));
  EXPECT_FALSE(Ops.IsVisible());
}

TEST_F(Win32WindowOps, TopMostOnAndOffKeepsPlaceAndSize) {
  const TRect Bounds{50, 60, 350, 260};
  Ops.SetBounds(Bounds);
  Ops.SetTopMost(true);
  EXPECT_TRUE(IsTopMost(Window.Handle()));
  Ops.SetTopMost(false);
  EXPECT_FALSE(IsTopMost(Window.Handle()));
  EXPECT_EQ(Ops.GetBounds(), Bounds);
}

TEST_F(Win32WindowOps, ShowTopMostAtPlacesShowsAndRaisesAHiddenWindow) {
  const TRect Strip{900, 950, 1180, 980};
  Ops.ShowTopMostAt(Strip);
  EXPECT_TRUE(IsWindowVisible(Window.Handle()));
  EXPECT_TRUE(IsTopMost(Window.Handle()));
  EXPECT_EQ(Ops.GetBounds(), Strip);
}

TEST_F(Win32WindowOps, RestoreApplicationBringsBackAMinimisedWindow) {
  Ops.Show();
  ShowWindow(Window.Handle(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(Window.Handle()));
  Ops.RestoreApplication();
  EXPECT_FALSE(IsIconic(Window.Handle()));
  EXPECT_TRUE(Ops.IsVisible());
}

TEST_F(Win32WindowOps, MetricsAreTheSystemsAtTheWindowsDpi) {
  RECT WorkArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &WorkArea, 0);
  EXPECT_EQ(Ops.GetWorkArea(), (TRect{WorkArea.left, WorkArea.top, WorkArea.right, WorkArea.bottom}));
  EXPECT_GT(Ops.GetWorkArea().Width(), 0);
  // This process declares no DPI awareness, so the window's DPI is the system's 96.
  EXPECT_EQ(Ops.CaptionHeight(), GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(Ops.SizingFrameHeight(), GetSystemMetrics(SM_CYSIZEFRAME));
}

TEST(Win32WindowOpsWithoutWindow, DoNothingAndAnswerEmpty) {
  TWin32WindowOps Ops{[] { return HWND{}; }};
  Ops.Show();
  Ops.SetBounds(TRect{1, 2, 3, 4});
  Ops.SetTopMost(true);
  Ops.ShowTopMostAt(TRect{1, 2, 3, 4});
  Ops.RestoreApplication();
  Ops.BringToForeground();
  EXPECT_EQ(Ops.GetBounds(), TRect{});
  EXPECT_FALSE(Ops.IsVisible());
  EXPECT_EQ(Ops.CaptionHeight(), GetSystemMetrics(SM_CYCAPTION));
}

}  // namespace
}  // namespace nevra::win32
