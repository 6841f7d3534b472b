// The hotkey dialog: a new set taken whole and saved at once, equal or taken combinations
// refused with the dialog still open, Restore defaults, Cancel.
#include <gtest/gtest.h>

#include "app/HotkeysForm.h"
#include "platform/InputCodes.h"
#include "platform/KeyboardHook.h"
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

// The combinations in force would start a run, or stop one, from inside the dialog; they rest
// while it is open, so a field takes them like any other.
TEST_F(HotkeysDialogTest, WhileOpenTheHotkeysInForceRestAndComeBackAfter) {
  OpenDialog([this](TfrmHotkeys& ADialog) {
    EXPECT_FALSE(P.PressHotkey(kCtrlShift, 'S')) << "the start combination reached the program";
    EXPECT_TRUE(P.Hotkeys.Registered.empty());
    ADialog.btnCancel.Click();
  });
  EXPECT_FALSE(Form->Running());
  EXPECT_FALSE(P.KeyboardHook.Installed());
  EXPECT_TRUE(P.PressHotkey(kCtrlShift, 'S'));
  EXPECT_TRUE(Form->Running());

  UserClick(Form->btnStop);
  OpenDialog([](TfrmHotkeys& ADialog) {
    ADialog.hkStart.Press(kF6, 0);
    ADialog.btnOK.Click();
  });
  EXPECT_TRUE(P.PressHotkey(0, kF6)) << "the new set is in force once the dialog has closed";
}

// Another program's hotkey would take the key press before the field could: the hook takes it
// first, the focused field shows it, and the dialog names it at once.
TEST_F(HotkeysDialogTest, ACombinationAnotherProgramHoldsIsTakenByTheFocusedFieldAndNamedAtOnce) {
  constexpr uint32_t kCtrlAlt = HotkeyModifiers::Control | HotkeyModifiers::Alt;
  P.Hotkeys.TakenByOthers.insert({kCtrlAlt, kF7});
  const auto Key = [](uint32_t AVk, uint32_t AModifiers) { return TKeyEvent{AVk, 0, true, false, false, AModifiers}; };
  OpenDialog([&](TfrmHotkeys& ADialog) {
    ASSERT_TRUE(P.KeyboardHook.Installed());
    EXPECT_FALSE(P.KeyboardHook.Send(Key(kF7, kCtrlAlt))) << "no field has the focus: the key is not the dialog's";
    ADialog.hkStop.Enter();
    EXPECT_FALSE(P.KeyboardHook.Send(Key(VirtualKeys::LeftShift, kCtrlAlt))) << "a modifier alone passes";
    EXPECT_TRUE(P.KeyboardHook.Send(Key(kF7, kCtrlAlt)));
    EXPECT_EQ(ADialog.hkStop.Vk(), kF7);
    EXPECT_EQ(ADialog.hkStop.Modifiers(), kCtrlAlt);
    EXPECT_EQ(ADialog.lblHeldElsewhere.Caption(), "Hotkey Ctrl+Alt+F7 is in use by another program.");
    EXPECT_FALSE(P.Hotkeys.Registered.count(1009)) << "the test registration is gone";

    EXPECT_FALSE(P.KeyboardHook.Send(Key(kF6, 0))) << "a free combination reaches the field as usual";
    EXPECT_EQ(ADialog.lblHeldElsewhere.Caption(), "");
    ADialog.btnOK.Click();
    EXPECT_FALSE(ADialog.Closed()) << "OK still refuses the held combination";
    ADialog.btnCancel.Click();
  });
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Hotkey Ctrl+Alt+F7 is in use by another program.");
  EXPECT_FALSE(P.KeyboardHook.Installed());
  EXPECT_EQ(P.Hotkeys.Registered.size(), 3u) << "the old set is in force again";
}

}  // namespace
}  // namespace nevra::test
