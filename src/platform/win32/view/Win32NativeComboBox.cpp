#include "platform/win32/view/Win32NativeComboBox.h"

#include <string>
#include <utility>

#include "platform/controls/AccessibleName.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/style/Win32StyleShapes.h"

namespace nevra::win32 {

namespace {

// Room below a drop-down list's field for the list it opens.
constexpr int kDropDownListHeight = 200;

constexpr TListMessages kComboBoxMessages{CB_RESETCONTENT, CB_ADDSTRING,    CB_DELETESTRING, CB_GETCOUNT,  CB_SETCURSEL,
                                          CB_GETCURSEL,    CB_GETLBTEXTLEN, CB_GETLBTEXT,    CBN_SELCHANGE};

struct TComboBoxLook {
  TInteraction State;
  std::wstring Text;
};

// The closed drop-down list: field, frame, selected entry and arrow.
void PaintComboBox(const TPaintTarget& ATarget, const TComboBoxLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const UINT Dpi = ATarget.Dpi;
  const TInteraction& State = ALook.State;
  Fill(Dc, Area, State.Enabled && State.Pressed ? palette::kButtonFaceHot : FieldColour(State.Enabled));
  Frame(Dc, Area, State.Focused && State.Enabled ? 2 * LineWidth(Dpi) : LineWidth(Dpi), FrameColour(State));
  const int ArrowWidth = ScaleForDpi(20, Dpi);
  const int ArrowSize = ScaleForDpi(12, Dpi);
  const int ArrowLeft = Area.right - ArrowWidth + (ArrowWidth - ArrowSize) / 2 - LineWidth(Dpi);
  const int ArrowTop = Area.top + (RectHeight(Area) - ArrowSize) / 2;
  PaintGlyph(Dc, RECT{ArrowLeft, ArrowTop, ArrowLeft + ArrowSize, ArrowTop + ArrowSize}, TGlyph::glChevronDown,
             TextColour(State.Enabled));
  const RECT TextRect{Area.left + ScaleForDpi(6, Dpi), Area.top, Area.right - ArrowWidth, Area.bottom};
  PaintText(Dc, ATarget.Font, ALook.Text, TextRect, TextColour(State.Enabled),
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  Buffer.Present();
}

}  // namespace

TNativeComboBox::TNativeComboBox(TComboBox& AModel, size_t AIndex, TNativeContext& AContext)
    : TNativeList(AModel, AIndex, AContext, kComboBoxMessages) {}

bool TNativeComboBox::Owns(HWND AWindow) const {
  return TNativeList::Owns(AWindow) || (AWindow != nullptr && AWindow == FDropDownList);
}

void TNativeComboBox::Create(bool AStartsGroup) {
  // Styled, the entries are drawn here with their texts kept in the control.
  const DWORD OwnerDrawn = Style() != nullptr ? DWORD{CBS_OWNERDRAWFIXED | CBS_HASSTRINGS} : DWORD{0};
  CreateWindowOf(WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | OwnerDrawn, 0, AStartsGroup);
  if (Window() == nullptr) return;
  COMBOBOXINFO Info{};
  Info.cbSize = sizeof(Info);
  if (::GetComboBoxInfo(Window(), &Info) != FALSE) FDropDownList = Info.hwndList;
}

void TNativeComboBox::Layout() {
  if (Window() == nullptr) return;
  RECT Rect = ScaledBounds();
  const int FieldHeight = Rect.bottom - Rect.top;
  Rect.bottom += ScaleForDpi(kDropDownListHeight, Context().Dpi());
  MoveTo(Window(), Rect);
  if (Style() != nullptr) SizeEntries(FieldHeight);
}

void TNativeComboBox::SizeEntries(int AFieldHeight) const {
  ::SendMessageW(Window(), CB_SETITEMHEIGHT, 0, EntryHeight());
  // The field's height is its entry's plus a border that differs between systems: set, measure,
  // correct.
  constexpr auto kField = static_cast<WPARAM>(-1);
  const int Guess = AFieldHeight - 6;
  ::SendMessageW(Window(), CB_SETITEMHEIGHT, kField, Guess);
  RECT Field{};
  ::GetWindowRect(Window(), &Field);
  const int Difference = AFieldHeight - (Field.bottom - Field.top);
  if (Difference != 0 && Guess + Difference > 0) ::SendMessageW(Window(), CB_SETITEMHEIGHT, kField, Guess + Difference);
}

bool TNativeComboBox::HandleCommand(UINT ACode) {
  // A styled drop-down list shows whether its list is open.
  if (Style() != nullptr && (ACode == CBN_DROPDOWN || ACode == CBN_CLOSEUP)) ::InvalidateRect(Window(), nullptr, FALSE);
  return TNativeList::HandleCommand(ACode);
}

bool TNativeComboBox::DrawItem(const DRAWITEMSTRUCT& AItem) {
  if (Style() != nullptr && AItem.CtlType == ODT_COMBOBOX && (AItem.itemState & ODS_COMBOBOXEDIT) != 0) {
    // The closed field: its own WM_PAINT draws it whole, frame and arrow included.
    ::InvalidateRect(AItem.hwndItem, nullptr, FALSE);
    return true;
  }
  return TNativeList::DrawItem(AItem);
}

std::optional<LRESULT> TNativeComboBox::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_MOUSEMOVE:
      if (FMouse.Move(AWindow)) ::InvalidateRect(AWindow, nullptr, FALSE);
      return std::nullopt;
    case WM_MOUSELEAVE:
      if (FMouse.Leave()) ::InvalidateRect(AWindow, nullptr, FALSE);
      return std::nullopt;
    default: break;
  }
  if (const auto Result = PaintWhole(AWindow, AMessage, AWParam)) return Result;
  return RefreshAfterChange(AWindow, AMessage, AWParam, ALParam);
}

void TNativeComboBox::Paint(HWND AWindow, HDC ADc) {
  const LRESULT Selected = ::SendMessageW(AWindow, CB_GETCURSEL, 0, 0);
  std::wstring Text;
  if (Selected >= 0) Text = EntryText(AWindow, static_cast<WPARAM>(Selected));
  const bool Open = ::SendMessageW(AWindow, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
  PaintComboBox(
      PaintTargetOf(AWindow, ADc),
      TComboBoxLook{TInteraction{IsEnabled(AWindow), FMouse.Over(), Open, ::GetFocus() == AWindow}, std::move(Text)});
}

void TNativeComboBox::UpdateAccessibleName(const std::vector<TControl*>& AControls) {
  if (Window() == nullptr) return;
  if (const std::string Name = FieldAccessibleName(AControls, Index()); !Name.empty())
    Context().AccessibleNames().SetName(Window(), Name);
}

}  // namespace nevra::win32
