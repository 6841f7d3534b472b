#pragma once
#include <cstdint>

namespace nevra {

// Maps a virtual-desktop pixel to the absolute input range 0-65535: the first pixel of the axis
// gives 0, the last (AOrigin + ASize - 1) gives 65535; rounding goes to the nearest integer, ties
// to the even one; points beyond the edges clamp; an axis of one pixel or less gives 0.
int32_t NormalizeToAbsolute(int32_t AValue, int32_t AOrigin, int32_t ASize);

}  // namespace nevra
