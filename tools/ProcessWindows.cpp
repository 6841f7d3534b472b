#include "ProcessWindows.h"

#include <stdexcept>

#include "MessageWait.h"
#include "UiDriver.h"
#include "platform/win32/Win32Text.h"

namespace nevra::tools {

namespace {

TWindowQuery ProcessWindowQuery(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption) {
  TWindowQuery Query{AProcessId, AClass, std::nullopt};
  if (ACaption.has_value()) Query.Caption = win32::Widen(*ACaption);
  return Query;
}

BOOL CALLBACK CollectStaticText(HWND AWindow, LPARAM AParam) {
  auto& Text = *reinterpret_cast<std::wstring*>(AParam);
  if (!IsOfClass(AWindow, L"Static")) return TRUE;
  Text = WindowCaption(AWindow);
  return Text.empty() ? TRUE : FALSE;  // the icon is a static control without text
}

}  // namespace

HWND FindProcessWindow(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption) {
  return FindVisibleWindow(ProcessWindowQuery(AProcessId, AClass, ACaption));
}

HWND WaitForProcessWindow(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption,
                          std::chrono::milliseconds ATimeout) {
  return WaitForVisibleWindow(ProcessWindowQuery(AProcessId, AClass, ACaption), ATimeout);
}

bool WaitUntilClosed(HWND AWindow, std::chrono::milliseconds ATimeout) {
  return WaitUntil([&] { return IsWindow(AWindow) == FALSE; }, ATimeout);
}

std::string MessageBoxText(HWND ABox) {
  std::wstring Text;
  EnumChildWindows(ABox, &CollectStaticText, reinterpret_cast<LPARAM>(&Text));
  return win32::Narrow(Text);
}

void PressDialogButton(HWND ADialog, int AId) {
  HWND Button = GetDlgItem(ADialog, AId);
  if (Button == nullptr) throw std::runtime_error("the dialog has no button " + std::to_string(AId));
  PostButtonClick(Button);
}

}  // namespace nevra::tools
