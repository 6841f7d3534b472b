// What each random draw of a click run costs: drawn before every click, they must stay far below
// the few microseconds a click's SendInput takes.
#include <benchmark/benchmark.h>

#include "run/RandomDraws.h"

namespace nevra {
namespace {

TClickTask Jittered(TJitterShape AShape) {
  TClickTask Task;
  Task.IntervalMs = 100;
  Task.JitterMs = 30;
  Task.JitterShape = AShape;
  Task.HoldJitterMs = 20;
  return Task;
}

void BM_DrawInterval(benchmark::State& AState) {
  const TClickTask Task = Jittered(static_cast<TJitterShape>(AState.range(0)));
  TRunRandom Random(1);
  for (auto _ : AState) benchmark::DoNotOptimize(DrawInterval(Task, Random));
}
// 0 the three values, 1 uniform, 2 normal.
BENCHMARK(BM_DrawInterval)->Arg(0)->Arg(1)->Arg(2);

void BM_DrawOffsetInDisc(benchmark::State& AState) {
  TRunRandom Random(2);
  const auto Radius = static_cast<uint32_t>(AState.range(0));
  for (auto _ : AState) benchmark::DoNotOptimize(DrawOffsetInDisc(Radius, Random));
}
BENCHMARK(BM_DrawOffsetInDisc)->Arg(5)->Arg(500);

void BM_DrawHoldMs(benchmark::State& AState) {
  const TClickTask Task = Jittered(TJitterShape::jsThreeValues);
  TRunRandom Random(3);
  for (auto _ : AState) benchmark::DoNotOptimize(DrawHoldMs(Task, Random));
}
BENCHMARK(BM_DrawHoldMs);

}  // namespace
}  // namespace nevra
