#pragma once
#include <cstddef>
#include <iosfwd>
#include <vector>

#include "ClickTargetWindow.h"

namespace nevra::tools {

// How regular a series of presses was: the rate between the first and the last press and the
// spread of the intervals between consecutive presses.
struct TClickStats {
  size_t Presses = 0;
  size_t Releases = 0;
  double SpanMs = 0;  // first press to last press
  double PressesPerSecond = 0;
  double MedianMs = 0;
  double P5Ms = 0;
  double P95Ms = 0;
  double MaxMs = 0;
};

TClickStats Summarise(const std::vector<TClickRecord>& ARecords);

// One line per record: "press|release left|right|middle dblclk|- clientX clientY screenX screenY
// handled-ms message-time".
void WriteRecords(std::ostream& AOut, const std::vector<TClickRecord>& ARecords);
// One line of "key=value" pairs, for scripts.
void WriteSummary(std::ostream& AOut, const TClickStats& AStats);

}  // namespace nevra::tools
