#pragma once
#include <string>

#include "platform/Geometry.h"
#include "platform/WindowOps.h"
#include "platform/controls/Control.h"
#include "platform/controls/StdControls.h"

namespace nevra {

// The window during a run or a recording: hidden with only the tray icon left, or the compact
// strip, a topmost caption bar in the corner of the work area that says how to stop. Leaving the
// strip gives the window back its bounds, caption and "always on top" as they were before.
class TWindowModes {
 public:
  // AStatusBar is hidden in the strip; ATopMost is the window's "always on top" box.
  TWindowModes(IWindowOps& AWindow, TForm& AForm, TControl& AStatusBar, TCheckBox& ATopMost)
      : FWindow(AWindow), FForm(AForm), FStatusBar(AStatusBar), FTopMost(ATopMost) {}

  void HideToTray() { FWindow.Hide(); }
  void RestoreFromTray();
  // Shows the strip with this caption; entering it again only changes the caption.
  void EnterStrip(const std::string& ACaption);
  // A new caption for the strip, when it shows.
  void SetStripCaption(const std::string& ACaption);
  void LeaveStrip();
  bool StripActive() const { return FStripActive; }

 private:
  IWindowOps& FWindow;
  TForm& FForm;
  TControl& FStatusBar;
  TCheckBox& FTopMost;
  bool FStripActive = false;
  TRect FSavedBounds;
  std::string FSavedCaption;
  bool FSavedTopMost = false;
};

}  // namespace nevra
