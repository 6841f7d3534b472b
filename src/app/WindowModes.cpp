// Window modes during a run. The window stays as it is for now: these only note what was
// asked, so that a run never hides the window without a tray icon to bring it back.
#include "app/MainForm.h"

namespace nevra {

void TFrmMain::HideToTray() { FWindowModeLog.push_back("HideToTray"); }

void TFrmMain::RestoreFromTray() { FWindowModeLog.push_back("RestoreFromTray"); }

void TFrmMain::EnterRecUiMode(const std::string& ACaption) {
  FRecUiActive = true;
  FWindowModeLog.push_back("EnterRecUiMode:" + ACaption);
}

void TFrmMain::LeaveRecUiMode() {
  if (!FRecUiActive) return;
  FRecUiActive = false;
  FWindowModeLog.push_back("LeaveRecUiMode");
}

}  // namespace nevra
