// The window's texts: its captions in the current language, the language menu, the hotkey line,
// the web-site link and the About box.
#include <array>
#include <span>

#include "app/HotkeysForm.h"
#include "app/MacroChoices.h"
#include "app/MainForm.h"
#include "app/WebsiteHost.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "product/AppInfo.h"

namespace nevra {

namespace {

// Replaces the item texts in place and keeps the selection.
void TranslateItems(TComboBox& ABox, std::span<const char* const> AKeys) {
  const int32_t Selected = ABox.ItemIndex();
  std::vector<std::string> Items;
  for (const char* Key : AKeys) Items.push_back(Translate(Key));
  ABox.SetItems(std::move(Items));
  ABox.SetItemIndex(Selected);
}

}  // namespace

void TFrmMain::TranslateInterface() {
  SetRightToLeft(GTranslations().RightToLeft());
  btnLang.SetCaption(GTranslations().Code());
  for (const auto& [Control, Text] : Captions()) Control->SetCaption(Translate(Text));
  TranslateItems(cbButton, std::array{"Left", "Right", "Middle", "Key"});
  TranslateItems(cbClickType, std::array{"Single", "Double", "Hold"});
  TranslateItems(cbRecordSources, RecordSourceKeys());
  ShowSpeeds();
  btnPickPoint.SetHint(Translate("Pick a point on the screen"));
  btnKey.SetHint(Translate("Press to choose the key. It goes to the window that has the keyboard focus."));
  ShowClickKey();
  cbRecordSources.SetHint(Translate("What Create records: the mouse, the keyboard or both"));
  cbSpeed.SetHint(Translate("How fast a macro plays, against the speed it was recorded at"));
  UpdateHotkeyLabel();
  SetStatus(Translate("Ready"));
}

void TFrmMain::UpdateLanguageMenu() {
  for (const TMenuItem& Item : LanguageMenuItems()) PopupMenuLang.Add(Item);
}

void TFrmMain::btnLangClick() { PopupMenuLang.Popup(btnLang); }

void TFrmMain::MItemClick(const TMenuItem& ASender) {
  for (size_t I = 0; I < PopupMenuLang.Items().size(); ++I)
    PopupMenuLang.SetChecked(I, PopupMenuLang.Items()[I].Tag == ASender.Tag);
  ChooseLanguage(FPlatform, ASender.Tag);
  TranslateInterface();
}

void TFrmMain::btnHotkeysClick() {
  TfrmHotkeys Dialog(FPlatform, FHotkeys);
  FPlatform.App.ShowModal(Dialog);
  if (Dialog.Tag() != 1) return;
  UpdateHotkeyLabel();
  // At once, so a crash or a kill later does not lose the new set.
  SaveSettings();
}

void TFrmMain::UpdateHotkeyLabel() {
  lblHotkeys.SetCaption(Format(Translate("Hotkeys \xE2\x80\x94 Start: %s  |  Stop: %s"),
                               {FHotkeys.Text(THotkeyAction::haStart), FHotkeys.Text(THotkeyAction::haStop)}));
}

void TFrmMain::trayIconClick() { FModes.RestoreFromTray(); }

void TFrmMain::lnkWebsiteMouseEnter() { lnkWebsite.SetUnderlined(true); }

void TFrmMain::lnkWebsiteMouseLeave() { lnkWebsite.SetUnderlined(false); }

void TFrmMain::lnkWebsiteClick() { FPlatform.Shell.Open(lnkWebsite.Caption()); }

void TFrmMain::btnAboutClick() {
  const std::string Text = FPlatform.App.Title() + "\r\n" + Translate("Version: ") + kVersion + "\r\n\r\n" +
                           Translate("Website: ") + WebsiteHost(kWebsiteUrl);
  FPlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, Text);
}

}  // namespace nevra
