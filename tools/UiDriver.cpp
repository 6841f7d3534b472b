#include "UiDriver.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "ControlLookup.h"
#include "MessageWait.h"
#include "WindowSearch.h"
#include "platform/win32/Win32Text.h"

namespace nevra::tools {

namespace {

// Long enough for a busy program under Wine, short enough to fail a hung one.
constexpr UINT kSendTimeoutMs = 5000;

LRESULT Send(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  DWORD_PTR Result = 0;
  if (SendMessageTimeoutW(AWindow, AMsg, AWParam, ALParam, SMTO_NORMAL, kSendTimeoutMs, &Result) == 0)
    throw std::runtime_error("the window did not answer message " + std::to_string(AMsg));
  return static_cast<LRESULT>(Result);
}

struct TControlSearch {
  int Id;
  HWND Found = nullptr;
};

BOOL CALLBACK MatchControl(HWND AWindow, LPARAM AParam) {
  auto& Search = *reinterpret_cast<TControlSearch*>(AParam);
  if (GetDlgCtrlID(AWindow) != Search.Id) return TRUE;
  Search.Found = AWindow;
  return FALSE;
}

// The entries of a list box or a drop-down list: the system copies their texts across processes.
std::vector<std::string> ReadItems(HWND AControl, UINT ACountMessage, UINT ALengthMessage, UINT ATextMessage) {
  const LRESULT Count = Send(AControl, ACountMessage, 0, 0);
  std::vector<std::string> Items;
  for (LRESULT Index = 0; Index < Count; ++Index) {
    const LRESULT Length = Send(AControl, ALengthMessage, static_cast<WPARAM>(Index), 0);
    if (Length < 0) throw std::runtime_error("cannot read entry " + std::to_string(Index));
    std::wstring Text(static_cast<size_t>(Length) + 1, L'\0');
    const LRESULT Copied =
        Send(AControl, ATextMessage, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Text.data()));
    Text.resize(Copied < 0 ? 0 : static_cast<size_t>(Copied));
    Items.push_back(win32::Narrow(Text));
  }
  return Items;
}

}  // namespace

HWND FindTopLevelWindow(const std::string& ACaption, DWORD AProcessId) {
  return FindVisibleWindow({AProcessId, nullptr, win32::Widen(ACaption)});
}

HWND WaitForTopLevelWindow(const std::string& ACaption, DWORD AProcessId, std::chrono::milliseconds ATimeout) {
  return WaitForVisibleWindow({AProcessId, nullptr, win32::Widen(ACaption)}, ATimeout);
}

HWND FindControl(HWND ATopLevel, int AId) {
  // EnumChildWindows walks every descendant, so controls placed inside group boxes are found too.
  TControlSearch Search{AId};
  EnumChildWindows(ATopLevel, &MatchControl, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

std::string ReadText(HWND AWindow) {
  const auto Length = static_cast<size_t>(Send(AWindow, WM_GETTEXTLENGTH, 0, 0));
  std::wstring Text(Length + 1, L'\0');
  const auto Copied =
      static_cast<size_t>(Send(AWindow, WM_GETTEXT, Text.size(), reinterpret_cast<LPARAM>(Text.data())));
  Text.resize(Copied);
  return win32::Narrow(Text);
}

void WriteText(HWND AWindow, const std::string& AText) {
  const std::wstring Text = win32::Widen(AText);
  Send(AWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text.c_str()));
}

void ClickButton(HWND AButton) { Send(AButton, BM_CLICK, 0, 0); }

void PostButtonClick(HWND AButton) {
  if (!PostMessageW(AButton, BM_CLICK, 0, 0)) throw std::runtime_error("cannot post a click to the button");
}

bool IsChecked(HWND AButton) { return Send(AButton, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SelectComboItem(HWND ACombo, int AIndex) {
  Send(ACombo, CB_SETCURSEL, static_cast<WPARAM>(AIndex), 0);
  const auto Notification = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(ACombo)), static_cast<WORD>(CBN_SELCHANGE));
  Send(GetParent(ACombo), WM_COMMAND, Notification, reinterpret_cast<LPARAM>(ACombo));
}

int ComboSelection(HWND ACombo) { return static_cast<int>(Send(ACombo, CB_GETCURSEL, 0, 0)); }

std::vector<std::string> ComboItems(HWND ACombo) {
  return ReadItems(ACombo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

void SelectListItem(HWND AList, int AIndex) {
  Send(AList, LB_SETCURSEL, static_cast<WPARAM>(AIndex), 0);
  const auto Notification = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(AList)), static_cast<WORD>(LBN_SELCHANGE));
  Send(GetParent(AList), WM_COMMAND, Notification, reinterpret_cast<LPARAM>(AList));
}

int ListSelection(HWND AList) { return static_cast<int>(Send(AList, LB_GETCURSEL, 0, 0)); }

std::vector<std::string> ListItems(HWND AList) { return ReadItems(AList, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); }

RECT WindowBounds(HWND AWindow) {
  RECT Bounds{};
  GetWindowRect(AWindow, &Bounds);
  return Bounds;
}

bool IsTopMost(HWND AWindow) { return (GetWindowLongPtrW(AWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void RequestClose(HWND AWindow) { PostMessageW(AWindow, WM_CLOSE, 0, 0); }

HWND TMainWindowDriver::Control(const std::string& AName) const {
  HWND Found = FindControl(FMain, MainFormControlId(AName));
  if (Found == nullptr) throw std::runtime_error("the main window shows no control " + AName);
  // A spin box is an edit field with an up-down control; its value lives in the edit field.
  if (IsOfClass(Found, UPDOWN_CLASSW)) {
    HWND Buddy = reinterpret_cast<HWND>(Send(Found, UDM_GETBUDDY, 0, 0));
    if (Buddy != nullptr) return Buddy;
  }
  return Found;
}

bool TMainWindowDriver::WaitForListCount(const std::string& AName, size_t ACount,
                                         std::chrono::milliseconds ATimeout) const {
  const HWND List = Control(AName);
  return WaitUntil([&] { return static_cast<size_t>(Send(List, LB_GETCOUNT, 0, 0)) == ACount; }, ATimeout);
}

bool TMainWindowDriver::WaitForStatus(const std::string& AText, std::chrono::milliseconds ATimeout) const {
  return WaitUntil([&] { return Status() == AText; }, ATimeout);
}

}  // namespace nevra::tools
