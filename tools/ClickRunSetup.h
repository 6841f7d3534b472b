#pragma once
#include "UiDriver.h"

namespace nevra::tools {

// A click run as a user would set it up in the main window.
struct TClickRunSettings {
  int X = 0;
  int Y = 0;
  int IntervalMs = 100;
  int Button = 0;     // 0 left, 1 right, 2 middle
  int ClickType = 0;  // 0 single, 1 double, 2 hold
  int HoldMs = 80;
  int RepeatCount = 0;  // 0: repeat until stopped
  int StartDelayS = 0;
};

// Clicks at fixed coordinates with these settings: picks the radio buttons and list entries and
// types the numbers into the spin boxes, in the order a user would (a box is enabled by its
// radio button first).
void ApplyClickRunSettings(const TMainWindowDriver& AWindow, const TClickRunSettings& ASettings);

}  // namespace nevra::tools
