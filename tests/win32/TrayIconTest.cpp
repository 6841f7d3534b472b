// The notification-area icon: added, changed and removed through Shell_NotifyIconW.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "TestWindow.h"
#include "platform/win32/view/Win32TrayIcon.h"  // with <shellapi.h>, after <windows.h>
#include "product/AppInfo.h"

namespace nevra::win32 {
namespace {

constexpr UINT kCallback = WM_APP + 7;

// Whether the system holds an icon of AWindow (the program's icon id is 1): only an existing
// icon can be modified.
bool HasIcon(HWND AWindow) {
  NOTIFYICONDATAW Data{};
  Data.cbSize = sizeof(Data);
  Data.hWnd = AWindow;
  Data.uID = 1;
  return Shell_NotifyIconW(NIM_MODIFY, &Data) != FALSE;
}

// Whether the shell here keeps icons at all: a Wine desktop without a system tray may not.
bool ShellKeepsIcons() {
  test::TTestWindow Probe;
  NOTIFYICONDATAW Data{};
  Data.cbSize = sizeof(Data);
  Data.hWnd = Probe.Handle();
  Data.uID = 1;
  Data.uFlags = NIF_TIP;
  if (!Shell_NotifyIconW(NIM_ADD, &Data)) return false;
  Shell_NotifyIconW(NIM_DELETE, &Data);
  return true;
}

TEST(Win32TrayIcon, EveryChangeOfItsLifeIsHandledQuietly) {
  test::TTestWindow Window;
  {
    TWin32TrayIcon Tray(Window.Handle(), kCallback, 96);
    Tray.SetTip(std::string(kApplicationTitle) + " \xe2\x80\x94 \xe4\xb8\xad");
    Tray.Readd();  // while hidden: nothing to add
    Tray.SetShown(true);
    Tray.SetTip(std::string(300, 'x'));  // longer than the system keeps: cut, not overrun
    Tray.Readd();
    Tray.SetShown(false);
    Tray.SetShown(true);
  }
  EXPECT_TRUE(IsWindow(Window.Handle()));
}

TEST(Win32TrayIcon, IconExistsExactlyWhileShown) {
  if (!ShellKeepsIcons()) GTEST_SKIP() << "this desktop has no notification area";
  test::TTestWindow Window;
  {
    TWin32TrayIcon Tray(Window.Handle(), kCallback, 96);
    EXPECT_FALSE(HasIcon(Window.Handle()));
    Tray.SetShown(true);
    EXPECT_TRUE(HasIcon(Window.Handle()));
    Tray.SetShown(false);
    EXPECT_FALSE(HasIcon(Window.Handle()));
    Tray.SetShown(true);
  }
  EXPECT_FALSE(HasIcon(Window.Handle())) << "the icon outlived its object";
}

TEST(Win32TrayIcon, TaskbarCreatedIsTheRegisteredMessage) {
  EXPECT_EQ(TWin32TrayIcon::TaskbarCreatedMessage(), RegisterWindowMessageW(L"TaskbarCreated"));
  EXPECT_GE(TWin32TrayIcon::TaskbarCreatedMessage(), 0xC000u);
}

}  // namespace
}  // namespace nevra::win32
