// The random parts of a click run: the intervals in each jitter shape, where a click lands in its
// disc and how long a Hold click holds, over many draws; and the generator behind them, whose
// draws a seed fixes on every standard library.
#include "run/RandomDraws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace nevra {
namespace {

constexpr int kDraws = 20000;

struct TSummary {
  int64_t Min = 0;
  int64_t Max = 0;
  double Mean = 0;
  double Spread = 0;  // the standard deviation
  std::set<int64_t> Values;
};

TSummary Summarise(const std::vector<int64_t>& AValues) {
  TSummary Out;
  Out.Min = *std::min_element(AValues.begin(), AValues.end());
  Out.Max = *std::max_element(AValues.begin(), AValues.end());
  double Sum = 0;
  for (int64_t Value : AValues) Sum += static_cast<double>(Value);
  Out.Mean = Sum / static_cast<double>(AValues.size());
  double Squares = 0;
  for (int64_t Value : AValues) Squares += std::pow(static_cast<double>(Value) - Out.Mean, 2);
  Out.Spread = std::sqrt(Squares / static_cast<double>(AValues.size()));
  Out.Values.insert(AValues.begin(), AValues.end());
  return Out;
}

TEST(RandomDraws, EachJitterShapeGivesItsRangeMeanAndSpread) {
  // A normal draw clamped at twice its deviation keeps sqrt(0.9206) of it: the tails beyond
  // are pulled in to the edges.
  const double kClampedNormal = std::sqrt(0.9206);
  struct TCase {
    const char* What;
    uint32_t IntervalMs, JitterMs;
    TJitterShape Shape;
    uint32_t Seed;
    int64_t Min, Max;
    size_t Values;  // how many different intervals come up; 0: not counted
    // Within 4 % and 3 % of the jitter: about six times the error 20,000 draws leave.
    std::optional<double> Mean;
    std::optional<double> Spread;
  };
  const TCase Cases[] = {
      {"three values", 100, 30, TJitterShape::jsThreeValues, 1, 70, 130, 3, 100, std::sqrt(2.0 / 3) * 30},
      {"three values, no jitter", 100, 0, TJitterShape::jsThreeValues, 2, 100, 100, 1, 100, 0},
      {"three values below 1 ms", 20, 30, TJitterShape::jsThreeValues, 3, 1, 50, 3, {}, {}},
      {"a base of 0 counts as 1", 0, 0, TJitterShape::jsUniform, 4, 1, 1, 1, 1, 0},
      // Every whole millisecond of [70, 130]: variance ((2J + 1)^2 - 1) / 12.
      {"uniform", 100, 30, TJitterShape::jsUniform, 5, 70, 130, 61, 100, std::sqrt((61.0 * 61 - 1) / 12)},
      {"uniform below 1 ms", 5, 30, TJitterShape::jsUniform, 6, 1, 35, 35, {}, {}},
      {"normal", 100, 30, TJitterShape::jsNormal, 7, 40, 160, 0, 100, kClampedNormal * 30},
      {"normal, wide", 1000, 200, TJitterShape::jsNormal, 8, 600, 1400, 0, 1000, kClampedNormal * 200},
      {"normal below 1 ms", 5, 30, TJitterShape::jsNormal, 9, 1, 65, 0, {}, {}},
      // A shape no version wrote (a hand-edited file) draws as the three values.
      {"unknown shape", 100, 30, static_cast<TJitterShape>(7), 10, 70, 130, 3, 100, {}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    TClickTask Task;
    Task.IntervalMs = C.IntervalMs;
    Task.JitterMs = C.JitterMs;
    Task.JitterShape = C.Shape;
    TRunRandom Random(C.Seed);
    std::vector<int64_t> Intervals;
    for (int I = 0; I < kDraws; ++I) Intervals.push_back(DrawInterval(Task, Random));
    const TSummary S = Summarise(Intervals);
    EXPECT_EQ(S.Min, C.Min) << "the lowest interval drawn, never below 1 ms";
    EXPECT_EQ(S.Max, C.Max);
    if (C.Values > 0) {
      EXPECT_EQ(S.Values.size(), C.Values);
    }
    if (C.Mean) {
      EXPECT_NEAR(S.Mean, *C.Mean, 0.04 * C.JitterMs + 0.01);
    }
    if (C.Spread) {
      EXPECT_NEAR(S.Spread, *C.Spread, 0.03 * C.JitterMs + 0.01);
    }
  }
}

TEST(RandomDraws, AnOffsetStaysInItsDiscAndReachesAllOfIt) {
  // The whole-pixel points of small discs, each reached and none beyond: (1, 1) lies outside
  // the disc of radius 1, though rounding a point of the circle could give it.
  struct TCase {
    uint32_t RadiusPx;
    std::set<std::pair<int32_t, int32_t>> Points;
  };
  const TCase Cases[] = {
      {0, {{0, 0}}},
      {1, {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}}},
      {2,
       {{0, 0},
        {1, 0},
        {-1, 0},
        {0, 1},
        {0, -1},
        {1, 1},
        {1, -1},
        {-1, 1},
        {-1, -1},
        {2, 0},
        {-2, 0},
        {0, 2},
        {0, -2}}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.RadiusPx);
    TRunRandom Random(C.RadiusPx);
    std::set<std::pair<int32_t, int32_t>> Seen;
    for (int I = 0; I < 1000; ++I) {
      const TPoint Offset = DrawOffsetInDisc(C.RadiusPx, Random);
      Seen.insert({Offset.X, Offset.Y});
    }
    EXPECT_EQ(Seen, C.Points);
  }

  // A radius past the widest desktop draws within that.
  TRunRandom Random(11);
  const double kMax = kMaxClickRadiusPx;
  for (int I = 0; I < 1000; ++I) {
    const TPoint Offset = DrawOffsetInDisc(UINT32_MAX, Random);
    EXPECT_LE(std::hypot(Offset.X, Offset.Y), kMax);
  }
}

// Over a disc of 40 pixels, the clicks spread evenly over its area: every quadrant, the rim and
// the centre get their share. Half the area lies within R / sqrt(2) of the centre; an offset
// drawn at an even distance from it would put 71 % there, bunched at the centre.
TEST(RandomDraws, OffsetsSpreadEvenlyOverTheDiscsArea) {
  constexpr int32_t kRadius = 40;
  TRunRandom Random(12);
  std::map<int, int> Quadrants;
  int InnerHalf = 0, NearRim = 0, NearCentre = 0;
  for (int I = 0; I < kDraws; ++I) {
    const TPoint Offset = DrawOffsetInDisc(kRadius, Random);
    const int32_t Squared = Offset.X * Offset.X + Offset.Y * Offset.Y;
    ASSERT_LE(Squared, kRadius * kRadius) << Offset.X << "," << Offset.Y;
    if (Offset.X != 0 && Offset.Y != 0) ++Quadrants[(Offset.X > 0 ? 1 : 0) + (Offset.Y > 0 ? 2 : 0)];
    InnerHalf += 2 * Squared <= kRadius * kRadius ? 1 : 0;
    NearRim += Squared > 36 * 36 ? 1 : 0;    // the outer ring: 19 % of the area
    NearCentre += Squared <= 8 * 8 ? 1 : 0;  // the centre: 4 % of the area
  }
  ASSERT_EQ(Quadrants.size(), 4u);
  for (const auto& [Quadrant, Count] : Quadrants) EXPECT_NEAR(Count, kDraws * 0.24, kDraws * 0.02) << Quadrant;
  EXPECT_NEAR(InnerHalf, kDraws * 0.5, kDraws * 0.02);
  EXPECT_NEAR(NearRim, kDraws * 0.19, kDraws * 0.02);
  EXPECT_NEAR(NearCentre, kDraws * 0.04, kDraws * 0.01);
}

TEST(RandomDraws, AHoldTimeStaysInItsRangeAndNeverBelowZero) {
  struct TCase {
    uint32_t HoldMs, HoldJitterMs;
    int64_t Min, Max;
    size_t Values;
  };
  const TCase Cases[] = {
      {80, 0, 80, 80, 1},     // no random part: the hold time as it is
      {80, 20, 60, 100, 41},  // every whole millisecond of [60, 100]
      {10, 30, 0, 40, 41},    // [-20, 40]: every draw below 0 holds for 0
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.HoldJitterMs);
    TClickTask Task;
    Task.HoldMs = C.HoldMs;
    Task.HoldJitterMs = C.HoldJitterMs;
    TRunRandom Random(13);
    std::vector<int64_t> Holds;
    for (int I = 0; I < kDraws; ++I) Holds.push_back(DrawHoldMs(Task, Random));
    const TSummary S = Summarise(Holds);
    EXPECT_EQ(S.Min, C.Min);
    EXPECT_EQ(S.Max, C.Max);
    EXPECT_EQ(S.Values.size(), C.Values);
  }
}

// A seed's draws worked out independently of this code (the standard fixes the Mersenne
// Twister's output; the bounded, uniform and normal draws are the program's own arithmetic on it),
// so a seed replays the same run under any standard library, and a change that alters them shows.
TEST(RunRandom, ASeedGivesTheseDrawsOnEveryLibrary) {
  TRunRandom Random(42);
  std::vector<uint32_t> ThreeValues;
  for (int I = 0; I < 8; ++I) ThreeValues.push_back(Random.Next(3));
  EXPECT_EQ(ThreeValues, (std::vector<uint32_t>{0, 2, 1, 1, 0, 2, 1, 2}));
  EXPECT_EQ(Random.Uniform(), 0.15601864044243652);
  EXPECT_NEAR(Random.Normal(), 0.5440463163367346, 1e-12);

  // A bound past 32 bits draws from the whole range.
  constexpr uint64_t kWide = uint64_t{3} << 40;
  uint64_t Highest = 0;
  for (int I = 0; I < 1000; ++I) Highest = std::max(Highest, Random.Below(kWide));
  EXPECT_LT(Highest, kWide);
  EXPECT_GT(Highest, kWide / 100 * 99);
}

}  // namespace
}  // namespace nevra
