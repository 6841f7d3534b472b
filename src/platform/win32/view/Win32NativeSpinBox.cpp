#include "platform/win32/view/Win32NativeSpinBox.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "platform/controls/AccessibleName.h"
#include "platform/controls/ControlIds.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/style/Win32StyleShapes.h"

namespace nevra::win32 {

namespace {

// The up-down arrows' width at 96 DPI (a scroll bar's).
constexpr int kUpDownWidth = 17;

struct TSpinArrowsLook {
  bool Enabled = true;
  bool BuddyFocused = false;
  TSpinArrow Hot = TSpinArrow::saNone;
  TSpinArrow Pressed = TSpinArrow::saNone;
  int FrameWidth = 2;  // the width of the edit box's border, which the arrows continue
};

void PaintSpinArrows(const TPaintTarget& ATarget, const TSpinArrowsLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const UINT Dpi = ATarget.Dpi;
  const bool Focused = ALook.Enabled && ALook.BuddyFocused;
  // The arrows close the edit box's frame on the right: the same band, the same colours.
  const int Band = std::max(1, ALook.FrameWidth);
  Fill(Dc, Area, Focused ? palette::kAccent : FieldColour(ALook.Enabled));
  Frame(Dc, Area, 1, FrameColour(TInteraction{ALook.Enabled, false, false, Focused}), TOpenSide::osLeft);
  const RECT Inside{Area.left + Band, Area.top + Band, Area.right - Band, Area.bottom - Band};
  Fill(Dc, Inside, FieldColour(ALook.Enabled));

  const int Gap = LineWidth(Dpi);
  const int Middle = Inside.top + RectHeight(Inside) / 2;
  const RECT Halves[2] = {RECT{Inside.left + Gap, Inside.top + Gap, Inside.right - Gap, Middle},
                          RECT{Inside.left + Gap, Middle + Gap, Inside.right - Gap, Inside.bottom - Gap}};
  const TSpinArrow Arrows[2] = {TSpinArrow::saUp, TSpinArrow::saDown};
  for (int Index = 0; Index < 2; ++Index) {
    const RECT& Half = Halves[Index];
    if (RectWidth(Half) <= 0 || RectHeight(Half) <= 0) continue;
    COLORREF Face = ALook.Enabled ? palette::kButtonFace : palette::kFieldDisabled;
    if (ALook.Enabled && ALook.Pressed == Arrows[Index])
      Face = palette::kAccentPressed;
    else if (ALook.Enabled && ALook.Hot == Arrows[Index])
      Face = palette::kButtonFaceHot;
    RoundedPanel(Dc, Half, ScaleForDpi(2, Dpi), Face, 0, Face);
    PaintGlyph(Dc, Half, Index == 0 ? TGlyph::glArrowUp : TGlyph::glArrowDown, TextColour(ALook.Enabled));
  }
  Buffer.Present();
}

TSpinArrow ArrowAt(HWND AUpDown, LPARAM APoint) {
  RECT Client{};
  ::GetClientRect(AUpDown, &Client);
  return GET_Y_LPARAM(APoint) < (Client.bottom - Client.top) / 2 ? TSpinArrow::saUp : TSpinArrow::saDown;
}

}  // namespace

void TNativeSpinBox::Create(bool AStartsGroup) {
  // Digits only, unless the box takes negative numbers: ES_NUMBER would refuse the minus sign,
  // and the model reads what cannot be a number as it always does.
  const DWORD DigitsOnly = FSpinBox.MinValue() >= 0 ? ES_NUMBER : 0;
  CreateWindowOf(WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | DigitsOnly | WS_TABSTOP, WS_EX_CLIENTEDGE, AStartsGroup);
  if (Window() == nullptr) return;
  // No UDS_SETBUDDYINT: the arrows never write the edit box themselves, they ask the model.
  FUpDown = CreateChildWindow(
      UPDOWN_CLASSW, WS_CHILD | WS_CLIPSIBLINGS | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_HOTTRACK | UDS_NOTHOUSANDS,
      ControlIdAt(Index()) + kUpDownIdOffset);
  ::SendMessageW(FUpDown, UDM_SETRANGE32, static_cast<WPARAM>(FSpinBox.MinValue()),
                 static_cast<LPARAM>(FSpinBox.MaxValue()));
}

void TNativeSpinBox::ApplyStyle() {
  if (Style() == nullptr || Window() == nullptr) return;
  FFrame = TFieldFrame(true, FUpDown != nullptr);
  Dress(Window());
  Dress(FUpDown);
}

void TNativeSpinBox::Layout() {
  if (Window() == nullptr) return;
  const RECT Rect = ScaledBounds();
  MoveTo(Window(), Rect);
  if (FUpDown == nullptr) return;
  // The buddy link makes the arrows part of the box: they take over its border on their side.
  // The link gives them a fixed width and, in a mirrored window, an odd place; so the arrows get
  // their width for this DPI at the box's far end, overlapping its border as the link would.
  ::SendMessageW(FUpDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Window()), 0);
  const int Overlap = std::max(0, SideBorderWidth(Window()));
  const int ArrowsWidth = std::min<int>(ScaleForDpi(kUpDownWidth, Context().Dpi()), (Rect.right - Rect.left) / 2);
  MoveTo(Window(), RECT{Rect.left, Rect.top, Rect.right - ArrowsWidth + Overlap, Rect.bottom});
  MoveTo(FUpDown, RECT{Rect.right - ArrowsWidth, Rect.top, Rect.right, Rect.bottom});
}

