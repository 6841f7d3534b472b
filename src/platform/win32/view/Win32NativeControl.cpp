#include "platform/win32/view/Win32NativeControl.h"

#include <algorithm>

#include "platform/controls/ControlIds.h"
#include "platform/controls/FormGeometry.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/view/Win32Fonts.h"

namespace nevra::win32 {

namespace {
// One subclass per window, from TNativeControl only.
constexpr UINT_PTR kSubclassId = 0x4E53;

void SetShownAndEnabled(HWND AWindow, bool AShown, bool AEnabled) {
  if (AWindow == nullptr) return;
  // Only what changes: each call is a round trip to the window system.
  const LONG_PTR Style = ::GetWindowLongPtrW(AWindow, GWL_STYLE);
  if (((Style & WS_DISABLED) == 0) != AEnabled) ::EnableWindow(AWindow, AEnabled ? TRUE : FALSE);
  if (((Style & WS_VISIBLE) != 0) != AShown) ::ShowWindow(AWindow, AShown ? SW_SHOWNA : SW_HIDE);
}
}  // namespace

TNativeControl::~TNativeControl() {
  for (HWND Window : FSubclassed)
    if (::IsWindow(Window) != FALSE) ::RemoveWindowSubclass(Window, &SubclassProc, kSubclassId);
}

void TNativeControl::CreateWindowOf(const wchar_t* AClass, DWORD AStyle, DWORD AExStyle, bool AStartsGroup) {
  const DWORD Style = WS_CHILD | WS_CLIPSIBLINGS | (AStartsGroup ? WS_GROUP : 0) |
                      (ShownOnForm(FModel) ? WS_VISIBLE : 0) | (EnabledOnForm(FModel) ? 0 : WS_DISABLED) | AStyle;
  // Made where the layout puts it, so the layout that follows mostly has nothing to move.
  const RECT Bounds = ScaledBounds();
  FWindow = ::CreateWindowExW(AExStyle, AClass, L"", Style, Bounds.left, Bounds.top, Bounds.right - Bounds.left,
                              Bounds.bottom - Bounds.top, FContext.Window(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdAt(FIndex))),
                              ::GetModuleHandleW(nullptr), nullptr);
}

HWND TNativeControl::CreateChildWindow(const wchar_t* AClass, DWORD AStyle, int AId) const {
  return ::CreateWindowExW(0, AClass, L"", AStyle, 0, 0, 0, 0, FContext.Window(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(AId)), ::GetModuleHandleW(nullptr), nullptr);
}

COLORREF TNativeControl::Surface() const { return OnPanelSurface(FModel) ? palette::kStatusPanel : palette::kWindow; }

RECT TNativeControl::ScaledBounds() const {
  const TRect Bounds = FormBounds(FModel);
  const UINT Dpi = FContext.Dpi();
  return RECT{ScaleForDpi(Bounds.Left, Dpi), ScaleForDpi(Bounds.Top, Dpi), ScaleForDpi(Bounds.Right, Dpi),
              ScaleForDpi(Bounds.Bottom, Dpi)};
}

