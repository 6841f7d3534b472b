#pragma once
#include <cstdint>

#include "platform/Geometry.h"
#include "run/RunRandom.h"
#include "run/RunRequest.h"

namespace nevra {

// The random parts of a click run, each drawn from the run's own generator.

// The interval before a click: the task's base (0 counts as 1 ms) moved by its jitter, drawn in
// the task's shape, and never below 1 ms.
uint32_t DrawInterval(const TClickTask& ATask, TRunRandom& ARandom);

// How far from its place a click lands: a whole-pixel offset no further than ARadiusPx from the
// centre, every such offset with the same chance, so the clicks spread evenly over the disc's
// area rather than bunching at its centre. A radius beyond the widest desktop counts as that.
TPoint DrawOffsetInDisc(uint32_t ARadiusPx, TRunRandom& ARandom);
inline constexpr uint32_t kMaxClickRadiusPx = 200000;

// How long a Hold click of the task holds: its hold time moved by up to its random part either
// way, every whole millisecond with the same chance, and never below 0.
uint32_t DrawHoldMs(const TClickTask& ATask, TRunRandom& ARandom);

}  // namespace nevra
