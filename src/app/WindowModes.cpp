// Window modes during a run or a recording: hidden with only the tray icon left, or the compact
// strip in the corner of the work area.
#include <algorithm>

#include "app/MainForm.h"

namespace nevra {

namespace {
constexpr int32_t kStripMinWidth = 200;
constexpr int32_t kStripMargin = 16;
}  // namespace

void TFrmMain::HideToTray() { FPlatform.Window.Hide(); }

void TFrmMain::RestoreFromTray() {
  FPlatform.Window.Show();
  FPlatform.Window.RestoreApplication();
  FPlatform.Window.BringToForeground();
}

void TFrmMain::TrayIcon1Click() { RestoreFromTray(); }

void TFrmMain::EnterRecUiMode(const std::string& ACaption) {
  if (!FRecUiActive) {
    FRecUiSavedBounds = FPlatform.Window.GetBounds();
    FRecUiSavedCaption = Caption();
    FRecUiSavedTopMost = chkTopMost.Checked();
    FRecUiActive = true;
  }
  const int32_t Height = FPlatform.Window.CaptionHeight() + 2 * FPlatform.Window.SizingFrameHeight();
  const int32_t Width = std::max(FRecUiSavedBounds.Width() / 2, kStripMinWidth);
  const TRect WorkArea = FPlatform.Window.GetWorkArea();
  pnlStatusBar.SetVisible(false);
  const int32_t Left = WorkArea.Right - Width - kStripMargin;
  const int32_t Top = WorkArea.Bottom - Height - kStripMargin;
  SetCaption("  " + ACaption);
  FPlatform.Window.ShowTopMostAt(TRect{Left, Top, Left + Width, Top + Height});
}

void TFrmMain::SetRecUiCaption(const std::string& AText) {
  if (FRecUiActive) SetCaption("  " + AText);
}

void TFrmMain::LeaveRecUiMode() {
  if (!FRecUiActive) return;
  FCountdownTimer.SetEnabled(false);
  FPlatform.Window.SetTopMost(false);
  FPlatform.Window.SetBounds(FRecUiSavedBounds);
  SetCaption(FRecUiSavedCaption);
  pnlStatusBar.SetVisible(true);
  // Setting the box runs its handler only when the state changes, so apply the band here too.
  chkTopMost.SetChecked(FRecUiSavedTopMost);
  FPlatform.Window.SetTopMost(FRecUiSavedTopMost);
  FRecUiActive = false;
  FPlatform.Window.Show();
  FPlatform.Window.RestoreApplication();
  FPlatform.Window.BringToForeground();
}

}  // namespace nevra
