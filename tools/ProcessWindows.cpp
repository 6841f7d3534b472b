#include "ProcessWindows.h"

#include <stdexcept>

#include "MessageWait.h"
#include "UiDriver.h"

namespace nevra::tools {

namespace {

std::wstring ClassName(HWND AWindow) {
  wchar_t Name[64] = {};
  GetClassNameW(AWindow, Name, 64);
  return Name;
}

struct TProcessWindowSearch {
  DWORD ProcessId;
  const wchar_t* Class;
  const std::optional<std::string>* Caption;
  HWND Found = nullptr;
};

BOOL CALLBACK MatchProcessWindow(HWND AWindow, LPARAM AParam) {
  auto& Search = *reinterpret_cast<TProcessWindowSearch*>(AParam);
  DWORD Owner = 0;
  GetWindowThreadProcessId(AWindow, &Owner);
  if (Owner != Search.ProcessId || !IsWindowVisible(AWindow) || ClassName(AWindow) != Search.Class) return TRUE;
  if (Search.Caption->has_value() && ReadText(AWindow) != **Search.Caption) return TRUE;
  Search.Found = AWindow;
  return FALSE;
}

struct TChildSearch {
  const wchar_t* Class;
  HWND Found = nullptr;
};

BOOL CALLBACK MatchChildClass(HWND AWindow, LPARAM AParam) {
  auto& Search = *reinterpret_cast<TChildSearch*>(AParam);
  if (_wcsicmp(ClassName(AWindow).c_str(), Search.Class) != 0) return TRUE;
  Search.Found = AWindow;
  return FALSE;
}

BOOL CALLBACK CollectStaticText(HWND AWindow, LPARAM AParam) {
  auto& Text = *reinterpret_cast<std::string*>(AParam);
  if (_wcsicmp(ClassName(AWindow).c_str(), L"Static") != 0) return TRUE;
  Text = ReadText(AWindow);
  return Text.empty() ? TRUE : FALSE;  // the icon is a static control without text
}

}  // namespace

HWND FindProcessWindow(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption) {
  TProcessWindowSearch Search{AProcessId, AClass, &ACaption};
  EnumWindows(&MatchProcessWindow, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

HWND WaitForProcessWindow(DWORD AProcessId, const wchar_t* AClass, const std::optional<std::string>& ACaption,
                          std::chrono::milliseconds ATimeout) {
  HWND Found = nullptr;
  WaitUntil([&] { return (Found = FindProcessWindow(AProcessId, AClass, ACaption)) != nullptr; }, ATimeout);
  return Found;
}

bool WaitUntilClosed(HWND AWindow, std::chrono::milliseconds ATimeout) {
  return WaitUntil([&] { return IsWindow(AWindow) == FALSE; }, ATimeout);
}

HWND FindChildOfClass(HWND AParent, const wchar_t* AClass) {
  TChildSearch Search{AClass};
  EnumChildWindows(AParent, &MatchChildClass, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

std::string MessageBoxText(HWND ABox) {
  std::string Text;
  EnumChildWindows(ABox, &CollectStaticText, reinterpret_cast<LPARAM>(&Text));
  return Text;
}

void PressDialogButton(HWND ADialog, int AId) {
  HWND Button = GetDlgItem(ADialog, AId);
  if (Button == nullptr) throw std::runtime_error("the dialog has no button " + std::to_string(AId));
  PostButtonClick(Button);
}

}  // namespace nevra::tools
