// The global hotkeys: their texts, their registration and what each does in each state.
#include <gtest/gtest.h>

#include "engine/GlobalHotkeys.h"
#include "engine/HotkeyText.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

constexpr uint32_t kCtrlShift = HotkeyModifiers::Control | HotkeyModifiers::Shift;

TEST(HotkeyToText, NamesModifiersThenKey) {
  const TKeyNameLookup Layout = [](uint32_t AVk) { return AVk == 0xBA ? std::string(";") : std::string(); };
  struct Case {
    uint32_t Vk, Modifiers;
    const char* Text;
  };
  const Case Cases[] = {
      {83, 6, "Shift+Ctrl+S"},
      {88, 6, "Shift+Ctrl+X"},
      {116, 8, "Win+F5"},
      {65, 15, "Win+Shift+Ctrl+Alt+A"},
      {65, 0, "A"},
      {300, 8, "Win+"},
      {300, 6, ""},
      {48, 1, "Alt+0"},
      {135, 0, "F24"},
      {8, 0, "BkSp"},
      {27, 2, "Ctrl+Esc"},
      {46, 4, "Shift+Del"},
      {0xBA, 2, "Ctrl+;"},
      {0xBB, 2, ""},
      {0xBB, 10, "Win+"},
      {65, 6 | 0x4000, "Shift+Ctrl+A"},
  };
  for (const Case& C : Cases) EXPECT_EQ(HotkeyToText(C.Vk, C.Modifiers, Layout), C.Text) << C.Vk << "/" << C.Modifiers;
}

