// The web-site link in the status panel and the About box.
#include "app/AppInfo.h"
#include "app/MainForm.h"
#include "app/WebsiteHost.h"
#include "i18n/Translation.h"

namespace nevra {

void TFrmMain::Label2MouseEnter() { Label2.SetUnderlined(true); }

void TFrmMain::Label2MouseLeave() { Label2.SetUnderlined(false); }

void TFrmMain::Label2Click() { FPlatform.Shell.Open(Label2.Caption()); }

void TFrmMain::Button1Click() {
  const std::string Text = FPlatform.App.Title() + "\r\n" + Translate("Version: ") + kVersion + "\r\n\r\n" +
                           Translate("Website: ") + WebsiteHost(kWebsiteUrl);
  FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Text);
}

}  // namespace nevra
