#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// The notification-area icon of a window: the application icon with a tooltip. Explorer forgets
// every icon when it restarts; the owner window passes the TaskbarCreated message to Readd.
class TWin32TrayIcon {
 public:
  // Clicks arrive at AWindow as ACallbackMessage with the mouse message in the low word of lParam.
  TWin32TrayIcon(HWND AWindow, UINT ACallbackMessage, UINT ADpi);
  ~TWin32TrayIcon();
  TWin32TrayIcon(const TWin32TrayIcon&) = delete;
  TWin32TrayIcon& operator=(const TWin32TrayIcon&) = delete;

  void SetTip(const std::string& ATip);
  void SetShown(bool AShown);
  void Readd();
  // The message Explorer broadcasts when the taskbar has been created again.
  static UINT TaskbarCreatedMessage();

 private:
  NOTIFYICONDATAW Data() const;
  HWND FWindow;
  UINT FCallbackMessage;
  TIconOwner FIcon;
  std::wstring FTip;
  bool FShown = false;
};

}  // namespace nevra::win32
