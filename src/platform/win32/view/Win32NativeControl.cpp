#include "platform/win32/view/Win32NativeControl.h"

#include <utility>

#include "platform/controls/ControlIds.h"
#include "platform/controls/FormGeometry.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/view/Win32Fonts.h"

namespace nevra::win32 {

namespace {
void SetShownAndEnabled(HWND AWindow, bool AShown, bool AEnabled) {
  if (AWindow == nullptr) return;
  // Only what changes: each call is a round trip to the window system.
  const LONG_PTR Style = ::GetWindowLongPtrW(AWindow, GWL_STYLE);
  if (((Style & WS_DISABLED) == 0) != AEnabled) ::EnableWindow(AWindow, AEnabled ? TRUE : FALSE);
  if (((Style & WS_VISIBLE) != 0) != AShown) ::ShowWindow(AWindow, AShown ? SW_SHOWNA : SW_HIDE);
}
}  // namespace

TNativeContext::TNativeContext(TForm& AForm, HWND AWindow, TEventDispatcher& ADispatcher, UINT ADpi,
                               const TWin32Style* AStyle)
    : FForm(&AForm), FWindow(AWindow), FDispatcher(ADispatcher), FDpi(ADpi), FTooltips(AWindow) {
  if (AStyle != nullptr) FSkins = std::make_unique<TWin32StyledControls>(*AStyle, FDpi);
  FFont = CreateUiFont(FDpi);
  FUnderlinedFont = CreateUiFont(FDpi, true);
}

std::pair<TFontOwner, TFontOwner> TNativeContext::SetDpi(UINT ADpi) {
  FDpi = ADpi;
  TFontOwner Font = CreateUiFont(FDpi);
  TFontOwner Underlined = CreateUiFont(FDpi, true);
  std::swap(FFont, Font);
  std::swap(FUnderlinedFont, Underlined);
  if (FSkins) FSkins->SetDpi(FDpi);
  return {std::move(Font), std::move(Underlined)};
}

void TNativeContext::MoveFocusAwayFrom(HWND AWindow) const {
  if (::GetFocus() != AWindow) return;
  const HWND Next = ::GetNextDlgTabItem(FWindow, AWindow, FALSE);
  ::SetFocus(Next != nullptr && Next != AWindow ? Next : FWindow);
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

void TNativeControl::AttachSkin(TSkin ASkin, COLORREF ATextColour, TButtonImage AImage, HWND APartner) const {
  if (FContext.Skins() == nullptr || FWindow == nullptr) return;
  FContext.Skins()->Attach(FWindow, TSkinnedControl{ASkin, Surface(), ATextColour, AImage, APartner});
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
      // A control that shows no text (a button with only an image) is named by its hint.
      if (FModel.Caption().empty()) FContext.AccessibleNames().SetName(FWindow, FModel.Hint());
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

}  // namespace nevra::win32
