#include "platform/win32/view/Win32PopupMenu.h"

#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

std::optional<size_t> TrackMenu(HWND AOwner, const std::vector<TMenuItem>& AItems, POINT APoint) {
  // A pop-up menu does not take its owner's layout by itself (under Wine it never does): a
  // mirrored owner asks for a mirrored menu, whose items, check marks and texts then read from
  // the right. MFT_RIGHTORDER on the items is not needed for that, and Wine measures a menu with
  // it at almost no size.
  const bool RightToLeft = IsRightToLeft(AOwner);
  const TMenuOwner Menu(::CreatePopupMenu());
  if (!Menu) return std::nullopt;
  for (size_t I = 0; I < AItems.size(); ++I) {
    // "&" would underline the next letter; a language name shows it as it is.
    std::wstring Caption = Widen(AItems[I].Caption);
    for (size_t At = Caption.find(L'&'); At != std::wstring::npos; At = Caption.find(L'&', At + 2))
      Caption.insert(At, 1, L'&');
    ::AppendMenuW(Menu.Get(), MF_STRING | (AItems[I].Checked ? MF_CHECKED : MF_UNCHECKED), I + 1, Caption.c_str());
  }
  // The owner must be the foreground window, or the menu would not close when the user clicks
  // elsewhere.
  ::SetForegroundWindow(AOwner);
  // A mirrored menu takes its alignment from the side it reads from: TPM_LEFTALIGN puts its
  // right edge at APoint.
  const UINT Flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | (RightToLeft ? TPM_LAYOUTRTL : 0);
  const BOOL Chosen = ::TrackPopupMenuEx(Menu.Get(), Flags, APoint.x, APoint.y, AOwner, nullptr);
  ::PostMessageW(AOwner, WM_NULL, 0, 0);
  if (Chosen <= 0) return std::nullopt;
  return static_cast<size_t>(Chosen - 1);
}

}  // namespace nevra::win32
