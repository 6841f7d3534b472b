#pragma once
#include <cstdint>
#include <random>

#include "platform/Random.h"

namespace nevra {

// The random source of one run: a Mersenne Twister seeded when the run starts, from a seed the
// platform's IRandom draws (the tests script it), so a seed gives the same run. Every draw is
// worked out here from the generator's raw 32-bit output rather than through <random>'s
// distributions, whose results the standard leaves to each library: the same seed gives the same
// draws in the native tests (libstdc++) and in the Windows program, whatever library builds it.
class TRunRandom final : public IRandom {
 public:
  explicit TRunRandom(uint32_t ASeed = 0) : FEngine(ASeed) {}
  void Seed(uint32_t ASeed) { FEngine.seed(ASeed); }
  // A uniformly drawn integer in 0 .. ABound - 1 (ABound > 0).
  uint32_t Next(uint32_t ABound) override { return static_cast<uint32_t>(Below(ABound)); }
  // The same for any bound up to 2^64 - 1; 0 for a bound of 0.
  uint64_t Below(uint64_t ABound);
  // Uniform in [0, 1), on 53 bits (every double of the range the generator can reach is a
  // multiple of 2^-53).
  double Uniform();
  // Normally distributed, mean 0 and standard deviation 1 (Box-Muller).
  double Normal();

 private:
  std::mt19937 FEngine;
};

}  // namespace nevra
