// The window's own reactions: enabling rules, the two exclusive options, the link, About.
#include <gtest/gtest.h>

#include <map>

#include "support/FormFixture.h"

namespace nevra::test {
namespace {

class BehavioursTest : public FormFixture {
 protected:
  std::map<std::string, bool> EnabledStates() const {
    std::map<std::string, bool> States;
    for (const TControl* C : Form->Controls()) States[C->Name()] = C->Enabled();
    return States;
  }
};

TEST_F(BehavioursTest, TargetModeDecidesWhichControlsAreEnabled) {
  const std::vector<std::string> Clicking = {"grpInterval",  "seHours",  "seMinutes",  "seSeconds", "seMillis",
                                             "lblH",         "lblM",     "lblS",       "lblMS",     "chkJitter",
                                             "grpClickType", "cbButton", "cbClickType"};
  const std::vector<std::string> Coords = {"edtCoordX", "lblCoordSeparator", "edtCoordY"};
  const std::vector<std::string> Macros = {"btnCreateMacros", "bRemove", "bRename", "lbMacros"};
  struct Case {
    TRadioButton* Radio;
    bool Jitter, Hold;
    bool ClickingOn, CoordsOn, MacrosOn, JitterOn, HoldOn;
  };
  const Case Cases[] = {
      {&Form->rbCurrentCursorPosition, false, false, true, false, false, false, false},
      {&Form->rbCurrentCursorPosition, true, true, true, false, false, true, true},
      {&Form->rbCoordinates, true, true, true, true, false, true, true},
      {&Form->rbCoordinates, false, false, true, true, false, false, false},
      {&Form->rbMacros, true, true, false, false, true, false, false},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Radio->Name() + (C.Jitter ? " jitter" : "") + (C.Hold ? " hold" : ""));
    Form->rbMacros.Click();  // every case starts from another mode
    Form->rbCurrentCursorPosition.Click();
    Form->chkJitter.SetChecked(C.Jitter);
    Form->cbClickType.SetItemIndex(C.Hold ? 2 : 0);
    Form->rbMacros.Click();
    C.Radio->Click();
    auto States = EnabledStates();
    for (const auto& Name : Clicking) EXPECT_EQ(States[Name], C.ClickingOn) << Name;
    for (const auto& Name : Coords) EXPECT_EQ(States[Name], C.CoordsOn) << Name;
    for (const auto& Name : Macros) EXPECT_EQ(States[Name], C.MacrosOn) << Name;
    EXPECT_EQ(States["seJitterMs"], C.JitterOn);
    EXPECT_EQ(States["seHoldMs"], C.HoldOn);
    EXPECT_EQ(States["lblHold"], C.HoldOn);
    // Never touched by the target mode.
    for (const char* Name : {"rbCurrentCursorPosition", "rbCoordinates", "rbMacros", "rbUntilStopped", "rbRepeatCount",
                             "grpDelay", "seStartDelaySS", "grpSafety", "btnStart"})
      EXPECT_TRUE(States[Name]) << Name;
  }
}

TEST_F(BehavioursTest, RepeatJitterAndHoldFollowTheirOwnControl) {
  Form->rbRepeatCount.Click();
  EXPECT_TRUE(Form->seRepeat.Enabled());
  Form->rbUntilStopped.Click();
  EXPECT_FALSE(Form->seRepeat.Enabled());
  Form->chkJitter.Click();
  EXPECT_TRUE(Form->seJitterMs.Enabled());
  Form->chkJitter.Click();
  EXPECT_FALSE(Form->seJitterMs.Enabled());
  Form->cbClickType.Select(2);
  EXPECT_TRUE(Form->seHoldMs.Enabled());
  EXPECT_TRUE(Form->lblHold.Enabled());
  Form->cbClickType.SetItemIndex(-1);
  Form->cbClickTypeChange();
  EXPECT_FALSE(Form->seHoldMs.Enabled()) << "no selection is not Hold";
}

TEST_F(BehavioursTest, TheTwoWindowOptionsExcludeEachOtherWhicheverComesLast) {
  Form->chkMinimizeToTrayOnStart.Click();
  Form->chkTopMost.Click();
  EXPECT_TRUE(Form->chkTopMost.Checked());
  EXPECT_FALSE(Form->chkMinimizeToTrayOnStart.Checked());
  EXPECT_TRUE(P.Window.TopMost);

  Form->chkMinimizeToTrayOnStart.Click();
  EXPECT_TRUE(Form->chkMinimizeToTrayOnStart.Checked());
  EXPECT_FALSE(Form->chkTopMost.Checked());
  EXPECT_FALSE(P.Window.TopMost);

  Form->chkMinimizeToTrayOnStart.Click();
  EXPECT_FALSE(Form->chkMinimizeToTrayOnStart.Checked());
  EXPECT_FALSE(Form->chkTopMost.Checked()) << "unchecking one never checks the other";
}

TEST_F(BehavioursTest, LinkUnderlinesOnHoverAndOpensTheSite) {
  Form->lnkWebsite.OnMouseEnter();
  EXPECT_TRUE(Form->lnkWebsite.Underlined());
  Form->lnkWebsite.OnMouseLeave();
  EXPECT_FALSE(Form->lnkWebsite.Underlined());
  Form->lnkWebsite.OnClick();
  EXPECT_EQ(P.Shell.Opened, (std::vector<std::string>{"https://www.nevra-autoclicker.example"}));
}

TEST_F(BehavioursTest, AboutBoxNamesTitleVersionAndHost) {
  Form->btnAbout.Click();
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkInformation);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, std::string(kApplicationTitle) + "\r\nVersion: " + kVersion +
                                         "\r\n\r\nWebsite: www.nevra-autoclicker.example");
}

}  // namespace
}  // namespace nevra::test

#include "app/WebsiteHost.h"

namespace nevra {
namespace {
TEST(WebsiteHost, StripsSchemePortAndPath) {
  EXPECT_EQ(WebsiteHost("https://www.nevra-autoclicker.example"), "www.nevra-autoclicker.example");
  EXPECT_EQ(WebsiteHost("http://example.org:8080/download/x.exe"), "example.org");
  EXPECT_EQ(WebsiteHost("example.org/"), "example.org");
}
}  // namespace
}  // namespace nevra
