#include "run/RandomDraws.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace nevra {

namespace {

// Any whole number from -ASpread to +ASpread, each with the same chance.
int64_t DrawWithin(uint32_t ASpread, TRunRandom& ARandom) {
  return static_cast<int64_t>(ARandom.Below(uint64_t{ASpread} * 2 + 1)) - int64_t{ASpread};
}

uint32_t ClampToRange(int64_t AValue, int64_t ALowest) {
  return static_cast<uint32_t>(std::clamp<int64_t>(AValue, ALowest, std::numeric_limits<uint32_t>::max()));
}

}  // namespace

uint32_t DrawInterval(const TClickTask& ATask, TRunRandom& ARandom) {
  const int64_t Base = std::max<uint32_t>(ATask.IntervalMs, 1);
  int64_t Shift = 0;
  switch (ATask.JitterShape) {
    case TJitterShape::jsUniform: Shift = DrawWithin(ATask.JitterMs, ARandom); break;
    case TJitterShape::jsNormal: {
      // Clamped rather than drawn again, so a draw costs the same every time; about one interval
      // in 22 lands on the edge.
      const double Jitter = ATask.JitterMs;
      const double Drawn = std::clamp(ARandom.Normal() * Jitter, -2.0 * Jitter, 2.0 * Jitter);
      Shift = std::llround(Drawn);
      break;
    }
    case TJitterShape::jsThreeValues:
    default:
      // -1, 0 or +1 with equal chances: the jitter takes exactly the values -J, 0 and +J. A
      // shape this program does not know counts as this one, what every settings file meant.
      Shift = (static_cast<int64_t>(ARandom.Next(3)) - 1) * int64_t{ATask.JitterMs};
      break;
  }
  return ClampToRange(Base + Shift, 1);
}

TPoint DrawOffsetInDisc(uint32_t ARadiusPx, TRunRandom& ARandom) {
  const uint32_t Radius = std::min(ARadiusPx, kMaxClickRadiusPx);
  const int64_t RadiusSquared = int64_t{Radius} * Radius;
  // A point of the square around the disc, drawn again while it lies outside: every whole-pixel
  // point of the disc, the rim's too, has the same chance, with no rounding to push one out of
  // it. About one draw in five misses, so the loop ends at once in practice.
  for (;;) {
    const int64_t X = DrawWithin(Radius, ARandom);
    const int64_t Y = DrawWithin(Radius, ARandom);
    if (X * X + Y * Y <= RadiusSquared) return TPoint{static_cast<int32_t>(X), static_cast<int32_t>(Y)};
  }
}

uint32_t DrawHoldMs(const TClickTask& ATask, TRunRandom& ARandom) {
  if (ATask.HoldJitterMs == 0) return ATask.HoldMs;
  return ClampToRange(int64_t{ATask.HoldMs} + DrawWithin(ATask.HoldJitterMs, ARandom), 0);
}

}  // namespace nevra