void TNativeSpinBox::Sync(TControlProperty AProperty) {
  if (Window() == nullptr) return;
  // A spin box shows its number, not a caption.
  if (AProperty == TControlProperty::cpCaption) return;
  if (AProperty == TControlProperty::cpText)
    ShowText();
  else
    TNativeControl::Sync(AProperty);
}

void TNativeSpinBox::ShowText() {
  // The user's own typing comes back here through the model: leave the box (and its caret) alone.
  if (WindowTextUtf8(Window()) != FSpinBox.Text()) {
    const TNativeContext::TMirroring Mirroring(Context());
    SetWindowTextUtf8(Window(), FSpinBox.Text());
  }
  if (FUpDown != nullptr) ::SendMessageW(FUpDown, UDM_SETPOS32, 0, static_cast<LPARAM>(FSpinBox.Value()));
}

bool TNativeSpinBox::HandleCommand(UINT ACode) {
  if (!Context().TakesInput()) return false;
  TSpinBox& SpinBox = FSpinBox;
  if (ACode == EN_KILLFOCUS) {
    Context().Run([&SpinBox] { SpinBox.Leave(); });
    return true;
  }
  if (ACode != EN_CHANGE) return false;
  const std::string Text = WindowTextUtf8(Window());
  Context().Run([&SpinBox, &Text] { SpinBox.SetText(Text); });
  return true;
}

bool TNativeSpinBox::HandleNotify(const NMHDR& AHeader, LRESULT& AResult) {
  if (Context().Form() == nullptr || AHeader.code != UDN_DELTAPOS || AHeader.hwndFrom != FUpDown) return false;
  const auto& Change = reinterpret_cast<const NMUPDOWN&>(AHeader);
  const int Step = Change.iDelta > 0 ? 1 : -1;
  TSpinBox& SpinBox = FSpinBox;
  Context().Run([&SpinBox, Step] { SpinBox.SetValue(static_cast<int64_t>(SpinBox.Value()) + Step); });
  // Non-zero keeps the arrows from moving their own position; the model's value set it already.
  AResult = 1;
  return true;
}

void TNativeSpinBox::UpdateAccessibleName(const std::vector<TControl*>& AControls) {
  if (Window() != nullptr) Context().AccessibleNames().SetName(Window(), FieldAccessibleName(AControls, Index()));
}

// The look ---------------------------------------------------------------------------------

std::optional<HBRUSH> TNativeSpinBox::Colours(UINT AMessage, HDC ADc, HWND AWindow) {
  // A disabled edit box asks as a static does: a disabled field's colours.
  if (Style() != nullptr && AMessage == WM_CTLCOLORSTATIC && AWindow == Window())
    return StyleColours(ADc, palette::kTextDisabled, palette::kFieldDisabled);
  return TNativeControl::Colours(AMessage, ADc, AWindow);
}

std::optional<LRESULT> TNativeSpinBox::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AWindow == FUpDown) {
    if (const auto Result = ArrowsMessage(AMessage, AWParam, ALParam)) return Result;
  } else if (const auto Result = FFrame.WindowMessage(AWindow, AMessage, AWParam, ALParam)) {
    return Result;
  }
  return RefreshAfterChange(AWindow, AMessage, AWParam, ALParam);
}

std::optional<LRESULT> TNativeSpinBox::ArrowsMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_MOUSEMOVE:
      if (FMouse.Move(FUpDown, ArrowAt(FUpDown, ALParam))) ::InvalidateRect(FUpDown, nullptr, FALSE);
      return std::nullopt;
    case WM_MOUSELEAVE:
      if (FMouse.Leave()) ::InvalidateRect(FUpDown, nullptr, FALSE);
      return std::nullopt;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (IsEnabled(FUpDown)) {
        FPressedArrow = ArrowAt(FUpDown, ALParam);
        ::InvalidateRect(FUpDown, nullptr, FALSE);
      }
      return std::nullopt;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (FPressedArrow != TSpinArrow::saNone) {
        FPressedArrow = TSpinArrow::saNone;
        ::InvalidateRect(FUpDown, nullptr, FALSE);
      }
      return std::nullopt;
    default: return PaintWhole(FUpDown, AMessage, AWParam);
  }
}

void TNativeSpinBox::Paint(HWND AWindow, HDC ADc) {
  // The arrows continue their edit box's border, at its width.
  PaintSpinArrows(PaintTargetOf(AWindow, ADc),
                  TSpinArrowsLook{IsEnabled(AWindow), ::GetFocus() == Window(), FMouse.Part(), FPressedArrow,
                                  SideBorderWidth(Window())});
}

void TNativeSpinBox::Refresh(HWND AWindow) const {
  if (AWindow == Window()) {
    TFieldFrame::Refresh(AWindow);
    if (FUpDown != nullptr) ::InvalidateRect(FUpDown, nullptr, FALSE);
  } else {
    TNativeControl::Refresh(AWindow);
    ::InvalidateRect(Window(), nullptr, FALSE);
  }
}

}  // namespace nevra::win32
