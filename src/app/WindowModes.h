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

  // A run begins: the window hides in the tray (AInTray), or shrinks to the strip with ACaption.
  void BeginRun(bool AInTray, const std::string& ACaption);
  // The run under way keeps the window in the tray.
  bool RunInTray() const { return FRunInTray; }
  // The run has ended: the strip gives way (unless AKeepStrip, for a recording's countdown) and
  // the window comes back from the tray.
  void EndRun(bool AKeepStrip);

 private:
  IWindowOps& FWindow;
  TForm& FForm;
  TControl& FStatusBar;
  TCheckBox& FTopMost;
  bool FStripActive = false;
  bool FRunInTray = false;
  TRect FSavedBounds;
  std::string FSavedCaption;
  bool FSavedTopMost = false;
};

}  // namespace nevra
