// The click run in virtual time: when clicks happen, how many, and what the status line says.
#include <gtest/gtest.h>

#include "product/AppInfo.h"
#include "support/FormFixture.h"
#include "support/RunSeeds.h"

namespace nevra::test {
namespace {

using ::testing::ElementsAre;

class RunFromWindowTest : public FormFixture {
 protected:
  void SetInterval(int AH, int AM, int AS, int AMs) {
    Form->seHours.SetValue(AH);
    Form->seMinutes.SetValue(AM);
    Form->seSeconds.SetValue(AS);
    Form->seMillis.SetValue(AMs);
  }
  void Start() { Form->btnStart.Click(); }
  void Stop() { Form->btnStop.Click(); }
  size_t Clicks() const { return PressTimes().size(); }
};

TEST_F(RunFromWindowTest, DefaultsAfterCreation) {
  EXPECT_EQ(Form->Caption(), MainWindowCaption());
  EXPECT_EQ(Status(), "Ready");
  EXPECT_EQ(Form->seHours.Text(), "0");
  EXPECT_EQ(Form->seMinutes.Text(), "0");
  EXPECT_EQ(Form->seSeconds.Text(), "0");
  EXPECT_EQ(Form->seMillis.Text(), "100");
  EXPECT_FALSE(Form->chkJitter.Checked());
  EXPECT_EQ(Form->seJitterMs.Value(), 0);
  EXPECT_FALSE(Form->seJitterMs.Enabled());
  EXPECT_TRUE(Form->rbCurrentCursorPosition.Checked());
  EXPECT_FALSE(Form->rbCoordinates.Checked());
  EXPECT_FALSE(Form->rbMacros.Checked());
  EXPECT_FALSE(Form->edtCoordX.Enabled());
  EXPECT_FALSE(Form->edtCoordY.Enabled());
  EXPECT_FALSE(Form->lbMacros.Enabled());
  EXPECT_FALSE(Form->btnCreateMacros.Enabled());
  EXPECT_EQ(Form->cbButton.ItemIndex(), 0);
  EXPECT_EQ(Form->cbButton.Items(), (std::vector<std::string>{"Left", "Right", "Middle", "Key"}));
  EXPECT_EQ(Form->cbClickType.ItemIndex(), 0);
  EXPECT_EQ(Form->cbClickType.Items(), (std::vector<std::string>{"Single", "Double", "Hold"}));
  EXPECT_EQ(Form->seHoldMs.Value(), 80);
  EXPECT_FALSE(Form->seHoldMs.Enabled());
  EXPECT_FALSE(Form->lblHold.Enabled());
  EXPECT_EQ(Form->seStartDelaySS.Value(), 0);
  EXPECT_TRUE(Form->rbUntilStopped.Checked());
  EXPECT_EQ(Form->seRepeat.Value(), 100);
  EXPECT_FALSE(Form->seRepeat.Enabled());
  EXPECT_FALSE(Form->chkTopMost.Checked());
  EXPECT_FALSE(Form->chkMinimizeToTrayOnStart.Checked());
  EXPECT_TRUE(Form->btnStart.Enabled());
  EXPECT_FALSE(Form->btnStop.Enabled());
  EXPECT_FALSE(Form->Run().Active());
  EXPECT_EQ(P.Time.ArmedTimerCount(), 0) << "no run timer ticks";
  EXPECT_EQ(Form->lnkWebsite.Caption(), "https://www.nevra-autoclicker.example");
}

TEST_F(RunFromWindowTest, FirstClickComesOneIntervalAfterStart) {
  Start();
  EXPECT_EQ(Status(), "Started");
  EXPECT_TRUE(Form->btnStop.Enabled());
  EXPECT_FALSE(Form->btnStart.Enabled());
  P.Time.RunFor(99);
  EXPECT_EQ(Clicks(), 0u);
  P.Time.RunFor(1);
  EXPECT_THAT(PressTimes(), ElementsAre(100));
  P.Time.RunFor(300);
  EXPECT_THAT(PressTimes(), ElementsAre(100, 200, 300, 400));
  EXPECT_EQ(Form->ClicksDone(), 4u);
}

TEST_F(RunFromWindowTest, IntervalIsTheSumOfTheBoxesAndAtLeastOneMillisecond) {
  struct Case {
    int H, M, S, Ms;
    uint64_t Expected;
  };
  for (const Case C :
       {Case{0, 0, 0, 0, 1}, Case{0, 0, 1, 0, 1000}, Case{0, 1, 2, 3, 62003}, Case{1, 0, 0, 5, 3600005}}) {
    SCOPED_TRACE(C.Expected);
    SetInterval(C.H, C.M, C.S, C.Ms);
    const uint64_t T0 = P.Time.Now();
    Start();
    P.Time.RunFor(C.Expected * 3);
    Stop();
    const auto Times = PressTimes();
    ASSERT_EQ(Times.size(), 3u);
    EXPECT_EQ(Times[0] - T0, C.Expected);
    EXPECT_EQ(Times[1] - Times[0], C.Expected);
    EXPECT_EQ(Times[2] - Times[1], C.Expected);
    P.Input.ClearSent();
  }
}

TEST_F(RunFromWindowTest, StartDelayComesBeforeTheFirstInterval) {
  Form->seStartDelaySS.SetValue(2);
  SetInterval(0, 0, 0, 500);
  Start();
  EXPECT_TRUE(Form->Run().Delaying());
  P.Time.RunFor(2499);
  EXPECT_EQ(Clicks(), 0u);
  P.Time.RunFor(1);
  EXPECT_THAT(PressTimes(), ElementsAre(2500));
  EXPECT_FALSE(Form->Run().Delaying());
}

TEST_F(RunFromWindowTest, RepeatCountGivesExactlyThatManyClicksThenCompletesOneIntervalLater) {
  Form->rbRepeatCount.SetChecked(true);
  Form->seRepeat.SetValue(3);
  Start();
  P.Time.RunFor(399);
  EXPECT_THAT(PressTimes(), ElementsAre(100, 200, 300));
  EXPECT_EQ(Status(), "Started");
  P.Time.RunFor(1);
  EXPECT_EQ(Status(), "Completed repeat count. Clicks done: 3");
  EXPECT_FALSE(Form->Running());
  EXPECT_TRUE(Form->btnStart.Enabled());
  EXPECT_FALSE(Form->btnStop.Enabled());
  P.Time.RunFor(1000);
  EXPECT_EQ(Clicks(), 3u);
  EXPECT_EQ(P.Time.ArmedTimerCount(), 0);
}

TEST_F(RunFromWindowTest, SwitchingToACountAlreadyReachedEndsTheRunAtTheNextTick) {
  Form->seRepeat.SetValue(2);
  Start();
  P.Time.RunFor(500);
  EXPECT_EQ(Clicks(), 5u);
  Form->rbRepeatCount.Click();
  P.Time.RunFor(100);
  EXPECT_EQ(Clicks(), 5u);
  EXPECT_EQ(Status(), "Completed repeat count. Clicks done: 5");
}

TEST_F(RunFromWindowTest, JitterDrawsMinusZeroPlusAndClampsToOneMillisecond) {
  Form->chkJitter.SetChecked(true);
  Form->seJitterMs.SetValue(150);
  // Draws 0, 1, 2 give k = -1, 0, +1: intervals 100 - 150 (clamped to 1), 100 and 250.
  P.Random.Script = {SeedDrawingThreeValues({0, 1, 2, 1})};
  Start();
  P.Time.RunFor(1 + 100 + 250);
  EXPECT_THAT(PressTimes(), ElementsAre(1, 101, 351));
  EXPECT_EQ(P.Random.Bounds.size(), 1u) << "the run draws its seed once, then draws from its own generator";
}

TEST_F(RunFromWindowTest, JitterIsIgnoredWhileItsBoxIsUnchecked) {
  Form->seJitterMs.SetValue(50);
  P.Random.Script = {0, 2, 0};
  Start();
  P.Time.RunFor(300);
  EXPECT_THAT(PressTimes(), ElementsAre(100, 200, 300));
}

TEST_F(RunFromWindowTest, ChangesDuringARunTakeEffectAtTheNextTick) {
  Start();
  P.Time.RunFor(100);
  SetInterval(0, 0, 0, 40);
  P.Time.RunFor(180);
  // The tick at 200 arms the new interval from the end of its click.
  EXPECT_THAT(PressTimes(), ElementsAre(100, 200, 240, 280));
}

TEST_F(RunFromWindowTest, StopTextsNameTheCountAndTheMode) {
  Start();
  P.Time.RunFor(250);
  Stop();
  EXPECT_EQ(Status(), "Stopped by button. Clicks done: 2");
  EXPECT_TRUE(Form->btnStart.Enabled());
  EXPECT_FALSE(Form->btnStop.Enabled());
  EXPECT_EQ(P.Time.ArmedTimerCount(), 0);

  // The macro wording is chosen by the target at the moment of stopping.
  Start();
  P.Time.RunFor(100);
  Form->rbMacros.Click();
  Stop();
  EXPECT_EQ(Status(), "Stopped by button. Runs done: 1");
}

TEST_F(RunFromWindowTest, StopDuringTheStartDelayMeansNoClickEver) {
  Form->seStartDelaySS.SetValue(2);
  Start();
  P.Time.RunFor(1500);
  Stop();
  EXPECT_EQ(Status(), "Stopped by button. Clicks done: 0");
  P.Time.RunFor(5000);
  EXPECT_EQ(Clicks(), 0u);
}

TEST_F(RunFromWindowTest, StartWhileRunningChangesNothing) {
  Start();
  P.Time.RunFor(250);
  Form->btnStartClick();  // as the start hotkey would, past the disabled button
  EXPECT_EQ(Form->ClicksDone(), 2u);
  P.Time.RunFor(50);
  EXPECT_THAT(PressTimes(), ElementsAre(100, 200, 300));
}

TEST_F(RunFromWindowTest, StopWhileIdleLeavesTheStatusLine) {
  Form->btnStopClick();
  EXPECT_EQ(Status(), "Ready");
  EXPECT_FALSE(Form->Running());
}

TEST_F(RunFromWindowTest, MacroTargetWithoutASelectedMacroIsRefused) {
  Form->rbMacros.Click();
  Start();
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkInformation);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Please select a macro to play back.");
  EXPECT_FALSE(Form->Running());
  EXPECT_EQ(Status(), "Ready");
  EXPECT_TRUE(Form->btnStart.Enabled());
}

TEST_F(RunFromWindowTest, ClosingStopsTheRun) {
  Start();
  P.Time.RunFor(100);
  EXPECT_TRUE(Form->CloseQuery());
  EXPECT_EQ(Status(), "Closing");
  EXPECT_FALSE(Form->Running());
}

TEST_F(RunFromWindowTest, TheWindowShrinksToTheStripForTheRunAndComesBackAfterIt) {
  const TRect Before = P.Window.Bounds;
  Form->seStartDelaySS.SetValue(1);
  Start();
  EXPECT_TRUE(Form->RecUiActive());
  EXPECT_EQ(Form->Caption(), "  Running... Press Shift+Ctrl+X to stop");
  P.Window.Bounds = {0, 0, 10, 10};  // the user dragged the strip away during the delay
  P.Time.RunFor(1000);
  EXPECT_EQ(P.Window.Bounds.Right, P.Window.WorkArea.Right - 16) << "the delay's end puts it back in its corner";
  Stop();
  EXPECT_FALSE(Form->RecUiActive());
  EXPECT_EQ(P.Window.Bounds, Before);
  EXPECT_EQ(Form->Caption(), MainWindowCaption());
  EXPECT_EQ(P.Window.Calls.back(), "BringToForeground");
}

TEST_F(RunFromWindowTest, MinimiseToTrayHidesTheWindowUntilTheRunEnds) {
  Form->chkMinimizeToTrayOnStart.SetChecked(true);
  Form->rbRepeatCount.SetChecked(true);
  Form->seRepeat.SetValue(1);
  Form->seStartDelaySS.SetValue(1);
  Start();
  EXPECT_FALSE(P.Window.Visible) << "hidden at the start, before the delay";
  P.Time.RunFor(1100);
  EXPECT_FALSE(P.Window.Visible);
  EXPECT_FALSE(Form->RecUiActive());
  P.Time.RunFor(100);
  EXPECT_EQ(Status(), "Completed repeat count. Clicks done: 1");
  EXPECT_TRUE(P.Window.Visible);
  EXPECT_EQ(P.Window.Calls.back(), "BringToForeground");
}

TEST_F(RunFromWindowTest, ATickDueWhenTheRunStoppedDoesNothing) {
  Start();
  P.Time.RunFor(100);
  Stop();
  P.Time.RunFor(1000);
  EXPECT_EQ(Clicks(), 1u);
  EXPECT_EQ(Status(), "Stopped by button. Clicks done: 1");
}

// Ctrl+Shift+S held for half a second: the run waits until the keys are up, so its first click
// carries neither Ctrl nor Shift; the Start button starts at once whatever keys are down.
TEST_F(RunFromWindowTest, TheStartHotkeysKeysAreReleasedBeforeTheFirstClick) {
  P.Hotkeys.DownKeys = {VirtualKeys::Control, VirtualKeys::Shift, 'S'};
  ASSERT_TRUE(P.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'S'));
  P.Time.RunFor(400);
  EXPECT_EQ(Status(), "Waiting for the hotkey's keys to be released...");
  P.Hotkeys.DownKeys = {VirtualKeys::Control};
  P.Time.RunFor(100);
  EXPECT_EQ(Clicks(), 0u) << "Ctrl is still down";
  P.Hotkeys.DownKeys.clear();
  P.Time.RunFor(110);
  EXPECT_THAT(PressTimes(), ElementsAre(610));
  Stop();

  P.Input.ClearSent();
  P.Hotkeys.DownKeys = {VirtualKeys::Control, VirtualKeys::Shift, 'S'};
  const uint64_t T0 = P.Time.Now();
  Start();
  P.Time.RunFor(100);
  EXPECT_THAT(PressTimes(), ElementsAre(T0 + 100));
}

}  // namespace
}  // namespace nevra::test
