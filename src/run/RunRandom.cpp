#include "run/RunRandom.h"

#include <cmath>
#include <numbers>

namespace nevra {

uint64_t TRunRandom::Below(uint64_t ABound) {
  if (ABound == 0) return 0;
  // Drawn values below Skip are drawn again: what is left is a whole number of runs of ABound
  // values, so taking the remainder favours none (a plain remainder would favour the low ones).
  if (ABound <= uint64_t{1} << 32) {
    const uint64_t Skip = ((uint64_t{1} << 32) - ABound) % ABound;
    uint64_t Drawn = 0;
    do Drawn = FEngine();
    while (Drawn < Skip);
    return Drawn % ABound;
  }
  const uint64_t Skip = (0 - ABound) % ABound;  // 2^64 mod ABound
  uint64_t Drawn = 0;
  do {
    // Two statements: the order of the halves is then fixed, whatever the compiler.
    const uint64_t High = FEngine();
    Drawn = (High << 32) | FEngine();
  } while (Drawn < Skip);
  return Drawn % ABound;
}

double TRunRandom::Uniform() {
  const uint64_t High = FEngine() >> 5;  // 27 bits
  const uint64_t Low = FEngine() >> 6;   // 26 bits
  return static_cast<double>((High << 26) | Low) * 0x1p-53;
}

double TRunRandom::Normal() {
  // 1 - Uniform() lies in (0, 1]: the logarithm never meets 0.
  const double Radius = std::sqrt(-2.0 * std::log(1.0 - Uniform()));
  return Radius * std::cos(2.0 * std::numbers::pi * Uniform());
}

}  // namespace nevra
