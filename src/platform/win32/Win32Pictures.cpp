#include "platform/win32/Win32Pictures.h"

#include <algorithm>

#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Palette.h"
#include "platform/win32/Win32StyleShapes.h"

namespace nevra::win32 {

namespace {

void PaintUpdateIcon(HDC ADc, const RECT& ARect) {
  // The largest square centred in the area; shapes are in its coordinates (0..1 scaled by S).
  const int Width = ARect.right - ARect.left;
  const int Height = ARect.bottom - ARect.top;
  const int Side = std::min(Width, Height);
  const RECT Square{ARect.left + (Width - Side) / 2, ARect.top + (Height - Side) / 2,
                    ARect.left + (Width - Side) / 2 + Side, ARect.top + (Height - Side) / 2 + Side};
  const double S = Side;
  PaintShape(ADc, Square, palette::kAccent, Circle(S / 2, S / 2, S * 0.46));
  const TShape Arrow = Polygon({{S * 0.42, S * 0.20},
                                {S * 0.58, S * 0.20},
                                {S * 0.58, S * 0.48},
                                {S * 0.72, S * 0.48},
                                {S * 0.50, S * 0.72},
                                {S * 0.28, S * 0.48},
                                {S * 0.42, S * 0.48}});
  PaintShape(ADc, Square, palette::kOnAccent, Arrow);
  PaintShape(ADc, Square, palette::kOnAccent, RoundedBox(S * 0.26, S * 0.77, S * 0.74, S * 0.83, S * 0.03));
}

}  // namespace

void PaintPicture(HDC ADc, const RECT& ARect, const std::string& AName, COLORREF ABackground) {
  const TBrushOwner Background(::CreateSolidBrush(ABackground));
  ::FillRect(ADc, &ARect, Background.Get());
  if (AName == "update-icon") PaintUpdateIcon(ADc, ARect);
}

}  // namespace nevra::win32
