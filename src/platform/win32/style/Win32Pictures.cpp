#include "platform/win32/style/Win32Pictures.h"

#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/style/Win32StyleShapes.h"

namespace nevra::win32 {

namespace {

void PaintUpdateIcon(HDC ADc, const RECT& ARect) {
  // Shapes are in the square's coordinates (0..1 scaled by S).
  const RECT Square = CentredSquare(ARect);
  const double S = Square.right - Square.left;
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
  Fill(ADc, ARect, ABackground);
  if (AName == "update-icon") PaintUpdateIcon(ADc, ARect);
}

}  // namespace nevra::win32
