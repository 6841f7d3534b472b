// The web-site link in the status panel and the About box.
#include "app/AppInfo.h"
#include "app/MainForm.h"
#include "app/WebsiteHost.h"
#include "i18n/Translation.h"

namespace nevra {

void TFrmMain::lnkWebsiteMouseEnter() { lnkWebsite.SetUnderlined(true); }

void TFrmMain::lnkWebsiteMouseLeave() { lnkWebsite.SetUnderlined(false); }

void TFrmMain::lnkWebsiteClick() { FPlatform.Shell.Open(lnkWebsite.Caption()); }

void TFrmMain::btnAboutClick() {
  const std::string Text = FPlatform.App.Title() + "\r\n" + Translate("Version: ") + kVersion + "\r\n\r\n" +
                           Translate("Website: ") + WebsiteHost(kWebsiteUrl);
  FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Text);
}

}  // namespace nevra
