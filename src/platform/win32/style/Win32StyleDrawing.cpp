#include "platform/win32/style/Win32StyleDrawing.h"

#include <algorithm>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/style/Win32StyleShapes.h"

namespace nevra::win32 {

int LineWidth(UINT ADpi) { return std::max(1, ScaleForDpi(1, ADpi)); }

void Frame(HDC ADc, const RECT& ARect, int AWidth, COLORREF AColour, TOpenSide AOpen) {
  Fill(ADc, RECT{ARect.left, ARect.top, ARect.right, ARect.top + AWidth}, AColour);
  Fill(ADc, RECT{ARect.left, ARect.bottom - AWidth, ARect.right, ARect.bottom}, AColour);
  if (AOpen != TOpenSide::osLeft) Fill(ADc, RECT{ARect.left, ARect.top, ARect.left + AWidth, ARect.bottom}, AColour);
  if (AOpen != TOpenSide::osRight) Fill(ADc, RECT{ARect.right - AWidth, ARect.top, ARect.right, ARect.bottom}, AColour);
}

void RoundedPanel(HDC ADc, const RECT& ARect, double ARadius, COLORREF AFace, int AFrameWidth, COLORREF AFrameColour) {
  const TShape Box = RoundedBox(0, 0, RectWidth(ARect), RectHeight(ARect), ARadius);
  PaintShape(ADc, ARect, AFace, Box);
  if (AFrameWidth > 0) PaintShape(ADc, ARect, AFrameColour, Outline(Box, AFrameWidth));
}

void PaintText(HDC ADc, HFONT AFont, const std::wstring& AText, RECT ARect, COLORREF AColour, UINT AFlags) {
  TSelection Font(ADc, AFont);
  ::SetBkMode(ADc, TRANSPARENT);
  ::SetTextColor(ADc, AColour);
  ::DrawTextW(ADc, AText.c_str(), static_cast<int>(AText.size()), &ARect, AFlags);
}

SIZE TextSize(HDC ADc, HFONT AFont, const std::wstring& AText, UINT AFlags, int AMaxWidth) {
  TSelection Font(ADc, AFont);
  RECT Bounds{0, 0, std::max(AMaxWidth, 1), 0};
  ::DrawTextW(ADc, AText.c_str(), static_cast<int>(AText.size()), &Bounds, AFlags | DT_CALCRECT);
  return SIZE{std::min(RectWidth(Bounds), AMaxWidth), RectHeight(Bounds)};
}

void FocusFrame(HDC ADc, RECT ARect, const RECT& AClip, UINT ADpi) {
  ::InflateRect(&ARect, ScaleForDpi(3, ADpi), 0);
  ARect.left = std::max(ARect.left, AClip.left);
  ARect.right = std::min(ARect.right, AClip.right);
  PaintShape(ADc, ARect, palette::kAccent,
             Outline(RoundedBox(0, 0, RectWidth(ARect), RectHeight(ARect), ScaleForDpi(2, ADpi)), LineWidth(ADpi)));
}

COLORREF FrameColour(const TInteraction& AState) {
  if (!AState.Enabled) return palette::kFrameDisabled;
  if (AState.Focused) return palette::kAccent;
  return AState.Hot ? palette::kFrameHot : palette::kFrame;
}

COLORREF TextColour(bool AEnabled) { return AEnabled ? palette::kText : palette::kTextDisabled; }

COLORREF FieldColour(bool AEnabled) { return AEnabled ? palette::kField : palette::kFieldDisabled; }

}  // namespace nevra::win32