// The hotkey dialog hands a whole new set over: taken whole, or not at all.
TEST(GlobalHotkeys, ANewSetIsTakenWholeOrTheOldOneStaysRegistered) {
  using A = THotkeyAction;
  using R = fake::TFakeHotkeys::TRegistration;
  const THotkeyData F6{0x75, 0}, F7{0x76, 0}, CtrlQ{'Q', HotkeyModifiers::Control};
  struct TCase {
    const char* What;
    THotkeySet Keys;
    std::optional<THotkeyProblem> Problem;
  };
  const TCase Cases[] = {
      {"all new", {F6, F7, CtrlQ}, std::nullopt},
      {"stop as start", {F6, F6, CtrlQ}, THotkeyProblem{THotkeyProblem::hpSameAsAnother, A::haStop, A::haStart}},
      {"recording as stop",
       {F6, F7, F7},
       THotkeyProblem{THotkeyProblem::hpSameAsAnother, A::haStartRecording, A::haStop}},
      {"stop empty", {F6, THotkeyData{}, CtrlQ}, THotkeyProblem{THotkeyProblem::hpEmpty, A::haStop}},
      {"stop with modifiers only",
       {F6, THotkeyData{0, HotkeyModifiers::Alt}, CtrlQ},
       THotkeyProblem{THotkeyProblem::hpEmpty, A::haStop}},
      {"start beyond the keys",
       {THotkeyData{256, 0}, F7, CtrlQ},
       THotkeyProblem{THotkeyProblem::hpInvalid, A::haStart}},
      {"unknown modifier bits",
       {F6, F7, THotkeyData{'Q', 0x10}},
       THotkeyProblem{THotkeyProblem::hpInvalid, A::haStartRecording}},
      {"held by another program",
       {F6, {'X', HotkeyModifiers::Alt}, CtrlQ},
       THotkeyProblem{THotkeyProblem::hpRefused, A::haStop}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    fake::TFakeHotkeys System;
    System.TakenByOthers.insert({HotkeyModifiers::Alt, 'X'});
    TGlobalHotkeys Hotkeys(System);
    Hotkeys.Register();
    const auto Before = System.Registered;
    EXPECT_EQ(Hotkeys.Replace(C.Keys), C.Problem);
    if (C.Problem) {
      EXPECT_EQ(System.Registered, Before);
      EXPECT_EQ(Hotkeys.Get(A::haStart), kDefaultStartHotkey);
    } else {
      EXPECT_EQ(System.Registered,
                (std::map<int32_t, R>{{1001, R{0x4000, 0x75}}, {1002, R{0x4000, 0x76}}, {1003, R{0x4002, 'Q'}}}));
    }
  }
}

class HotkeysTest : public FormFixture {
 protected:
  bool Press(uint32_t AVk) { return P.PressHotkey(kCtrlShift, AVk); }
};

TEST_F(HotkeysTest, DefaultsAreRegisteredWithoutRepeatAndNamedInTheHotkeyLine) {
  using R = fake::TFakeHotkeys::TRegistration;
  EXPECT_EQ(P.Hotkeys.Registered,
            (std::map<int32_t, R>{{1001, R{0x4006, 83}}, {1002, R{0x4006, 88}}, {1003, R{0x4006, 82}}}));
  EXPECT_EQ(Form->lblHotkeys.Caption(), "Hotkeys \xE2\x80\x94 Start: Shift+Ctrl+S  |  Stop: Shift+Ctrl+X");
  Form->FormDestroy();
  EXPECT_TRUE(P.Hotkeys.Registered.empty());
}

TEST_F(HotkeysTest, AHotkeyAnotherProgramHoldsIsReportedOnceAtStartUp) {
  P.Hotkeys.TakenByOthers.insert({kCtrlShift, 'X'});
  Create();
  EXPECT_EQ(Status(), "Hotkey Shift+Ctrl+X is in use by another program.");
  EXPECT_TRUE(P.Hotkeys.Registered.count(1001)) << "the others still work";
  EXPECT_FALSE(P.Hotkeys.Registered.count(1002));
}

// One spelling everywhere a combination is named: the hotkey line's, in messages and captions too.
TEST_F(HotkeysTest, MessagesAndCaptionsSpellACombinationAsTheHotkeyLineDoes) {
  constexpr uint32_t kAll = HotkeyModifiers::Control | HotkeyModifiers::Alt | HotkeyModifiers::Shift;
  P.Files.Files[kSettingsPath] = "[HotkeyStart]\r\nvk=75\r\nmod=7\r\n[HotkeyStop]\r\nvk=76\r\nmod=3\r\n";
  P.Hotkeys.TakenByOthers.insert({kAll, 'K'});
  Create();
  EXPECT_EQ(Form->lblHotkeys.Caption(), "Hotkeys \xE2\x80\x94 Start: Shift+Ctrl+Alt+K  |  Stop: Ctrl+Alt+L");
  EXPECT_EQ(Status(), "Hotkey Shift+Ctrl+Alt+K is in use by another program.");
  UserClick(Form->btnStart);
  EXPECT_EQ(Form->Caption(), "  Running... Press Ctrl+Alt+L to stop");
}

TEST_F(HotkeysTest, StartAndStopHotkeysDriveARun) {
  ASSERT_TRUE(Press('S'));
  EXPECT_TRUE(Form->Running());
  P.Time.RunFor(300);
  ASSERT_TRUE(Press('S'));  // no restart, no reset
  EXPECT_EQ(Form->ClicksDone(), 3u);
  Press('R');  // nothing while clicking
  ASSERT_TRUE(Press('X'));
  EXPECT_EQ(Status(), "Stopped by hotkey. Clicks done: 3");
  Press('X');  // idle: nothing
  Press('R');
  EXPECT_EQ(Status(), "Stopped by hotkey. Clicks done: 3");
  EXPECT_FALSE(Form->Running());
}

TEST_F(HotkeysTest, StopHotkeyInMacroModeCountsRuns) {
  Press('S');
  Form->rbMacros.Click();
  Press('X');
  EXPECT_EQ(Status(), "Stopped by hotkey. Runs done: 0");
}

TEST_F(HotkeysTest, StripCaptionNamesTheStopHotkey) {
  Press('S');
  EXPECT_EQ(Form->Caption(), "  Running... Press Shift+Ctrl+X to stop");
}

}  // namespace
}  // namespace nevra::test
