#include "platform/win32/view/Win32NativeListBox.h"

#include <algorithm>

#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

namespace {
constexpr TListMessages kListBoxMessages{LB_RESETCONTENT, LB_ADDSTRING,  LB_DELETESTRING, LB_GETCOUNT,  LB_SETCURSEL,
                                         LB_GETCURSEL,    LB_GETTEXTLEN, LB_GETTEXT,      LBN_SELCHANGE};
}  // namespace

TNativeListBox::TNativeListBox(TListBox& AModel, size_t AIndex, TNativeContext& AContext)
    : TNativeList(AModel, AIndex, AContext, kListBoxMessages) {}

void TNativeListBox::Create(bool AStartsGroup) {
  const DWORD OwnerDrawn = Style() != nullptr ? DWORD{LBS_OWNERDRAWFIXED | LBS_HASSTRINGS} : DWORD{0};
  CreateWindowOf(WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | OwnerDrawn,
                 WS_EX_CLIENTEDGE, AStartsGroup);
}

void TNativeListBox::Layout() {
  TNativeControl::Layout();
  if (Style() != nullptr && Window() != nullptr) ::SendMessageW(Window(), LB_SETITEMHEIGHT, 0, EntryHeight());
}

std::optional<LRESULT> TNativeListBox::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      // An owner-drawn list paints its entries only; the room below them is painted here.
      const LRESULT Result = PassOn(AWindow, AMessage, AWParam, ALParam);
      const TWindowDc Dc(AWindow);
      if (Dc) FillBelowEntries(AWindow, Dc.Get());
      return Result;
    }
    case WM_ERASEBKGND: FillBelowEntries(AWindow, reinterpret_cast<HDC>(AWParam)); return 1;
    default: break;
  }
  if (const auto Result = FFrame.WindowMessage(AWindow, AMessage, AWParam, ALParam)) return Result;
  return RefreshAfterChange(AWindow, AMessage, AWParam, ALParam);
}

void TNativeListBox::FillBelowEntries(HWND AWindow, HDC ADc) const {
  RECT Client{};
  ::GetClientRect(AWindow, &Client);
  const LRESULT Count = ::SendMessageW(AWindow, LB_GETCOUNT, 0, 0);
  const LRESULT Top = ::SendMessageW(AWindow, LB_GETTOPINDEX, 0, 0);
  const LRESULT ItemHeight = ::SendMessageW(AWindow, LB_GETITEMHEIGHT, 0, 0);
  if (Count < 0 || Top < 0 || ItemHeight <= 0) return;
  Client.top = static_cast<LONG>(std::max<LRESULT>(0, Count - Top) * ItemHeight);
  if (Client.top >= Client.bottom) return;
  ::FillRect(ADc, &Client, Style()->Brush(FieldColour(IsEnabled(AWindow))));
}

}  // namespace nevra::win32
