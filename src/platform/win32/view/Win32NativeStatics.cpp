#include "platform/win32/view/Win32NativeStatics.h"

#include <algorithm>
#include <string>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32Pictures.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/style/Win32StyleShapes.h"
#include "platform/win32/view/Win32Fonts.h"

namespace nevra::win32 {

namespace {

struct TGroupBoxLook {
  bool Enabled = true;
  COLORREF Surface;
  std::wstring Text;
};

void PaintGroupBox(const TPaintTarget& ATarget, const TGroupBoxLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const UINT Dpi = ATarget.Dpi;
  Fill(Dc, Area, ALook.Surface);
  const int CaptionHeight = FontLineHeight(Dc, ATarget.Font);
  const RECT FrameRect{Area.left, Area.top + CaptionHeight / 2, Area.right, Area.bottom};
  PaintShape(
      Dc, FrameRect, ALook.Enabled ? palette::kGroupFrame : palette::kFrameDisabled,
      Outline(RoundedBox(0, 0, RectWidth(FrameRect), RectHeight(FrameRect), ScaleForDpi(5, Dpi)), LineWidth(Dpi)));
  if (ALook.Text.empty()) {
    Buffer.Present();
    return;
  }
  // The caption interrupts the top line, with a little room either side.
  const UINT TextFlags = DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS;
  const int Left = Area.left + ScaleForDpi(10, Dpi);
  const int Room = ScaleForDpi(4, Dpi);
  const SIZE Caption = TextSize(Dc, ATarget.Font, ALook.Text, TextFlags,
                                std::max(1, RectWidth(Area) - 2 * static_cast<int>(Left - Area.left)));
  Fill(Dc, RECT{Left - Room, Area.top, Left + Caption.cx + Room, Area.top + CaptionHeight}, ALook.Surface);
  PaintText(Dc, ATarget.Font, ALook.Text, RECT{Left, Area.top, Left + Caption.cx, Area.top + CaptionHeight},
            ALook.Enabled ? palette::kAccent : palette::kTextDisabled, TextFlags);
  Buffer.Present();
}

void PaintBevel(const TPaintTarget& ATarget, COLORREF ASurface) {
  Fill(ATarget.Dc, ATarget.Rect, ASurface);
  const RECT& Rect = ATarget.Rect;
  Fill(ATarget.Dc, RECT{Rect.left, Rect.top, Rect.right, Rect.top + LineWidth(ATarget.Dpi)}, palette::kGroupFrame);
}

}  // namespace

// Group box --------------------------------------------------------------------------------

void TNativeGroupBox::Create(bool AStartsGroup) { CreateWindowOf(WC_BUTTONW, BS_GROUPBOX, 0, AStartsGroup); }

void TNativeGroupBox::ApplyFont() {
  if (Style() != nullptr) FCaptionFont = CreateUiFont(Context().Dpi(), false, FW_SEMIBOLD);
  TNativeControl::ApplyFont();
}

std::optional<LRESULT> TNativeGroupBox::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return PaintButtonOrStatic(AWindow, AMessage, AWParam, ALParam);
}

void TNativeGroupBox::Paint(HWND AWindow, HDC ADc) {
  TPaintTarget Target = PaintTargetOf(AWindow, ADc);
  if (FCaptionFont) Target.Font = FCaptionFont.Get();
  PaintGroupBox(Target, TGroupBoxLook{IsEnabled(AWindow), Surface(), WindowTextWide(AWindow)});
}

// Panel ------------------------------------------------------------------------------------

void TNativePanel::Create(bool AStartsGroup) { CreateWindowOf(WC_STATICW, SS_LEFT | SS_NOPREFIX, 0, AStartsGroup); }

std::optional<LRESULT> TNativePanel::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return RefreshAfterChange(AWindow, AMessage, AWParam, ALParam);
}

// Bevel ------------------------------------------------------------------------------------

void TNativeBevel::Create(bool AStartsGroup) { CreateWindowOf(WC_STATICW, SS_ETCHEDHORZ, 0, AStartsGroup); }

std::optional<LRESULT> TNativeBevel::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_NCPAINT) {
    // An etched line may be drawn as the window's border rather than in its client area: the
    // whole window is painted here.
    const TWindowDc Dc(AWindow, true);
    if (Dc) {
      RECT Window{};
      ::GetWindowRect(AWindow, &Window);
      ::OffsetRect(&Window, -Window.left, -Window.top);
      PaintBevel(TPaintTarget{Dc.Get(), Window, Context().Dpi(), nullptr}, Surface());
    }
    return 0;
  }
  return PaintButtonOrStatic(AWindow, AMessage, AWParam, ALParam);
}

void TNativeBevel::Paint(HWND AWindow, HDC ADc) { PaintBevel(PaintTargetOf(AWindow, ADc), Surface()); }

// Image ------------------------------------------------------------------------------------

void TNativeImage::Create(bool AStartsGroup) { CreateWindowOf(WC_STATICW, SS_OWNERDRAW, 0, AStartsGroup); }

bool TNativeImage::DrawItem(const DRAWITEMSTRUCT& AItem) {
  const COLORREF Background = Style() != nullptr ? Surface() : ::GetSysColor(COLOR_BTNFACE);
  PaintPicture(AItem.hDC, AItem.rcItem, FImage.Picture(), Background);
  return true;
}

}  // namespace nevra::win32
