#include "platform/win32/view/Win32NativeLists.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

namespace {
// Room below a drop-down list's field for the list it opens.
constexpr int kDropDownListHeight = 200;

constexpr TListMessages kComboBoxMessages{CB_RESETCONTENT, CB_ADDSTRING, CB_DELETESTRING, CB_GETCOUNT,
                                          CB_SETCURSEL,    CB_GETCURSEL, CBN_SELCHANGE};
constexpr TListMessages kListBoxMessages{LB_RESETCONTENT, LB_ADDSTRING, LB_DELETESTRING, LB_GETCOUNT,
                                         LB_SETCURSEL,    LB_GETCURSEL, LBN_SELCHANGE};
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
void TNativeList<TListModel>::SizeEntries(int AFieldHeight) const {
  if (Context().Skins() != nullptr && Window() != nullptr) Context().Skins()->SizeItems(Window(), AFieldHeight);
}

TNativeComboBox::TNativeComboBox(TComboBox& AModel, size_t AIndex, TNativeContext& AContext)
    : TNativeList(AModel, AIndex, AContext, kComboBoxMessages) {}

void TNativeComboBox::Create(bool AStartsGroup) {
  // Styled, the entries are drawn by the style with their texts kept in the control.
  const DWORD OwnerDrawn = Context().Skins() != nullptr ? DWORD{CBS_OWNERDRAWFIXED | CBS_HASSTRINGS} : DWORD{0};
  CreateWindowOf(WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | OwnerDrawn, 0, AStartsGroup);
}

void TNativeComboBox::ApplySkin() { AttachSkin(TSkin::skComboBox); }

void TNativeComboBox::Layout() {
  if (Window() == nullptr) return;
  RECT Rect = ScaledBounds();
  const int FieldHeight = Rect.bottom - Rect.top;
  Rect.bottom += ScaleForDpi(kDropDownListHeight, Context().Dpi());
  MoveTo(Window(), Rect);
  SizeEntries(FieldHeight);
}

bool TNativeComboBox::HandleCommand(UINT ACode) {
  // A styled drop-down list shows whether its list is open.
  if (Context().Skins() != nullptr && (ACode == CBN_DROPDOWN || ACode == CBN_CLOSEUP))
    ::InvalidateRect(Window(), nullptr, FALSE);
  return TNativeList::HandleCommand(ACode);
}

TNativeListBox::TNativeListBox(TListBox& AModel, size_t AIndex, TNativeContext& AContext)
    : TNativeList(AModel, AIndex, AContext, kListBoxMessages) {}

void TNativeListBox::Create(bool AStartsGroup) {
  const DWORD OwnerDrawn = Context().Skins() != nullptr ? DWORD{LBS_OWNERDRAWFIXED | LBS_HASSTRINGS} : DWORD{0};
  CreateWindowOf(WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | OwnerDrawn,
                 WS_EX_CLIENTEDGE, AStartsGroup);
}

void TNativeListBox::ApplySkin() { AttachSkin(TSkin::skListBox); }

void TNativeListBox::Layout() {
  TNativeControl::Layout();
  const RECT Rect = ScaledBounds();
  SizeEntries(Rect.bottom - Rect.top);
}

template class TNativeList<TComboBox>;
template class TNativeList<TListBox>;

}  // namespace nevra::win32
