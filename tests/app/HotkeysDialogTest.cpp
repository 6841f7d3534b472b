// The hotkey dialog: a new set taken whole and saved at once, equal or taken combinations
// refused with the dialog still open, Restore defaults, Cancel.
#include <gtest/gtest.h>

#include "app/HotkeysForm.h"
#include "platform/InputCodes.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

constexpr uint32_t kCtrlShift = HotkeyModifiers::Control | HotkeyModifiers::Shift;
constexpr uint32_t kF6 = VirtualKeys::F1 + 5, kF7 = VirtualKeys::F1 + 6;

class HotkeysDialogTest : public FormFixture {
 protected:
  // Opens the dialog from the window; AWhileOpen acts in it, as the user would.
  void OpenDialog(std::function<void(TfrmHotkeys&)> AWhileOpen) {
    P.App.WhileModal = [AWhileOpen](TForm& AForm) { AWhileOpen(static_cast<TfrmHotkeys&>(AForm)); };
    UserClick(Form->btnHotkeys);
  }
};

TEST_F(HotkeysDialogTest, OkTakesTheNewSetAtOnceAndTheFileKeepsIt) {
  OpenDialog([](TfrmHotkeys& ADialog) {
    EXPECT_EQ(ADialog.hkStart.Vk(), static_cast<uint32_t>('S'));
    EXPECT_EQ(ADialog.hkStart.Modifiers(), kCtrlShift);
    ADialog.hkStart.Press(kF6, 0);
    ADialog.hkStop.Press(kF7, HotkeyModifiers::Alt);
    ADialog.btnOK.Click();
  });
  EXPECT_TRUE(P.PressHotkey(0, kF6));
  EXPECT_TRUE(Form->Running());
  EXPECT_FALSE(P.PressHotkey(kCtrlShift, 'S')) << "the old start combination still works";
  EXPECT_TRUE(P.PressHotkey(HotkeyModifiers::Alt, kF7));
  EXPECT_FALSE(Form->Running());
  EXPECT_EQ(Form->lblHotkeys.Caption(), "Hotkeys \xE2\x80\x94 Start: F6  |  Stop: Alt+F7");
  const std::string Saved = P.Files.Files[kSettingsPath];
  EXPECT_NE(Saved.find("[HotkeyStart]\r\nvk=117\r\nmod=0\r\n"), std::string::npos) << Saved;
  EXPECT_NE(Saved.find("[HotkeyStop]\r\nvk=118\r\nmod=1\r\n"), std::string::npos) << Saved;

  Restart();
  EXPECT_EQ(Form->StartHotkey().Vk, kF6);
}

TEST_F(HotkeysDialogTest, EmptyEqualOrTakenCombinationsAreNamedAndTheDialogStaysOpen) {
  P.Hotkeys.TakenByOthers.insert({0, kF7});
  OpenDialog([](TfrmHotkeys& ADialog) {
    // Without a stop key a run could only be ended from the window.
    ADialog.hkStop.Press(0, 0);
    ADialog.btnOK.Click();
    EXPECT_FALSE(ADialog.Closed());
    ADialog.hkStop.Press('S', kCtrlShift);
    ADialog.btnOK.Click();
    EXPECT_FALSE(ADialog.Closed());
    ADialog.hkStop.Press(kF7, 0);
    ADialog.btnOK.Click();
    EXPECT_FALSE(ADialog.Closed());
    ADialog.btnCancel.Click();
  });
  ASSERT_EQ(P.Dialogs.Shown.size(), 3u);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Press a combination for \"Stop\".");
  EXPECT_EQ(P.Dialogs.Shown[1].Text, "Two hotkeys cannot use the same combination (Shift+Ctrl+S).");
  EXPECT_EQ(P.Dialogs.Shown[2].Text, "Hotkey F7 is in use by another program.");
  EXPECT_TRUE(P.PressHotkey(kCtrlShift, 'X')) << "the old set is still in force";
  EXPECT_FALSE(P.Files.Files.count(kSettingsPath)) << "nothing was saved";
}

TEST_F(HotkeysDialogTest, RestoreDefaultsFillsTheFieldsAndCancelChangesNothing) {
  OpenDialog([](TfrmHotkeys& ADialog) {
    ADialog.hkStart.Press(kF6, 0);
    ADialog.btnDefaults.Click();
    EXPECT_EQ(ADialog.hkStart.Vk(), static_cast<uint32_t>('S'));
    ADialog.hkStartRecording.Press(kF7, 0);
    ADialog.btnCancel.Click();
  });
  EXPECT_EQ(Form->StartMacrosHotkey().Vk, static_cast<uint32_t>('R'));
}

}  // namespace
}  // namespace nevra::test
