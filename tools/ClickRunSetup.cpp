#include "ClickRunSetup.h"

#include <string>

namespace nevra::tools {

void ApplyClickRunSettings(const TMainWindowDriver& AWindow, const TClickRunSettings& ASettings) {
  AWindow.Click("rbCoordinates");
  AWindow.SetText("edtCoordX", std::to_string(ASettings.X));
  AWindow.SetText("edtCoordY", std::to_string(ASettings.Y));

  AWindow.SetText("seHours", std::to_string(ASettings.IntervalMs / 3600000));
  AWindow.SetText("seMinutes", std::to_string(ASettings.IntervalMs / 60000 % 60));
  AWindow.SetText("seSeconds", std::to_string(ASettings.IntervalMs / 1000 % 60));
  AWindow.SetText("seMillis", std::to_string(ASettings.IntervalMs % 1000));

  AWindow.Select("cbButton", ASettings.Button);
  AWindow.Select("cbClickType", ASettings.ClickType);
  AWindow.SetText("seHoldMs", std::to_string(ASettings.HoldMs));

  if (ASettings.RepeatCount > 0) {
    AWindow.Click("rbRepeatCount");
    AWindow.SetText("seRepeat", std::to_string(ASettings.RepeatCount));
  } else {
    AWindow.Click("rbUntilStopped");
  }
  AWindow.SetText("seStartDelaySS", std::to_string(ASettings.StartDelayS));
}

}  // namespace nevra::tools
