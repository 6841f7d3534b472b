// The window in the chosen language and the language menu.
#include <gtest/gtest.h>

#include "product/AppInfo.h"
#include "support/FormFixture.h"
#include "support/TestPaths.h"

namespace nevra::test {
namespace {

class InterfaceTranslationTest : public FormFixture {
 protected:
  // Starts the program with a three-language catalogue.
  InterfaceTranslationTest() {
    GTranslations().SetCode("de");
    GTranslations().Parse(
        "3\nEnglish\nDeutsch\nFrançais\nen\nde\nfr\nStart\nStarten\nDémarrer\nReady\nBereit\nPrêt\n"
        "Right\nRechts\nDroite\nHold\nHalten\nMaintenir\nStarted\nGestartet\nDémarré\n"
        "Hotkeys \xE2\x80\x94 Start: %s  |  Stop: %s\nTasten \xE2\x80\x94 Start: %s  |  Stopp: %s\n\n");
    Create();
  }
  std::vector<std::string> MenuCaptions() const {
    std::vector<std::string> Out;
    for (const auto& Item : Form->PopupMenuLang.Items()) Out.push_back(Item.Caption + (Item.Checked ? "*" : ""));
    return Out;
  }
};

TEST_F(InterfaceTranslationTest, WindowStartsInTheChosenLanguage) {
  EXPECT_EQ(Form->btnLang.Caption(), "de");
  EXPECT_EQ(Form->btnStart.Caption(), "Starten");
  EXPECT_EQ(Form->btnStop.Caption(), "Stop") << "untranslated texts stay English";
  EXPECT_EQ(Status(), "Bereit");
  EXPECT_EQ(Form->lblHotkeys.Caption(), "Tasten \xE2\x80\x94 Start: Shift+Ctrl+S  |  Stopp: Shift+Ctrl+X");
  EXPECT_EQ(MenuCaptions(), (std::vector<std::string>{"English", "Deutsch*", "Français"}));
  EXPECT_EQ(Form->Caption(), MainWindowCaption());
}

TEST_F(InterfaceTranslationTest, ChoosingALanguageRetranslatesKeepsSelectionsAndIsRemembered) {
  Form->cbButton.Select(1);
  Form->cbClickType.Select(2);
  Form->btnStart.Click();
  EXPECT_EQ(Status(), "Gestartet");
  Form->btnLang.Click();
  EXPECT_EQ(Form->PopupMenuLang.Anchor(), &Form->btnLang);
  Form->PopupMenuLang.Click(2);
  EXPECT_EQ(MenuCaptions(), (std::vector<std::string>{"English", "Deutsch", "Français*"}));
  EXPECT_EQ(Form->btnLang.Caption(), "fr");
  EXPECT_EQ(Form->cbButton.Items()[1], "Droite");
  EXPECT_EQ(Form->cbButton.ItemIndex(), 1);
  EXPECT_EQ(Form->cbClickType.Items()[2], "Maintenir");
  EXPECT_EQ(Form->cbClickType.ItemIndex(), 2);
  EXPECT_EQ(Status(), "Prêt") << "reset to Ready even while a run goes on";
  EXPECT_EQ((P.Registry.Values[{test::kRegistryKey, "CurrentLanguage"}]), "fr");
  Form->btnStop.Click();

  // After a restart the stored choice wins over the system language.
  P.Files.Files[test::kProgramFolder + "\\transl.dt"] = "2\nEnglish\nFrançais\nen\nfr\nStart\nDémarrer\n";
  LoadTranslations(P.Platform);
  EXPECT_EQ(GTranslations().Index(), 1);
}

TEST_F(InterfaceTranslationTest, AnUnmatchedCodeChecksEnglishAndShowsTheCode) {
  GTranslations().SetCode("jp");
  GTranslations().SetIndex(0);
  Create();
  EXPECT_EQ(Form->btnLang.Caption(), "jp");
  EXPECT_EQ(MenuCaptions(), (std::vector<std::string>{"English*", "Deutsch", "Français"}));
  EXPECT_EQ(Form->btnStart.Caption(), "Start");
}

TEST_F(InterfaceTranslationTest, ChoosingTheCurrentLanguageAgainRewritesTheChoice) {
  P.Registry.Values.clear();
  Form->PopupMenuLang.Click(1);
  EXPECT_EQ((P.Registry.Values[{test::kRegistryKey, "CurrentLanguage"}]), "de");
  P.Registry.ReadOnly = true;
  Form->PopupMenuLang.Click(0);
  EXPECT_EQ(Form->btnStart.Caption(), "Start") << "the switch works even when it cannot be stored";
}

// Arabic is written from right to left: the window mirrors for it, and back for the others.
TEST_F(InterfaceTranslationTest, ARightToLeftLanguageMirrorsTheWindowAndItsDialogs) {
  GTranslations().SetCode("ar");
  GTranslations().Parse("3\nEnglish\nDeutsch\nالعربية\nen\nde\nar\nStart\nStarten\nبدء\n");
  Create();
  EXPECT_TRUE(Form->RightToLeft());
  Form->PopupMenuLang.Click(1);
  EXPECT_FALSE(Form->RightToLeft());
  Form->PopupMenuLang.Click(2);
  EXPECT_TRUE(Form->RightToLeft());
  P.App.WhileModal = [](TForm& ADialog) {
    EXPECT_TRUE(ADialog.RightToLeft());
    ADialog.Close();
  };
  UserClick(Form->btnHotkeys);
}

TEST(InterfaceTranslation, NoCatalogueGivesAnEmptyMenu) {
  GTranslations().Parse("");
  fake::TFakePlatform P;
  P.App.SetTitle(kApplicationTitle);
  TFrmMain Form(P.Platform);
  Form.FormCreate();
  EXPECT_TRUE(Form.PopupMenuLang.Items().empty());
  Form.btnLang.Click();
  EXPECT_EQ(Form.PopupMenuLang.Anchor(), &Form.btnLang);
}

}  // namespace
}  // namespace nevra::test
