#pragma once
#include <windows.h>

#include <functional>
#include <vector>

namespace nevra::win32 {

// Vector shapes painted at the pixel size they are given, anti-aliased, so the style's frames,
// marks and button images are as sharp at 200 % as at 100 % without any bitmap to scale.

struct TPointF {
  double X;
  double Y;
};

// A shape as the signed distance (pixels) from a point to its edge, negative inside; points are
// relative to the top-left corner of the area the shape is painted in.
using TShape = std::function<double(double AX, double AY)>;

// Blends AShape in AColour onto ADc over ARect; each pixel is covered by how far its centre lies
// inside the edge (a one-pixel ramp), which smooths slopes and curves.
void PaintShape(HDC ADc, const RECT& ARect, COLORREF AColour, const TShape& AShape);

TShape RoundedBox(double ALeft, double ATop, double ARight, double ABottom, double ARadius);
TShape Circle(double ACentreX, double ACentreY, double ARadius);
// A closed polygon.
TShape Polygon(std::vector<TPointF> ACorners);
// A line through APoints, AWidth thick, with round ends and joints.
TShape Stroke(std::vector<TPointF> APoints, double AWidth);
// The band AWidth wide just inside AShape's edge (a frame, a ring).
TShape Outline(TShape AShape, double AWidth);

// The marks and images of the style, each fitted into a square of ASize pixels.
enum class TGlyph { glPlay, glStop, glCrosshair, glCheckMark, glArrowUp, glArrowDown, glChevronDown };
TShape GlyphShape(TGlyph AGlyph, double ASize);

// The largest square centred in ARect, where a picture keeps its proportions.
RECT CentredSquare(const RECT& ARect);

// Whether AGlyph shows the same way round in a right-to-left window: the play symbol does (it
// means "forward in time", which media players show pointing right in every language); the
// others are symmetric (stop, crosshair, the arrows up and down) or are mirrored with the window
// as the rest of its painting is (the check mark).
bool KeepsItsDirection(TGlyph AGlyph);

// AGlyph in the largest square centred in ARect (mirrored with ADc's layout unless it keeps its
// direction).
void PaintGlyph(HDC ADc, const RECT& ARect, TGlyph AGlyph, COLORREF AColour);

}  // namespace nevra::win32
