#pragma once
#include <cstdint>
#include <vector>

#include "run/RunRandom.h"

namespace nevra::test {

// A run draws one seed from the platform and makes its draws from its own generator. A test that
// wants particular jitter draws (0, 1, 2: the base less the jitter, the base, the base plus it)
// scripts the first seed whose generator draws them first.
inline uint32_t SeedDrawingThreeValues(const std::vector<uint32_t>& ADraws) {
  for (uint32_t Seed = 0;; ++Seed) {
    TRunRandom Random(Seed);
    bool Matches = true;
    for (uint32_t Draw : ADraws) Matches = Matches && Random.Next(3) == Draw;
    if (Matches) return Seed;
  }
}

}  // namespace nevra::test
