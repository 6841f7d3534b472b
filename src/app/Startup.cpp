#include "app/Startup.h"

#include <exception>

#include "app/AppInfo.h"
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "update/NewVersionCheck.h"
#include "update/NewVersionForm.h"

namespace nevra {

int RunApplication(TPlatform& APlatform, const TUpdateSite& ASite) {
  APlatform.App.Initialize();
  try {
    APlatform.App.ApplyVisualStyle(kVisualStyleName);
  } catch (const std::exception& E) {
    APlatform.Dialogs.ShowMessage(TMessageKind::mkError, E.what());
  }
  APlatform.App.SetTitle(kApplicationTitle);
  LoadTranslations(APlatform);
  TUpdateOffer Offer;
  if (CheckNewVersion(APlatform, ASite, Offer)) {
    TfrmNewVersion Dialog(APlatform, ASite, Offer);
    APlatform.App.ShowModal(Dialog);
    // Declined a mandatory update, or the installer is on its way: no main window, nothing
    // loaded, nothing saved.
    if (Dialog.Tag() == 0) return 0;
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