void TNativeControl::MoveTo(HWND AWindow, const RECT& ARect) {
  // Every move is a round trip to the window system (a millisecond under Wine): none for a
  // window that is in place already.
  RECT Now{};
  ::GetWindowRect(AWindow, &Now);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(AWindow), reinterpret_cast<POINT*>(&Now), 2);
  if (::EqualRect(&Now, &ARect)) return;
  ::SetWindowPos(AWindow, nullptr, ARect.left, ARect.top, ARect.right - ARect.left, ARect.bottom - ARect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TNativeControl::ApplyFont() {
  // A new font recomputes a list's entry heights: Layout, which runs after every change of DPI,
  // puts the style's heights back on (a link's underline is the only change of font later on).
  if (FWindow != nullptr) ::SendMessageW(FWindow, WM_SETFONT, reinterpret_cast<WPARAM>(FContext.Font(false)), TRUE);
}

void TNativeControl::Layout() {
  if (FWindow != nullptr) MoveTo(FWindow, ScaledBounds());
}

void TNativeControl::Sync(TControlProperty AProperty) {
  if (FWindow == nullptr) return;
  switch (AProperty) {
    case TControlProperty::cpCaption: SetWindowTextUtf8(FWindow, FModel.Caption()); break;
    case TControlProperty::cpEnabled:
    case TControlProperty::cpVisible: ShowAndEnable(); break;
    case TControlProperty::cpFont: ApplyFont(); break;
    case TControlProperty::cpHint:
      FContext.Tooltips().SetTip(FWindow, FModel.Hint());
      // A control that shows no text (a button with only an image) is named by its hint, unless
      // a label names it (a drop-down list with a tooltip).
      if (FModel.Caption().empty()) FContext.AccessibleNames().SetName(FWindow, FModel.Hint());
      if (FContext.Form() != nullptr) UpdateAccessibleName(FContext.Form()->Controls());
      break;
    default: break;
  }
}

void TNativeControl::SyncAll() {
  for (TControlProperty Property :
       {TControlProperty::cpCaption, TControlProperty::cpItems, TControlProperty::cpText, TControlProperty::cpChecked,
        TControlProperty::cpPosition, TControlProperty::cpHint})
    Sync(Property);
  ShowAndEnable();
}

void TNativeControl::ShowAndEnable() {
  if (FWindow == nullptr) return;
  const bool Shown = ShownOnForm(FModel);
  const bool Enabled = EnabledOnForm(FModel);
  if (!Shown || !Enabled) {
    FContext.MoveFocusAwayFrom(FWindow);
    if (Companion() != nullptr) FContext.MoveFocusAwayFrom(Companion());
  }
  SetShownAndEnabled(FWindow, Shown, Enabled);
  SetShownAndEnabled(Companion(), Shown, Enabled);
}

// The look ---------------------------------------------------------------------------------

std::optional<HBRUSH> TNativeControl::Colours(UINT AMessage, HDC ADc, HWND AWindow) {
  if (Style() == nullptr) return std::nullopt;
  switch (AMessage) {
    case WM_CTLCOLOREDIT: return StyleColours(ADc, palette::kText, palette::kField);
    case WM_CTLCOLORLISTBOX: return StyleColours(ADc, TextColour(IsEnabled(AWindow)), FieldColour(IsEnabled(AWindow)));
    case WM_CTLCOLORSTATIC:
      return StyleColours(ADc, IsEnabled(AWindow) ? TextOnSurface() : palette::kTextDisabled, Surface());
    case WM_CTLCOLORBTN: return StyleColours(ADc, TextOnSurface(), Surface());
    default: return std::nullopt;
  }
}

HBRUSH TNativeControl::StyleColours(HDC ADc, COLORREF ATextColour, COLORREF ABackground) const {
  ::SetTextColor(ADc, ATextColour);
  ::SetBkColor(ADc, ABackground);
  return Style()->Brush(ABackground);
}

void TNativeControl::Repaint() const {
  for (HWND Window : {FWindow, Companion()})
    if (Window != nullptr) ::RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool TNativeControl::Subclass(HWND AWindow) {
  if (AWindow == nullptr ||
      ::SetWindowSubclass(AWindow, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) == FALSE)
    return false;
  if (std::find(FSubclassed.begin(), FSubclassed.end(), AWindow) == FSubclassed.end()) FSubclassed.push_back(AWindow);
  return true;
}

void TNativeControl::Dress(HWND AWindow) {
  if (Style() == nullptr || AWindow == nullptr) return;
  Subclass(AWindow);
  ::InvalidateRect(AWindow, nullptr, TRUE);
}

LRESULT TNativeControl::PassOn(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
}

TPaintTarget TNativeControl::PaintTargetOf(HWND AWindow, HDC ADc) const {
  RECT Client{};
  ::GetClientRect(AWindow, &Client);
  return TPaintTarget{ADc, Client, FContext.Dpi(), FontOf(AWindow)};
}

void TNativeControl::Refresh(HWND AWindow) const { ::RedrawWindow(AWindow, nullptr, nullptr, RDW_INVALIDATE); }

std::optional<LRESULT> TNativeControl::PaintWhole(HWND AWindow, UINT AMessage, WPARAM AWParam) {
  switch (AMessage) {
    case WM_PAINT: {
      PAINTSTRUCT PaintInfo{};
      const HDC Dc = ::BeginPaint(AWindow, &PaintInfo);
      if (Dc != nullptr) Paint(AWindow, Dc);
      ::EndPaint(AWindow, &PaintInfo);
      return 0;
    }
    case WM_PRINTCLIENT: Paint(AWindow, reinterpret_cast<HDC>(AWParam)); return 0;
    case WM_ERASEBKGND: return 1;
    default: return std::nullopt;
  }
}

std::optional<LRESULT> TNativeControl::RefreshAfterChange(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case CB_SETCURSEL: {
      const LRESULT Result = PassOn(AWindow, AMessage, AWParam, ALParam);
      Refresh(AWindow);
      return Result;
    }
    default: return std::nullopt;
  }
}

std::optional<LRESULT> TNativeControl::PaintButtonOrStatic(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                                           LPARAM ALParam) {
  if (AMessage == WM_ENABLE) {
    ::InvalidateRect(AWindow, nullptr, FALSE);
    return 0;
  }
  if (const auto Result = PaintWhole(AWindow, AMessage, AWParam)) return Result;
  return RefreshAfterChange(AWindow, AMessage, AWParam, ALParam);
}

LRESULT CALLBACK TNativeControl::SubclassProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam, UINT_PTR,
                                              DWORD_PTR ARefData) {
  auto& Self = *reinterpret_cast<TNativeControl*>(ARefData);
  if (AMessage == WM_NCDESTROY) {
    ::RemoveWindowSubclass(AWindow, &SubclassProc, kSubclassId);
    std::erase(Self.FSubclassed, AWindow);
    return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
  }
  try {
    if (const auto Result = Self.WindowMessage(AWindow, AMessage, AWParam, ALParam)) return *Result;
  } catch (...) {
    // Painting ran out of memory: the window's own handling is the best left to do. (The model's
    // events never get here: the dispatcher reports what they throw.)
  }
  return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace nevra::win32
