// A key as the click: the button that takes the next key pressed (every key, Tab and Esc too),
// what cancels that, the entries settings.ini keeps, and a run that presses the key.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/InputCodes.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

namespace Vk = VirtualKeys;
namespace Mod = HotkeyModifiers;

class ClickKeyTest : public FormFixture {
 protected:
  ClickKeyTest() { P.Hotkeys.LayoutNames[0xA0] = "Shift"; }
  void ChooseKeyButton() { Form->cbButton.Select(kButtonKeyIndex); }
  void BeginCapture() { UserClick(Form->btnKey); }
  // A key going down or up as the keyboard hook sees it; true when it was taken.
  bool Key(uint32_t AVk, bool ADown, uint32_t AModifiers = 0) {
    return P.KeyboardHook.Send(TKeyEvent{AVk, 0, ADown, false, false, AModifiers});
  }
  bool HooksGone() const { return !P.KeyboardHook.Installed() && !P.MouseHook.Installed(); }
  // The key records sent so far, as "D20" / "U20" (down or up, virtual key in hex).
  std::vector<std::string> KeysSent() const {
    std::vector<std::string> Out;
    for (const fake::TFakeSentInput& Sent : P.SentInput) {
      const auto* Record = std::get_if<TKeyInputRecord>(&Sent.Input);
      if (Record == nullptr) {
        Out.push_back("mouse");
        continue;
      }
      char Text[8];
      std::snprintf(Text, sizeof Text, "%c%X", (Record->Flags & KeyFlags::KeyUp) != 0 ? 'U' : 'D', Record->Vk);
      Out.push_back(Text);
    }
    return Out;
  }
};

TEST_F(ClickKeyTest, TheKeyButtonIsUsableOnlyWhenTheListSaysKeyAndShowsSpaceAtFirst) {
  EXPECT_EQ(Form->btnKey.Caption(), "Space");
  EXPECT_FALSE(Form->btnKey.Enabled());
  ChooseKeyButton();
  EXPECT_TRUE(Form->btnKey.Enabled());
  EXPECT_TRUE(Form->lblKey.Enabled());
  Form->rbMacros.Click();
  EXPECT_FALSE(Form->btnKey.Enabled()) << "a macro run presses no key of its own";
  Form->rbCurrentCursorPosition.Click();
  EXPECT_TRUE(Form->btnKey.Enabled());
  Form->cbButton.Select(1);
  EXPECT_FALSE(Form->btnKey.Enabled());
}

// The keys a hotkey field refuses are taken alone, with whatever modifiers are held; the press and
// release reach no window, the modifiers' own do.
TEST_F(ClickKeyTest, TheNextKeyPressedIsTakenWhateverItIs) {
  ChooseKeyButton();
  struct TCase {
    uint32_t Vk;
    uint32_t Modifiers;
    const char* Shown;
  };
  const TCase Cases[] = {
      {Vk::Tab, 0, "Tab"},
      {Vk::Escape, 0, "Esc"},
      {Vk::Return, 0, "Enter"},
      {Vk::Back, 0, "BkSp"},
      {Vk::Left, 0, "Left"},
      {Vk::Space, 0, "Space"},
      {Vk::Tab, Mod::Shift, "Shift+Tab"},
      {0x74, Mod::Control | Mod::Alt, "Ctrl+Alt+F5"},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Shown);
    BeginCapture();
    ASSERT_TRUE(Form->CapturingKey());
    EXPECT_EQ(Form->btnKey.Caption(), "Press a key...");
    EXPECT_EQ(Status(), "Press the key for the clicks. A mouse click cancels.");
    if ((C.Modifiers & Mod::Control) != 0) {
      EXPECT_FALSE(Key(0xA2, true, Mod::Control)) << "a modifier waits";
    }
    EXPECT_TRUE(Key(C.Vk, true, C.Modifiers));
    EXPECT_FALSE(Form->CapturingKey());
    EXPECT_EQ(Form->ClickKey(), (TKeyStroke{C.Vk, C.Modifiers}));
    EXPECT_EQ(Form->btnKey.Caption(), C.Shown);
    EXPECT_EQ(Status(), "Ready");
    EXPECT_TRUE(Key(C.Vk, false, C.Modifiers)) << "its release is taken too";
    EXPECT_TRUE(HooksGone());
    EXPECT_FALSE(Key(C.Vk, true)) << "the keyboard belongs to the other programs again";
  }

  // A modifier pressed and released alone is the key itself; a release whose press came before
  // the capture is no key.
  BeginCapture();
  EXPECT_FALSE(Key('A', false));
  EXPECT_FALSE(Key(0xA0, true, Mod::Shift));
  EXPECT_FALSE(Key(0xA0, false));
  EXPECT_EQ(Form->ClickKey(), (TKeyStroke{0xA0, 0}));
  EXPECT_EQ(Form->btnKey.Caption(), "Shift");
  EXPECT_TRUE(HooksGone());
}

