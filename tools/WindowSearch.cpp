#include "WindowSearch.h"

#include <iterator>

#include "MessageWait.h"

namespace nevra::tools {

namespace {

struct TWindowSearch {
  const TWindowQuery& Query;
  HWND Found = nullptr;
};

bool Matches(HWND AWindow, const TWindowQuery& AQuery) {
  if (!IsWindowVisible(AWindow)) return false;
  if (AQuery.ProcessId != 0) {
    DWORD Owner = 0;
    GetWindowThreadProcessId(AWindow, &Owner);
    if (Owner != AQuery.ProcessId) return false;
  }
  if (AQuery.Class != nullptr && !IsOfClass(AWindow, AQuery.Class)) return false;
  return !AQuery.Caption.has_value() || WindowCaption(AWindow) == *AQuery.Caption;
}

BOOL CALLBACK MatchWindow(HWND AWindow, LPARAM AParam) {
  auto& Search = *reinterpret_cast<TWindowSearch*>(AParam);
  if (!Matches(AWindow, Search.Query)) return TRUE;
  Search.Found = AWindow;
  return FALSE;
}

struct TChildSearch {
  const wchar_t* Class;
  HWND Found = nullptr;
};

BOOL CALLBACK MatchChildClass(HWND AWindow, LPARAM AParam) {
  auto& Search = *reinterpret_cast<TChildSearch*>(AParam);
  if (!IsOfClass(AWindow, Search.Class)) return TRUE;
  Search.Found = AWindow;
  return FALSE;
}

}  // namespace

std::wstring ClassName(HWND AWindow) {
  wchar_t Name[256] = {};
  const int Length = GetClassNameW(AWindow, Name, static_cast<int>(std::size(Name)));
  return std::wstring(Name, static_cast<size_t>(Length > 0 ? Length : 0));
}

bool IsOfClass(HWND AWindow, const wchar_t* AClass) { return _wcsicmp(ClassName(AWindow).c_str(), AClass) == 0; }

std::wstring WindowCaption(HWND AWindow) {
  // Not GetWindowTextLengthW: under Wine it asks the window, even one of another process. A text
  // that fills the buffer may have been cut, so the buffer grows until one does not (to a limit).
  constexpr size_t kLongest = 1 << 16;
  std::wstring Text(256, L'\0');
  for (;;) {
    const int Length = GetWindowTextW(AWindow, Text.data(), static_cast<int>(Text.size()));
    const auto Copied = static_cast<size_t>(Length > 0 ? Length : 0);
    if (Copied + 1 < Text.size() || Text.size() >= kLongest) {
      Text.resize(Copied);
      return Text;
    }
    Text.resize(Text.size() * 2);
  }
}

HWND FindVisibleWindow(const TWindowQuery& AQuery) {
  TWindowSearch Search{AQuery};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

HWND WaitForVisibleWindow(const TWindowQuery& AQuery, std::chrono::milliseconds ATimeout) {
  HWND Found = nullptr;
  WaitUntil([&] { return (Found = FindVisibleWindow(AQuery)) != nullptr; }, ATimeout);
  return Found;
}

HWND FindChildOfClass(HWND AParent, const wchar_t* AClass) {
  // EnumChildWindows walks every descendant, so a control inside a group box is found too.
  TChildSearch Search{AClass};
  EnumChildWindows(AParent, &MatchChildClass, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

}  // namespace nevra::tools
