#include "app/WindowModes.h"

#include <algorithm>

namespace nevra {

namespace {
constexpr int32_t kStripMinWidth = 200;
constexpr int32_t kStripMargin = 16;
// The caption's indent, as the window's own caption has it.
constexpr const char* kCaptionIndent = "  ";
}  // namespace

void TWindowModes::RestoreFromTray() {
  FWindow.Show();
  FWindow.RestoreApplication();
  FWindow.BringToForeground();
}

void TWindowModes::BeginRun(bool AInTray, const std::string& ACaption) {
  FRunInTray = AInTray;
  if (AInTray)
    HideToTray();
  else
    EnterStrip(ACaption);
}

void TWindowModes::EndRun(bool AKeepStrip) {
  FRunInTray = false;
  if (FStripActive && !AKeepStrip) LeaveStrip();
  if (!FWindow.IsVisible()) RestoreFromTray();
}

void TWindowModes::EnterStrip(const std::string& ACaption) {
  if (!FStripActive) {
    FSavedBounds = FWindow.GetBounds();
    FSavedCaption = FForm.Caption();
    FSavedTopMost = FTopMost.Checked();
    FStripActive = true;
  }
  const int32_t Height = FWindow.CaptionHeight() + 2 * FWindow.SizingFrameHeight();
  const int32_t Width = std::max(FSavedBounds.Width() / 2, kStripMinWidth);
  const TRect WorkArea = FWindow.GetWorkArea();
  FStatusBar.SetVisible(false);
  const int32_t Left = WorkArea.Right - Width - kStripMargin;
  const int32_t Top = WorkArea.Bottom - Height - kStripMargin;
  FForm.SetCaption(kCaptionIndent + ACaption);
  FWindow.ShowTopMostAt(TRect{Left, Top, Left + Width, Top + Height});
}

void TWindowModes::SetStripCaption(const std::string& ACaption) {
  if (FStripActive) FForm.SetCaption(kCaptionIndent + ACaption);
}

void TWindowModes::LeaveStrip() {
  if (!FStripActive) return;
  FWindow.SetTopMost(false);
  FWindow.SetBounds(FSavedBounds);
  FForm.SetCaption(FSavedCaption);
  FStatusBar.SetVisible(true);
  // Setting the box runs its handler only when the state changes, so apply the band here too.
  FTopMost.SetChecked(FSavedTopMost);
  FWindow.SetTopMost(FSavedTopMost);
  FStripActive = false;
  RestoreFromTray();
}

}  // namespace nevra
