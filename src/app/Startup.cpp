#include "app/Startup.h"

#include <exception>

#include "app/AppInfo.h"
#include "app/MainForm.h"
#include "i18n/Translation.h"
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
  LoadTranslations(APlatform);
  if (CheckNewVersion()) {
    // The New Version dialog is shown here once the maker's site can offer one.
  }
  TFrmMain FrmMain(APlatform);
  APlatform.App.CreateMainWindow(FrmMain);
  FrmMain.FormCreate();
  bool Destroyed = false;
  const auto Destroy = [&] {
    if (Destroyed) return;
    Destroyed = true;
    FrmMain.FormDestroy();
  };
  // Logging off or shutting down ends the program the ordinary way, so the settings are saved
  // then too; Windows may end the process as soon as the handler returns.
  APlatform.App.SetSessionEndHandler([&] {
    FrmMain.CloseQuery();
    Destroy();
  });
  APlatform.App.RunMessageLoop();
  Destroy();
  APlatform.App.DestroyMainWindow();
  return 0;
}

}  // namespace nevra
