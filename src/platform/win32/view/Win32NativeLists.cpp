#include "platform/win32/view/Win32NativeLists.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/view/Win32Fonts.h"

namespace nevra::win32 {

namespace {

struct TListItemLook {
  bool Enabled = true;
  bool Selected = false;
  bool Focused = false;  // the caret of a list that has the keyboard focus
  std::wstring Text;
};

// One entry of a list box or of a drop-down list's list (ATarget.Rect is the entry).
void PaintListItem(const TPaintTarget& ATarget, const TListItemLook& ALook) {
  const HDC Dc = ATarget.Dc;
  const RECT& Rect = ATarget.Rect;
  COLORREF Back = FieldColour(ALook.Enabled);
  COLORREF Fore = TextColour(ALook.Enabled);
  if (ALook.Selected) {
    Back = ALook.Enabled ? palette::kSelection : palette::kFrameDisabled;
    Fore = ALook.Enabled ? palette::kSelectionText : palette::kText;
  }
  Fill(Dc, Rect, Back);
  const RECT TextRect{Rect.left + ScaleForDpi(5, ATarget.Dpi), Rect.top, Rect.right - ScaleForDpi(3, ATarget.Dpi),
                      Rect.bottom};
  PaintText(Dc, ATarget.Font, ALook.Text, TextRect, Fore,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (ALook.Focused && ALook.Enabled) Frame(Dc, Rect, LineWidth(ATarget.Dpi), palette::kAccent);
}

}  // namespace

template <typename TListModel>
void TNativeList<TListModel>::Sync(TControlProperty AProperty) {
  if (Window() == nullptr) return;
  if (AProperty == TControlProperty::cpItems)
    ShowItems();
  else if (AProperty == TControlProperty::cpItemIndex)
    ShowSelection();
  else
    TNativeControl::Sync(AProperty);
}

template <typename TListModel>
void TNativeList<TListModel>::ShowItems() {
  {
    const TNativeContext::TMirroring Mirroring(Context());
    // The entries before the first that changed stay: a list of thousands that grows in batches
    // gets just the new ones (each costs a message).
    const auto Held = static_cast<size_t>(::SendMessageW(Window(), FMessages.Count, 0, 0));
    const size_t Kept = std::min(Held, FList.FirstChangedItem());
    ::SendMessageW(Window(), WM_SETREDRAW, FALSE, 0);
    if (Kept == 0) {
      ::SendMessageW(Window(), FMessages.Reset, 0, 0);
    } else {
      for (size_t Index = Held; Index > Kept; --Index)
        ::SendMessageW(Window(), FMessages.Delete, static_cast<WPARAM>(Index - 1), 0);
    }
    const size_t Count = FList.ItemCount();
    for (size_t Index = Kept; Index < Count; ++Index)
      ::SendMessageW(Window(), FMessages.Add, 0, reinterpret_cast<LPARAM>(Widen(FList.ItemText(Index)).c_str()));
    ::SendMessageW(Window(), WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(Window(), nullptr, TRUE);
  }
  ShowSelection();
}

template <typename TListModel>
void TNativeList<TListModel>::ShowSelection() {
  ::SendMessageW(Window(), FMessages.SetSelection, static_cast<WPARAM>(FList.ItemIndex()), 0);
}

template <typename TListModel>
bool TNativeList<TListModel>::HandleCommand(UINT ACode) {
  if (!Context().TakesInput() || ACode != FMessages.SelectionChanged) return false;
  const auto Selected = static_cast<int32_t>(::SendMessageW(Window(), FMessages.GetSelection, 0, 0));
  TListModel& List = FList;
  Context().Run([&List, Selected] { List.Select(Selected); });
  ShowSelection();
  return true;
}

template <typename TListModel>
bool TNativeList<TListModel>::DrawItem(const DRAWITEMSTRUCT& AItem) {
  if (Style() == nullptr) return false;
  if (AItem.itemID == static_cast<UINT>(-1)) return true;
  const bool ItemEnabled = (AItem.itemState & ODS_DISABLED) == 0 && IsEnabled(AItem.hwndItem);
  PaintListItem(TPaintTarget{AItem.hDC, AItem.rcItem, Context().Dpi(), FontOf(AItem.hwndItem)},
                TListItemLook{ItemEnabled, (AItem.itemState & ODS_SELECTED) != 0, (AItem.itemState & ODS_FOCUS) != 0,
                              EntryText(AItem.hwndItem, AItem.itemID)});
  return true;
}

template <typename TListModel>
std::wstring TNativeList<TListModel>::EntryText(HWND AWindow, WPARAM AIndex) const {
  const LRESULT Length = ::SendMessageW(AWindow, FMessages.TextLength, AIndex, 0);
  if (Length <= 0) return {};
  std::wstring Text(static_cast<size_t>(Length) + 1, L'\0');
  const LRESULT Copied = ::SendMessageW(AWindow, FMessages.Text, AIndex, reinterpret_cast<LPARAM>(Text.data()));
  Text.resize(Copied > 0 ? static_cast<size_t>(Copied) : 0);
  return Text;
}

template <typename TListModel>
int TNativeList<TListModel>::EntryHeight() const {
  return LineHeightOf(Window()) + ScaleForDpi(5, Context().Dpi());
}

template class TNativeList<TComboBox>;
template class TNativeList<TListBox>;

}  // namespace nevra::win32
