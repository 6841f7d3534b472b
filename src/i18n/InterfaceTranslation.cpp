// The window's fixed texts in the current language, and the language menu.
#include "app/MainForm.h"
#include "i18n/Translation.h"

namespace nevra {

namespace {

// Stores the user's choice for the next start; a key that cannot be written only means the
// choice lasts until the program ends.
void SaveCurrentLanguage(TPlatform& APlatform) {
  APlatform.Registry.WriteString(LanguageKeyPath(APlatform.App.Title()), "CurrentLanguage", GTranslations().Code());
}

// Replaces the item texts in place and keeps the selection.
void TranslateItems(TComboBox& ABox, std::initializer_list<const char*> AKeys) {
  const int32_t Selected = ABox.ItemIndex();
  std::vector<std::string> Items;
  for (const char* Key : AKeys) Items.push_back(Translate(Key));
  ABox.SetItems(std::move(Items));
  ABox.SetItemIndex(Selected);
}

}  // namespace

void TFrmMain::UpdateLanguageMenu() {
  const auto& Languages = GTranslations().Languages();
  for (size_t L = 0; L < Languages.size(); ++L) {
    // A language without both its name and its code cannot be offered.
    if (Languages[L].size() < 2) continue;
    PopupMenuLang.Add({Languages[L][0], static_cast<int32_t>(L), static_cast<int32_t>(L) == GTranslations().Index()});
  }
}

void TFrmMain::TranslateInterface() {
  btnLang.SetCaption(GTranslations().Code());
  const std::pair<TControl*, const char*> Captions[] = {
      {&btnStart, "Start"},
      {&btnStop, "Stop"},
      {&grpTarget, "Target"},
      {&rbCurrentCursorPosition, "Cursor position"},
      {&rbCoordinates, "Coordinates:"},
      {&rbMacros, "Macros:"},
      {&btnCreateMacros, "Create"},
      {&bRemove, "Remove"},
      {&bRename, "Rename"},
      {&grpInterval, "Click Interval"},
      {&lblH, "Hours"},
      {&lblM, "Minutes"},
      {&lblS, "Seconds"},
      {&lblMS, "Milliseconds"},
      {&chkJitter, "Jitter +/- (ms)"},
      {&grpClickType, "Click Type"},
  };
  for (const auto& [Control, Key] : Captions) Control->SetCaption(Translate(Key));
  TranslateItems(cbButton, {"Left", "Right", "Middle"});
  TranslateItems(cbClickType, {"Single", "Double", "Hold"});
  const std::pair<TControl*, const char*> MoreCaptions[] = {
      {&lblHold, "Hold time (ms)"},
      {&grpDelay, "Start Delay"},
      {&lblDelayMs, "Delay (s)"},
      {&grpClicks, "Repeat"},
      {&rbUntilStopped, "Repeat until stopped"},
      {&rbRepeatCount, "Repeat"},
      {&grpSafety, "Additional"},
      {&chkMinimizeToTrayOnStart, "Minimize to tray when starting"},
      {&chkTopMost, "Always on top"},
      {&btnAbout, "About..."},
  };
  for (const auto& [Control, Key] : MoreCaptions) Control->SetCaption(Translate(Key));
  UpdateHotkeyLabel();
  SetStatus(Translate("Ready"));
}

void TFrmMain::btnLangClick() { PopupMenuLang.Popup(btnLang); }

void TFrmMain::MItemClick(const TMenuItem& ASender) {
  for (size_t I = 0; I < PopupMenuLang.Items().size(); ++I) PopupMenuLang.SetChecked(I, false);
  GTranslations().SetIndex(ASender.Tag);
  for (size_t I = 0; I < PopupMenuLang.Items().size(); ++I)
    if (PopupMenuLang.Items()[I].Tag == ASender.Tag) PopupMenuLang.SetChecked(I, true);
  GTranslations().SetCode(GTranslations().Languages()[static_cast<size_t>(ASender.Tag)][1]);
  SaveCurrentLanguage(FPlatform);
  TranslateInterface();
}

}  // namespace nevra
