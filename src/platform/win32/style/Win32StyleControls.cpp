#include "platform/win32/style/Win32StyleControls.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/view/Win32Fonts.h"

namespace nevra::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x4E53;  // one subclass per control, from this class only

bool PaintsItself(TSkin ASkin) {
  switch (ASkin) {
    case TSkin::skPushButton:
    case TSkin::skCheckBox:
    case TSkin::skRadioButton:
    case TSkin::skGroupBox:
    case TSkin::skLabel:
    case TSkin::skBevel:
    case TSkin::skUpDown:
    case TSkin::skComboBox: return true;
    case TSkin::skPanel:
    case TSkin::skEdit:
    case TSkin::skListBox:
    case TSkin::skMemo: return false;
  }
  return false;
}

bool HasFieldFrame(TSkin ASkin) {
  return ASkin == TSkin::skEdit || ASkin == TSkin::skListBox || ASkin == TSkin::skMemo;
}

bool IsButton(TSkin ASkin) {
  return ASkin == TSkin::skPushButton || ASkin == TSkin::skCheckBox || ASkin == TSkin::skRadioButton;
}

std::wstring ListText(HWND AWindow, UINT ALengthMessage, UINT ATextMessage, WPARAM AIndex) {
  const LRESULT Length = ::SendMessageW(AWindow, ALengthMessage, AIndex, 0);
  if (Length <= 0) return {};
  std::wstring Text(static_cast<size_t>(Length) + 1, L'\0');
  const LRESULT Copied = ::SendMessageW(AWindow, ATextMessage, AIndex, reinterpret_cast<LPARAM>(Text.data()));
  Text.resize(Copied > 0 ? static_cast<size_t>(Copied) : 0);
  return Text;
}

HFONT FontOf(HWND AWindow) { return reinterpret_cast<HFONT>(::SendMessageW(AWindow, WM_GETFONT, 0, 0)); }

bool Enabled(HWND AWindow) { return ::IsWindowEnabled(AWindow) != FALSE; }

TInteraction ButtonInteraction(HWND AWindow) {
  const auto State = static_cast<UINT>(::SendMessageW(AWindow, BM_GETSTATE, 0, 0));
  return TInteraction{Enabled(AWindow), (State & BST_HOT) != 0, (State & BST_PUSHED) != 0,
                      (State & BST_FOCUS) != 0 || ::GetFocus() == AWindow};
}

// The drawing flags that match a static control's own layout of its text.
UINT LabelTextFlags(HWND AWindow) {
  const auto Style = static_cast<DWORD>(::GetWindowLongPtrW(AWindow, GWL_STYLE));
  UINT Flags = (Style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
  const DWORD Type = Style & SS_TYPEMASK;
  Flags |= Type == SS_RIGHT ? DT_RIGHT : Type == SS_CENTER ? DT_CENTER : DT_LEFT;
  if (Type == SS_LEFTNOWORDWRAP || (Style & SS_ELLIPSISMASK) != 0)
    Flags |= DT_SINGLELINE | ((Style & SS_ELLIPSISMASK) == SS_ENDELLIPSIS ? DT_END_ELLIPSIS : 0);
  else
    Flags |= DT_WORDBREAK;
  return Flags;
}

// The height of a line of AWindow's text, as an edit box lays it out.
int TextHeight(HWND AWindow) {
  const TWindowDc Dc(AWindow);
  return Dc ? FontLineHeight(Dc.Get(), FontOf(AWindow)) : 0;
}

TSpinArrow ArrowAt(HWND AUpDown, LPARAM APoint) {
  RECT Client{};
  ::GetClientRect(AUpDown, &Client);
  return GET_Y_LPARAM(APoint) < (Client.bottom - Client.top) / 2 ? TSpinArrow::saUp : TSpinArrow::saDown;
}

}  // namespace

void TrackLeave(HWND AWindow) {
  TRACKMOUSEEVENT Track{};
  Track.cbSize = sizeof(Track);
  Track.dwFlags = TME_LEAVE;
  Track.hwndTrack = AWindow;
  ::TrackMouseEvent(&Track);
}

TWin32StyledControls::TWin32StyledControls(const TWin32Style& AStyle, UINT ADpi) : FStyle(AStyle), FDpi(ADpi) {
  FCaptionFont = CreateUiFont(FDpi, false, FW_SEMIBOLD);
}

