#pragma once
#include <cstdint>
#include <random>

namespace nevra {

class IRandom {
 public:
  virtual ~IRandom() = default;
  // A uniformly drawn integer in 0 .. ABound - 1 (ABound > 0).
  virtual uint32_t Next(uint32_t ABound) = 0;
};

// The process-wide generator: seeded once, when it is made.
class TSeededRandom final : public IRandom {
 public:
  TSeededRandom() : FEngine(std::random_device{}()) {}
  uint32_t Next(uint32_t ABound) override { return std::uniform_int_distribution<uint32_t>(0, ABound - 1)(FEngine); }

 private:
  std::mt19937 FEngine;
};

}  // namespace nevra
