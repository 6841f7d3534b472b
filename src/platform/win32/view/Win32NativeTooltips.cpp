#include "platform/win32/view/Win32NativeTooltips.h"

#include <commctrl.h>

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

namespace {
TTTOOLINFOW ToolOf(HWND AForm, HWND AControl) {
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof(Tool);
  Tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  Tool.hwnd = AForm;
  Tool.uId = reinterpret_cast<UINT_PTR>(AControl);
  return Tool;
}
}  // namespace

bool TNativeTooltips::EnsureWindow() {
  if (FWindow) return true;
  FWindow.Reset(::CreateWindowExW(WS_EX_TOPMOST | (FRightToLeft ? WS_EX_LAYOUTRTL : 0), TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, FForm, nullptr, ::GetModuleHandleW(nullptr), nullptr));
  return static_cast<bool>(FWindow);
}

void TNativeTooltips::SetTip(HWND AControl, const std::string& AText) {
  if (AControl == nullptr) return;
  TTTOOLINFOW Tool = ToolOf(FForm, AControl);
  if (AText.empty()) {
    if (FWindow) ::SendMessageW(FWindow.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&Tool));
    return;
  }
  if (!EnsureWindow()) return;
  std::wstring Text = Widen(AText);
  Tool.lpszText = Text.data();
  // Adding a tool that is there already fails; its text is updated instead.
  if (::SendMessageW(FWindow.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool)) == FALSE)
    ::SendMessageW(FWindow.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&Tool));
}

void TNativeTooltips::SetRightToLeft(bool ARightToLeft) {
  FRightToLeft = ARightToLeft;
  if (FWindow) SetWindowBits(FWindow.Get(), GWL_EXSTYLE, WS_EX_LAYOUTRTL, ARightToLeft);
}

}  // namespace nevra::win32
