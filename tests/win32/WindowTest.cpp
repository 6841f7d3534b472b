// The window base class and the DPI helpers against real windows.
#include <gtest/gtest.h>

#include <stdexcept>

#include "TestWindow.h"
#include "platform/win32/Win32Dpi.h"

namespace nevra::win32 {
namespace {

TEST(Win32Window, ObjectAndWindowLiveAndDieTogether) {
  HWND Handle = nullptr;
  {
    test::TTestWindow Window;
    Handle = Window.Handle();
    ASSERT_TRUE(IsWindow(Handle));
    bool SawCustom = false;
    Window.OnMessage = [&](UINT AMessage, WPARAM, LPARAM) { return AMessage == WM_APP && (SawCustom = true); };
    SendMessageW(Handle, WM_APP, 0, 0);
    EXPECT_TRUE(SawCustom);
  }
  EXPECT_FALSE(IsWindow(Handle));
}

TEST(Win32Window, AWindowDestroyedFromOutsideLeavesTheObjectSafe) {
  test::TTestWindow Window;
  DestroyWindow(Window.Handle());
  EXPECT_EQ(Window.Handle(), nullptr);
}  // the destructor must not destroy a second time or touch the dead handle

TEST(Win32Window, NoExceptionLeavesTheWindowProcedure) {
  test::TTestWindow Window;
  Window.OnMessage = [](UINT AMessage, WPARAM, LPARAM) -> bool {
    if (AMessage == WM_APP) throw std::runtime_error("handler failed");
    return false;
  };
  EXPECT_NO_THROW(SendMessageW(Window.Handle(), WM_APP, 0, 0));
  EXPECT_TRUE(IsWindow(Window.Handle()));
}

TEST(Win32Dpi, WindowSizeForClientGivesExactlyThatClientArea) {
  // The main window's frame: caption and close box, not resizable.
  const DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  const SIZE Size = WindowSizeForClient(569, 585, Style, 0, SystemDpi());
  test::TTestWindow Window(Style, Size.cx, Size.cy);
  RECT Client{};
  GetClientRect(Window.Handle(), &Client);
  EXPECT_EQ(Client.right - Client.left, 569);
  EXPECT_EQ(Client.bottom - Client.top, 585);
}

TEST(Win32Dpi, ScalingRoundsToTheNearestPixel) {
  struct TCase {
    int Value;
    UINT Dpi;
    int Scaled;
  };
  for (const TCase& Case : {TCase{569, 96, 569}, {569, 144, 854}, {23, 120, 29}, {10, 168, 18}, {1, 192, 2}})
    EXPECT_EQ(ScaleForDpi(Case.Value, Case.Dpi), Case.Scaled) << Case.Value << " at " << Case.Dpi;
}

}  // namespace
}  // namespace nevra::win32