TWin32StyledControls::~TWin32StyledControls() {
  for (const auto& Entry : FControls)
    if (::IsWindow(Entry.first) != FALSE) ::RemoveWindowSubclass(Entry.first, &SubclassProc, kSubclassId);
}

void TWin32StyledControls::Attach(HWND AWindow, const TSkinnedControl& ASkin) {
  if (AWindow == nullptr) return;
  FControls[AWindow] = TState{ASkin};
  ::SetWindowSubclass(AWindow, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  ::InvalidateRect(AWindow, nullptr, TRUE);
}

void TWin32StyledControls::SetDpi(UINT ADpi) {
  FDpi = ADpi;
  FCaptionFont = CreateUiFont(FDpi, false, FW_SEMIBOLD);
  for (const auto& Entry : FControls) ::RedrawWindow(Entry.first, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TWin32StyledControls::Forget(HWND AWindow) {
  ::RemoveWindowSubclass(AWindow, &SubclassProc, kSubclassId);
  FControls.erase(AWindow);
}

// Colours ----------------------------------------------------------------------------------

std::optional<HBRUSH> TWin32StyledControls::Colours(UINT AMessage, HDC ADc, HWND AControl) const {
  const auto Found = FControls.find(AControl);
  const TState* State = Found != FControls.end() ? &Found->second : nullptr;
  COLORREF Back = State != nullptr ? State->Skin.Surface : palette::kWindow;
  COLORREF Fore = State != nullptr ? State->Skin.TextColour : palette::kText;
  switch (AMessage) {
    case WM_CTLCOLOREDIT:
      Back = palette::kField;
      Fore = palette::kText;
      break;
    case WM_CTLCOLORLISTBOX:
      // Also the list a drop-down list opens, which is no control of the form.
      Back = FieldColour(Enabled(AControl));
      Fore = TextColour(Enabled(AControl));
      break;
    case WM_CTLCOLORSTATIC:
      if (State != nullptr && State->Skin.Skin == TSkin::skMemo) {
        // Read-only, yet a text to read: a field's colours, not a disabled one's.
        Back = FieldColour(Enabled(AControl));
        Fore = TextColour(Enabled(AControl));
      } else if (State != nullptr && State->Skin.Skin == TSkin::skEdit) {
        // A disabled (or read-only) edit box.
        Back = palette::kFieldDisabled;
        Fore = palette::kTextDisabled;
      } else if (!Enabled(AControl)) {
        Fore = palette::kTextDisabled;
      }
      break;
    case WM_CTLCOLORBTN: break;
    default: return std::nullopt;
  }
  ::SetTextColor(ADc, Fore);
  ::SetBkColor(ADc, Back);
  return FStyle.Brush(Back);
}

void TWin32StyledControls::PaintBackground(HWND AParent, HDC ADc) const {
  RECT Client{};
  ::GetClientRect(AParent, &Client);
  ::FillRect(ADc, &Client, FStyle.Brush(palette::kWindow));
}

// Painting ---------------------------------------------------------------------------------

std::optional<LRESULT> TWin32StyledControls::CustomDraw(const NMCUSTOMDRAW& ADraw) {
  const auto Found = FControls.find(ADraw.hdr.hwndFrom);
  if (Found == FControls.end() || !IsButton(Found->second.Skin.Skin)) return std::nullopt;
  // Some buttons ask before erasing, some only before painting: either way the whole button is
  // painted here once and the button's own painting is skipped.
  if (ADraw.dwDrawStage != CDDS_PREERASE && ADraw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  Paint(ADraw.hdr.hwndFrom, ADraw.hdc, Found->second);
  return CDRF_SKIPDEFAULT;
}

void TWin32StyledControls::Paint(HWND AWindow, HDC ADc, const TState& AState) const {
  RECT Client{};
  ::GetClientRect(AWindow, &Client);
  TPaintTarget Target{ADc, Client, FDpi, FontOf(AWindow)};
  const TSkinnedControl& Skin = AState.Skin;
  switch (Skin.Skin) {
    case TSkin::skPushButton:
      PaintPushButton(Target,
                      TPushButtonLook{ButtonInteraction(AWindow), Skin.Image, Skin.Surface, WindowTextWide(AWindow)});
      break;
    case TSkin::skCheckBox:
    case TSkin::skRadioButton:
      PaintCheck(Target,
                 TCheckLook{ButtonInteraction(AWindow), ::SendMessageW(AWindow, BM_GETCHECK, 0, 0) == BST_CHECKED,
                            Skin.Skin == TSkin::skRadioButton, Skin.Surface, WindowTextWide(AWindow)});
      break;
    case TSkin::skGroupBox:
      if (FCaptionFont) Target.Font = FCaptionFont.Get();
      PaintGroupBox(Target, TGroupBoxLook{Enabled(AWindow), Skin.Surface, WindowTextWide(AWindow)});
      break;
    case TSkin::skLabel:
      PaintLabel(Target, TLabelLook{Enabled(AWindow), ::GetFocus() == AWindow, Skin.TextColour, Skin.Surface,
                                    LabelTextFlags(AWindow), WindowTextWide(AWindow)});
      break;
    case TSkin::skBevel: PaintBevel(Target, Skin.Surface); break;
    case TSkin::skUpDown:
      // The arrows continue their edit box's border, at its width.
      PaintSpinArrows(Target, TSpinArrowsLook{Enabled(AWindow), Skin.Partner != nullptr && ::GetFocus() == Skin.Partner,
                                              AState.HotArrow, AState.PressedArrow,
                                              Skin.Partner != nullptr ? SideBorderWidth(Skin.Partner) : 2});
      break;
    case TSkin::skComboBox: {
      const LRESULT Selected = ::SendMessageW(AWindow, CB_GETCURSEL, 0, 0);
      std::wstring Text;
      if (Selected >= 0) Text = ListText(AWindow, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<WPARAM>(Selected));
      const bool Open = ::SendMessageW(AWindow, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
      PaintComboBox(Target, TComboBoxLook{TInteraction{Enabled(AWindow), AState.Hot, Open, ::GetFocus() == AWindow},
                                          std::move(Text)});
      break;
    }
    case TSkin::skPanel:
    case TSkin::skEdit:
    case TSkin::skListBox:
    case TSkin::skMemo: break;
  }
}

void TWin32StyledControls::FillBelowEntries(HWND AListBox, HDC ADc) const {
  RECT Client{};
  ::GetClientRect(AListBox, &Client);
  const LRESULT Count = ::SendMessageW(AListBox, LB_GETCOUNT, 0, 0);
  const LRESULT Top = ::SendMessageW(AListBox, LB_GETTOPINDEX, 0, 0);
  const LRESULT ItemHeight = ::SendMessageW(AListBox, LB_GETITEMHEIGHT, 0, 0);
  if (Count < 0 || Top < 0 || ItemHeight <= 0) return;
  Client.top = static_cast<LONG>(std::max<LRESULT>(0, Count - Top) * ItemHeight);
  if (Client.top >= Client.bottom) return;
  ::FillRect(ADc, &Client, FStyle.Brush(FieldColour(Enabled(AListBox))));
}

void TWin32StyledControls::PaintFrame(HWND AWindow, const TState& AState) const {
  const TWindowDc Dc(AWindow, true);
  if (!Dc) return;
  RECT Window{};
  ::GetWindowRect(AWindow, &Window);
  RECT Client{};
  ::GetClientRect(AWindow, &Client);
  ::MapWindowPoints(AWindow, nullptr, reinterpret_cast<POINT*>(&Client), 2);
  ::OffsetRect(&Client, -Window.left, -Window.top);
  ::OffsetRect(&Window, -Window.left, -Window.top);
  const bool Edit = AState.Skin.Skin == TSkin::skEdit;
  PaintFieldFrame(
      Dc.Get(), Window, Client,
      TFieldFrameLook{Enabled(AWindow), ::GetFocus() == AWindow, Edit && AState.Skin.Partner != nullptr, Edit});
}

bool TWin32StyledControls::DrawItem(const DRAWITEMSTRUCT& AItem) const {
  if (FControls.find(AItem.hwndItem) == FControls.end()) return false;
  if (AItem.CtlType == ODT_COMBOBOX && (AItem.itemState & ODS_COMBOBOXEDIT) != 0) {
    // The closed field: its own WM_PAINT draws it whole, frame and arrow included.
    ::InvalidateRect(AItem.hwndItem, nullptr, FALSE);
    return true;
  }
  if (AItem.itemID == static_cast<UINT>(-1)) return true;
  std::wstring Text = AItem.CtlType == ODT_COMBOBOX
                          ? ListText(AItem.hwndItem, CB_GETLBTEXTLEN, CB_GETLBTEXT, AItem.itemID)
                          : ListText(AItem.hwndItem, LB_GETTEXTLEN, LB_GETTEXT, AItem.itemID);
  const bool ItemEnabled = (AItem.itemState & ODS_DISABLED) == 0 && Enabled(AItem.hwndItem);
  PaintListItem(TPaintTarget{AItem.hDC, AItem.rcItem, FDpi, FontOf(AItem.hwndItem)},
                TListItemLook{ItemEnabled, (AItem.itemState & ODS_SELECTED) != 0, (AItem.itemState & ODS_FOCUS) != 0,
                              std::move(Text)});
  return true;
}

void TWin32StyledControls::SizeItems(HWND AWindow, int AFieldHeight) const {
  const auto Found = FControls.find(AWindow);
  if (Found == FControls.end()) return;
  // An entry is a line of its text with a little room above and below.
  const int ItemHeight = TextHeight(AWindow) + ScaleForDpi(5, FDpi);
  if (Found->second.Skin.Skin == TSkin::skListBox) {
    ::SendMessageW(AWindow, LB_SETITEMHEIGHT, 0, ItemHeight);
    return;
  }
  if (Found->second.Skin.Skin != TSkin::skComboBox) return;
  ::SendMessageW(AWindow, CB_SETITEMHEIGHT, 0, ItemHeight);
  // The field's height is its entry's plus a border that differs between systems: set, measure,
  // correct.
  constexpr auto kField = static_cast<WPARAM>(-1);
  const int Guess = AFieldHeight - 6;
  ::SendMessageW(AWindow, CB_SETITEMHEIGHT, kField, Guess);
  RECT Field{};
  ::GetWindowRect(AWindow, &Field);
  const int Difference = AFieldHeight - (Field.bottom - Field.top);
  if (Difference != 0 && Guess + Difference > 0) ::SendMessageW(AWindow, CB_SETITEMHEIGHT, kField, Guess + Difference);
}

// The controls' messages -------------------------------------------------------------------

void TWin32StyledControls::Refresh(HWND AWindow, const TState& AState) const {
  ::RedrawWindow(AWindow, nullptr, nullptr, RDW_INVALIDATE | (HasFieldFrame(AState.Skin.Skin) ? RDW_FRAME : 0));
  if (AState.Skin.Partner != nullptr) ::InvalidateRect(AState.Skin.Partner, nullptr, FALSE);
}

void TWin32StyledControls::TrackHot(HWND AWindow, TState& AState, LPARAM APoint) {
  const TSpinArrow Arrow = AState.Skin.Skin == TSkin::skUpDown ? ArrowAt(AWindow, APoint) : TSpinArrow::saNone;
  if (AState.Hot && AState.HotArrow == Arrow) return;
  if (!AState.Hot) TrackLeave(AWindow);
  AState.Hot = true;
  AState.HotArrow = Arrow;
  ::InvalidateRect(AWindow, nullptr, FALSE);
}

std::optional<LRESULT> TWin32StyledControls::HandleMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                                           TState& AState) {
  const TSkin Skin = AState.Skin.Skin;
  const auto Default = [&] { return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam); };
  switch (AMessage) {
    case WM_PAINT:
      if (Skin == TSkin::skListBox) {
        // An owner-drawn list paints its entries only; the room below them is the style's.
        const LRESULT Result = Default();
        const TWindowDc Dc(AWindow);
        if (Dc) FillBelowEntries(AWindow, Dc.Get());
        return Result;
      }
      if (!PaintsItself(Skin)) break;
      {
        PAINTSTRUCT PaintInfo{};
        const HDC Dc = ::BeginPaint(AWindow, &PaintInfo);
        if (Dc != nullptr) Paint(AWindow, Dc, AState);
        ::EndPaint(AWindow, &PaintInfo);
      }
      return 0;
    case WM_PRINTCLIENT:
      if (!PaintsItself(Skin)) break;
      Paint(AWindow, reinterpret_cast<HDC>(AWParam), AState);
      return 0;
    case WM_ERASEBKGND:
      if (Skin == TSkin::skListBox) {
        FillBelowEntries(AWindow, reinterpret_cast<HDC>(AWParam));
        return 1;
      }
      if (!PaintsItself(Skin)) break;
      return 1;
    case WM_NCPAINT:
      if (Skin == TSkin::skBevel) {
        // An etched line may be drawn as the window's border rather than in its client area:
        // the style draws the whole window.
        const TWindowDc Dc(AWindow, true);
        if (Dc) {
          RECT Window{};
          ::GetWindowRect(AWindow, &Window);
          ::OffsetRect(&Window, -Window.left, -Window.top);
          PaintBevel(TPaintTarget{Dc.Get(), Window, FDpi, nullptr}, AState.Skin.Surface);
        }
        return 0;
      }
      if (!HasFieldFrame(Skin)) break;
      {
        // The system's border and scroll bar first, then the style's frame over the border.
        const LRESULT Result = Default();
        PaintFrame(AWindow, AState);
        return Result;
      }
    case WM_NCCALCSIZE:
      if (Skin != TSkin::skEdit) break;
      {
        // A one-line edit box writes at the top of its client area: a client area as high as
        // the text, in the middle of the box, centres it.
        const LRESULT Result = Default();
        RECT& Client = AWParam != FALSE ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0]
                                        : *reinterpret_cast<RECT*>(ALParam);
        if (AState.TextHeight == 0) AState.TextHeight = TextHeight(AWindow);
        const int Spare = (Client.bottom - Client.top) - AState.TextHeight;
        if (Spare > 1) {
          Client.top += Spare / 2;
          Client.bottom -= Spare - Spare / 2;
        }
        return Result;
      }
    case WM_SETFONT: {
      const LRESULT Result = Default();
      if (Skin == TSkin::skEdit) {
        AState.TextHeight = 0;  // measured again in the new font
        ::SetWindowPos(AWindow, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return Result;
    }
    case WM_ENABLE:
      // A button or label would paint itself at once, in the system's colours; the style
      // paints it instead.
      if (IsButton(Skin) || Skin == TSkin::skGroupBox || Skin == TSkin::skLabel || Skin == TSkin::skBevel) {
        ::InvalidateRect(AWindow, nullptr, FALSE);
        return 0;
      }
      {
        const LRESULT Result = Default();
        Refresh(AWindow, AState);
        return Result;
      }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case CB_SETCURSEL: {
      const LRESULT Result = Default();
      Refresh(AWindow, AState);
      return Result;
    }
    case WM_MOUSEMOVE:
      if (Skin == TSkin::skUpDown || Skin == TSkin::skComboBox) TrackHot(AWindow, AState, ALParam);
      break;
    case WM_MOUSELEAVE:
      if (AState.Hot) {
        AState.Hot = false;
        AState.HotArrow = TSpinArrow::saNone;
        ::InvalidateRect(AWindow, nullptr, FALSE);
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Skin == TSkin::skUpDown && Enabled(AWindow)) {
        AState.PressedArrow = ArrowAt(AWindow, ALParam);
        ::InvalidateRect(AWindow, nullptr, FALSE);
      }
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (AState.PressedArrow != TSpinArrow::saNone) {
        AState.PressedArrow = TSpinArrow::saNone;
        ::InvalidateRect(AWindow, nullptr, FALSE);
      }
      break;
    default: break;
  }
  return std::nullopt;
}

LRESULT CALLBACK TWin32StyledControls::SubclassProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                                    UINT_PTR, DWORD_PTR ARefData) {
  auto* Self = reinterpret_cast<TWin32StyledControls*>(ARefData);
  if (AMessage == WM_NCDESTROY) {
    Self->Forget(AWindow);
    return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
  }
  try {
    const auto Found = Self->FControls.find(AWindow);
    if (Found != Self->FControls.end())
      if (const auto Result = Self->HandleMessage(AWindow, AMessage, AWParam, ALParam, Found->second)) return *Result;
  } catch (...) {
    // Painting ran out of memory: the control's own handling is the best left to do.
  }
  return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace nevra::win32
