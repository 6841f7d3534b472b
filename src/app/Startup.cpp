#include "app/Startup.h"

#include <exception>

#include "app/AppInfo.h"
#include "app/MainForm.h"
#include "update/NewVersionCheck.h"

namespace nevra {

int RunApplication(TPlatform& APlatform) {
  APlatform.App.Initialize();
  try {
    APlatform.App.ApplyVisualStyle(kVisualStyleName);
  } catch (const std::exception& E) {
    APlatform.Dialogs.ShowMessage(TMessageKind::mkError, E.what());
  }
  APlatform.App.SetTitle(kApplicationTitle);
  // The translation catalogue is loaded here; until it exists every text is English.
  if (CheckNewVersion()) {
    // The New Version dialog is shown here once the maker's site can offer one.
  }
  TFrmMain FrmMain(APlatform);
  APlatform.App.CreateMainWindow(FrmMain);
  FrmMain.FormCreate();
  APlatform.App.RunMessageLoop();
  FrmMain.FormDestroy();
  APlatform.App.DestroyMainWindow();
  return 0;
}

}  // namespace nevra
