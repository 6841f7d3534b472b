#include "platform/win32/style/Win32StyleShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "platform/win32/style/Win32StyleGdi.h"

namespace nevra::win32 {

namespace {

double DistanceToSegment(double AX, double AY, const TPointF& AFrom, const TPointF& ATo) {
  const double Dx = ATo.X - AFrom.X;
  const double Dy = ATo.Y - AFrom.Y;
  const double Length = Dx * Dx + Dy * Dy;
  const double T = Length > 0 ? std::clamp(((AX - AFrom.X) * Dx + (AY - AFrom.Y) * Dy) / Length, 0.0, 1.0) : 0.0;
  return std::hypot(AX - (AFrom.X + T * Dx), AY - (AFrom.Y + T * Dy));
}

// Even-odd rule: a horizontal ray from the point crosses the outline an odd number of times.
bool InsidePolygon(double AX, double AY, const std::vector<TPointF>& ACorners) {
  bool Inside = false;
  for (size_t I = 0, J = ACorners.size() - 1; I < ACorners.size(); J = I++) {
    const TPointF& A = ACorners[I];
    const TPointF& B = ACorners[J];
    if ((A.Y > AY) != (B.Y > AY) && AX < (B.X - A.X) * (AY - A.Y) / (B.Y - A.Y) + A.X) Inside = !Inside;
  }
  return Inside;
}

std::vector<TPointF> Scaled(std::vector<TPointF> APoints, double AFactor) {
  for (TPointF& Point : APoints) Point = TPointF{Point.X * AFactor, Point.Y * AFactor};
  return APoints;
}

uint32_t PremultipliedPixel(COLORREF AColour, double ACoverage) {
  const auto Alpha = static_cast<uint32_t>(std::lround(ACoverage * 255.0));
  const auto Channel = [Alpha](BYTE AValue) { return (static_cast<uint32_t>(AValue) * Alpha + 127) / 255; };
  return (Alpha << 24) | (Channel(GetRValue(AColour)) << 16) | (Channel(GetGValue(AColour)) << 8) |
         Channel(GetBValue(AColour));
}

}  // namespace

void PaintShape(HDC ADc, const RECT& ARect, COLORREF AColour, const TShape& AShape) {
  const int Width = ARect.right - ARect.left;
  const int Height = ARect.bottom - ARect.top;
  if (Width <= 0 || Height <= 0) return;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = Width;
  Info.bmiHeader.biHeight = -Height;  // top-down rows
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  TBitmapOwner Bitmap(::CreateDIBSection(ADc, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
  if (!Bitmap || Bits == nullptr) return;
  auto* Pixels = static_cast<uint32_t*>(Bits);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      const double Coverage = std::clamp(0.5 - AShape(X + 0.5, Y + 0.5), 0.0, 1.0);
      Pixels[static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)] =
          PremultipliedPixel(AColour, Coverage);
    }
  TMemoryDc Source(ADc);
  if (Source.Get() == nullptr) return;
  TSelection Selected(Source.Get(), Bitmap.Get());
  BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::GdiAlphaBlend(ADc, ARect.left, ARect.top, Width, Height, Source.Get(), 0, 0, Width, Height, Blend);
}

TShape RoundedBox(double ALeft, double ATop, double ARight, double ABottom, double ARadius) {
  const double CentreX = (ALeft + ARight) / 2;
  const double CentreY = (ATop + ABottom) / 2;
  const double HalfWidth = (ARight - ALeft) / 2;
  const double HalfHeight = (ABottom - ATop) / 2;
  const double Radius = std::clamp(ARadius, 0.0, std::min(HalfWidth, HalfHeight));
  return [=](double AX, double AY) {
    const double Qx = std::abs(AX - CentreX) - (HalfWidth - Radius);
    const double Qy = std::abs(AY - CentreY) - (HalfHeight - Radius);
    return std::hypot(std::max(Qx, 0.0), std::max(Qy, 0.0)) + std::min(std::max(Qx, Qy), 0.0) - Radius;
  };
}

TShape Circle(double ACentreX, double ACentreY, double ARadius) {
  return [=](double AX, double AY) { return std::hypot(AX - ACentreX, AY - ACentreY) - ARadius; };
}

TShape Polygon(std::vector<TPointF> ACorners) {
  return [Corners = std::move(ACorners)](double AX, double AY) {
    double Distance = 1e9;
    for (size_t I = 0, J = Corners.size() - 1; I < Corners.size(); J = I++)
      Distance = std::min(Distance, DistanceToSegment(AX, AY, Corners[J], Corners[I]));
    return InsidePolygon(AX, AY, Corners) ? -Distance : Distance;
  };
}

TShape Stroke(std::vector<TPointF> APoints, double AWidth) {
  return [Points = std::move(APoints), AWidth](double AX, double AY) {
    double Distance = 1e9;
    for (size_t I = 1; I < Points.size(); ++I)
      Distance = std::min(Distance, DistanceToSegment(AX, AY, Points[I - 1], Points[I]));
    return Distance - AWidth / 2;
  };
}

TShape Outline(TShape AShape, double AWidth) {
  return [Shape = std::move(AShape), AWidth](double AX, double AY) {
    const double Distance = Shape(AX, AY);
    return std::max(Distance, -(Distance + AWidth));
  };
}

TShape GlyphShape(TGlyph AGlyph, double ASize) {
  // Line marks stay at least 1.5 pixels wide so they never fade out at small sizes.
  const double Line = std::max(1.5, ASize * 0.14);
  switch (AGlyph) {
    case TGlyph::glPlay: return Polygon(Scaled({{0.22, 0.1}, {0.22, 0.9}, {0.9, 0.5}}, ASize));
    case TGlyph::glStop: return RoundedBox(0.14 * ASize, 0.14 * ASize, 0.86 * ASize, 0.86 * ASize, 0.12 * ASize);
    case TGlyph::glCrosshair: {
      // A ring with four ticks that point at its centre, which stays open to show the point.
      const TShape Ring = Outline(RoundedBox(0.2 * ASize, 0.2 * ASize, 0.8 * ASize, 0.8 * ASize, 0.3 * ASize), Line);
      const TShape Ticks[] = {Stroke(Scaled({{0.5, 0.0}, {0.5, 0.38}}, ASize), Line),
                              Stroke(Scaled({{0.5, 0.62}, {0.5, 1.0}}, ASize), Line),
                              Stroke(Scaled({{0.0, 0.5}, {0.38, 0.5}}, ASize), Line),
                              Stroke(Scaled({{0.62, 0.5}, {1.0, 0.5}}, ASize), Line)};
      return [Ring, Ticks](double AX, double AY) {
        double Distance = Ring(AX, AY);
        for (const TShape& Tick : Ticks) Distance = std::min(Distance, Tick(AX, AY));
        return Distance;
      };
    }
    case TGlyph::glCheckMark:
      return Stroke(Scaled({{0.2, 0.52}, {0.42, 0.74}, {0.8, 0.28}}, ASize), std::max(1.5, ASize * 0.16));
    case TGlyph::glArrowUp: return Polygon(Scaled({{0.12, 0.72}, {0.88, 0.72}, {0.5, 0.28}}, ASize));
    case TGlyph::glArrowDown: return Polygon(Scaled({{0.12, 0.28}, {0.88, 0.28}, {0.5, 0.72}}, ASize));
    case TGlyph::glChevronDown: return Stroke(Scaled({{0.25, 0.38}, {0.5, 0.63}, {0.75, 0.38}}, ASize), Line);
  }
  return [](double, double) { return 1.0; };
}

RECT CentredSquare(const RECT& ARect) {
  const int Width = ARect.right - ARect.left;
  const int Height = ARect.bottom - ARect.top;
  const int Side = std::min(Width, Height);
  const int Left = ARect.left + (Width - Side) / 2;
  const int Top = ARect.top + (Height - Side) / 2;
  return RECT{Left, Top, Left + Side, Top + Side};
}

bool KeepsItsDirection(TGlyph AGlyph) { return AGlyph == TGlyph::glPlay; }

void PaintGlyph(HDC ADc, const RECT& ARect, TGlyph AGlyph, COLORREF AColour) {
  const RECT Square = CentredSquare(ARect);
  const int Size = Square.right - Square.left;
  if (Size <= 0) return;
  TShape Shape = GlyphShape(AGlyph, Size);
  // A mirrored device context (a control of a right-to-left window) mirrors what is blended into
  // it. A play symbol points forward in every language, so its shape is mirrored beforehand and
  // comes out as drawn.
  if (KeepsItsDirection(AGlyph) && (::GetLayout(ADc) & LAYOUT_RTL) != 0)
    Shape = [Shape = std::move(Shape), Size](double AX, double AY) { return Shape(Size - AX, AY); };
  PaintShape(ADc, Square, AColour, Shape);
}

}  // namespace nevra::win32