TEST_F(ClickKeyTest, AMouseClickOrTheButtonAgainCancelsAndKeepsTheKey) {
  ChooseKeyButton();
  const int32_t ButtonId = Form->ControlId(Form->btnKey);
  P.Window.ControlIds[{50, 60}] = ButtonId;

  BeginCapture();
  EXPECT_FALSE(P.MouseHook.Send(MouseMessages::Move, 10, 10)) << "moves do not cancel";
  EXPECT_FALSE(P.MouseHook.Send(MouseMessages::RightDown, 10, 10)) << "the click elsewhere reaches its window";
  EXPECT_FALSE(Form->CapturingKey());
  EXPECT_TRUE(HooksGone());

  BeginCapture();
  EXPECT_TRUE(P.MouseHook.Send(MouseMessages::LeftDown, 50, 60)) << "taken: passed on, it would begin another";
  EXPECT_TRUE(P.MouseHook.Send(MouseMessages::LeftUp, 50, 60));
  EXPECT_FALSE(Form->CapturingKey());

  BeginCapture();
  BeginCapture();  // by the keyboard: the button pressed again
  EXPECT_FALSE(Form->CapturingKey());
  EXPECT_TRUE(HooksGone());
  EXPECT_EQ(Form->ClickKey(), kDefaultClickKey);
  EXPECT_EQ(Form->btnKey.Caption(), "Space");
  EXPECT_EQ(Status(), "Ready");

  // Start during a capture: the run presses the key the button showed.
  BeginCapture();
  Form->btnStart.Click();
  EXPECT_FALSE(Form->CapturingKey());
  EXPECT_TRUE(HooksGone());
  Form->btnStop.Click();
}

TEST_F(ClickKeyTest, TheKeyIsKeptInSettingsAndWhatNoRunCouldPressMeansSpace) {
  ChooseKeyButton();
  BeginCapture();
  Key(0x74, true, Mod::Control | Mod::Shift);
  Restart();
  EXPECT_NE(Saved().find("[Click]\r\nbutton=3\r\ntype=0\r\nholdMs=80\r\nkeyVk=116\r\nkeyMod=6\r\n"), std::string::npos);
  EXPECT_EQ(Form->cbButton.ItemIndex(), kButtonKeyIndex);
  EXPECT_TRUE(Form->btnKey.Enabled());
  EXPECT_EQ(Form->ClickKey(), (TKeyStroke{0x74, Mod::Control | Mod::Shift}));
  EXPECT_EQ(Form->btnKey.Caption(), "Shift+Ctrl+F5");

  struct TCase {
    const char* Entries;
    TKeyStroke Key;
  };
  const TCase Cases[] = {
      {"", kDefaultClickKey},
      {"keyVk=0\r\nkeyMod=2\r\n", {Vk::Space, Mod::Control}},
      {"keyVk=255\r\nkeyMod=0\r\n", kDefaultClickKey},
      {"keyVk=-5\r\nkeyMod=16\r\n", kDefaultClickKey},
      {"keyVk=13\r\nkeyMod=9\r\n", {Vk::Return, Mod::Alt | Mod::Win}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Entries);
    StartWith(std::string("[Click]\r\nbutton=1\r\n") + C.Entries);
    EXPECT_EQ(Form->ClickKey(), C.Key);
    EXPECT_EQ(Form->cbButton.ItemIndex(), 1) << "the button as before";
  }
}

// The key goes where the keyboard's focus is: a run at a point does not move the mouse for it.
TEST_F(ClickKeyTest, ARunPressesTheKeyAtItsIntervalAndLetsGoWhenStopped) {
  ChooseKeyButton();
  BeginCapture();
  Key('E', true, Mod::Shift);
  Key('E', false, Mod::Shift);
  Form->rbCoordinates.Click();
  Form->cbClickType.Select(static_cast<int32_t>(TClickKind::ckHold));
  Form->seHoldMs.SetValue(300);
  P.SentInput.clear();
  Form->btnStart.Click();
  P.Time.RunFor(250);
  EXPECT_EQ(KeysSent(), (std::vector<std::string>{"D10", "D45"}));
  Form->btnStop.Click();
  EXPECT_EQ(KeysSent(), (std::vector<std::string>{"D10", "D45", "U45", "U10"}));
  EXPECT_FALSE(Form->Running());
}

}  // namespace
}  // namespace nevra::test
