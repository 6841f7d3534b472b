#include "ClickStats.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <ostream>

namespace nevra::tools {

namespace {

// Nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& ASorted, double APercent) {
  if (ASorted.empty()) return 0;
  const double Rank = std::ceil(APercent / 100.0 * static_cast<double>(ASorted.size()));
  const size_t Index = static_cast<size_t>(std::clamp(Rank, 1.0, static_cast<double>(ASorted.size()))) - 1;
  return ASorted[Index];
}

const char* ButtonName(TClickButton AButton) {
  switch (AButton) {
    case TClickButton::cbLeft: return "left";
    case TClickButton::cbRight: return "right";
    case TClickButton::cbMiddle: return "middle";
  }
  return "?";
}

}  // namespace

TClickStats Summarise(const std::vector<TClickRecord>& ARecords) {
  TClickStats Stats;
  std::vector<double> PressTimes;
  for (const TClickRecord& Record : ARecords) {
    if (Record.Pressed) {
      PressTimes.push_back(CounterToMs(Record.Counter));
    } else {
      ++Stats.Releases;
    }
  }
  Stats.Presses = PressTimes.size();
  if (PressTimes.size() < 2) return Stats;
  Stats.SpanMs = PressTimes.back() - PressTimes.front();
  if (Stats.SpanMs > 0) Stats.PressesPerSecond = static_cast<double>(PressTimes.size() - 1) * 1000.0 / Stats.SpanMs;
  std::vector<double> Intervals;
  for (size_t I = 1; I < PressTimes.size(); ++I) Intervals.push_back(PressTimes[I] - PressTimes[I - 1]);
  std::sort(Intervals.begin(), Intervals.end());
  Stats.MedianMs = Percentile(Intervals, 50);
  Stats.P5Ms = Percentile(Intervals, 5);
  Stats.P95Ms = Percentile(Intervals, 95);
  Stats.MaxMs = Intervals.back();
  return Stats;
}

void WriteRecords(std::ostream& AOut, const std::vector<TClickRecord>& ARecords) {
  AOut << std::fixed << std::setprecision(3);
  for (const TClickRecord& Record : ARecords) {
    AOut << (Record.Pressed ? "press " : "release ") << ButtonName(Record.Button)
         << (Record.DoubleClick ? " dblclk " : " - ") << Record.Client.x << ' ' << Record.Client.y << ' '
         << Record.Screen.x << ' ' << Record.Screen.y << ' ' << CounterToMs(Record.Counter) << ' ' << Record.MessageTime
         << '\n';
  }
}

void WriteSummary(std::ostream& AOut, const TClickStats& AStats) {
  AOut << std::fixed << std::setprecision(2);
  AOut << "presses=" << AStats.Presses << " releases=" << AStats.Releases << " span_ms=" << AStats.SpanMs
       << " per_second=" << AStats.PressesPerSecond << " median_ms=" << AStats.MedianMs << " p5_ms=" << AStats.P5Ms
       << " p95_ms=" << AStats.P95Ms << " max_ms=" << AStats.MaxMs << '\n';
}

}  // namespace nevra::tools
