#include "platform/win32/view/Win32TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <iterator>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

namespace {
constexpr UINT kIconId = 1;
}

TWin32TrayIcon::TWin32TrayIcon(HWND AWindow, UINT ACallbackMessage, UINT ADpi)
    : FWindow(AWindow), FCallbackMessage(ACallbackMessage) {
  FIcon.Reset(LoadAppIcon(SystemMetricForDpi(SM_CXSMICON, ADpi)));
}

TWin32TrayIcon::~TWin32TrayIcon() { SetShown(false); }

UINT TWin32TrayIcon::TaskbarCreatedMessage() {
  static const UINT Message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return Message;
}

NOTIFYICONDATAW TWin32TrayIcon::Data() const {
  NOTIFYICONDATAW Data{};
  Data.cbSize = sizeof(Data);
  Data.hWnd = FWindow;
  Data.uID = kIconId;
  Data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  Data.uCallbackMessage = FCallbackMessage;
  Data.hIcon = FIcon.Get();
  const size_t Length = std::min(FTip.size(), std::size(Data.szTip) - 1);
  FTip.copy(Data.szTip, Length);
  Data.szTip[Length] = L'\0';
  return Data;
}

void TWin32TrayIcon::SetTip(const std::string& ATip) {
  FTip = Widen(ATip);
  if (!FShown) return;
  NOTIFYICONDATAW Icon = Data();
  ::Shell_NotifyIconW(NIM_MODIFY, &Icon);
}

void TWin32TrayIcon::SetShown(bool AShown) {
  if (AShown == FShown) return;
  FShown = AShown;
  NOTIFYICONDATAW Icon = Data();
  ::Shell_NotifyIconW(AShown ? NIM_ADD : NIM_DELETE, &Icon);
}

void TWin32TrayIcon::Readd() {
  if (!FShown) return;
  NOTIFYICONDATAW Icon = Data();
  ::Shell_NotifyIconW(NIM_ADD, &Icon);
}

}  // namespace nevra::win32
