#include "engine/MouseNormalize.h"

#include <cmath>

namespace nevra {

int32_t NormalizeToAbsolute(int32_t AValue, int32_t AOrigin, int32_t ASize) {
  if (ASize <= 1) return 0;
  // The difference wraps like the 32-bit arithmetic it has always been done in.
  const int32_t D = static_cast<int32_t>(static_cast<uint32_t>(AValue) - static_cast<uint32_t>(AOrigin));
  const double R = static_cast<double>(D) * 65535.0 / static_cast<double>(static_cast<int64_t>(ASize) - 1);
  const double Rounded = std::nearbyint(R);  // the default rounding mode: ties to even
  if (Rounded < 0.0) return 0;
  if (Rounded > 65535.0) return 65535;
  return static_cast<int32_t>(Rounded);
}

}  // namespace nevra
