#pragma once
#include <cstdint>

namespace nevra {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Edges as Windows keeps them: Right and Bottom lie just outside the rectangle.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// A rectangle as a form's design gives it: left, top, width, height.
constexpr TRect XYWH(int32_t AX, int32_t AY, int32_t AW, int32_t AH) { return TRect{AX, AY, AX + AW, AY + AH}; }

}  // namespace nevra
