// The compact strip and the tray: what is saved on the way in and restored on the way out.
#include <gtest/gtest.h>

#include "product/AppInfo.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

class WindowModesTest : public FormFixture {
 protected:
  // The stop hotkey's run: enter the strip through a run, leave it by stopping.
  void StartRun() { Form->btnStart.Click(); }
  void StopRun() { Form->btnStop.Click(); }
};

TEST_F(WindowModesTest, StripSitsInTheCornerOfTheWorkAreaAtHalfTheWidth) {
  struct Case {
    int32_t WindowWidth, StripWidth;
  };
  for (const Case C : {Case{601, 300}, Case{575, 287}, Case{350, 200}, Case{399, 200}}) {
    SCOPED_TRACE(C.WindowWidth);
    P.Window.Bounds = {50, 60, 50 + C.WindowWidth, 60 + 600};
    P.Window.WorkArea = {0, 0, 1280, 984};
    StartRun();
    // Caption 23 plus twice the 4-pixel sizing frame.
    EXPECT_EQ(P.Window.Bounds, (TRect{1280 - C.StripWidth - 16, 984 - 31 - 16, 1280 - 16, 984 - 16}));
    EXPECT_TRUE(P.Window.TopMost);
    EXPECT_FALSE(Form->pnlStatusBar.Visible());
    StopRun();
    EXPECT_EQ(P.Window.Bounds, (TRect{50, 60, 50 + C.WindowWidth, 60 + 600}));
    EXPECT_TRUE(Form->pnlStatusBar.Visible());
  }
}

TEST_F(WindowModesTest, TopMostStateFromBeforeTheRunIsRestored) {
  for (bool TopMost : {true, false}) {
    SCOPED_TRACE(TopMost);
    Form->chkTopMost.SetChecked(TopMost);
    StartRun();
    EXPECT_TRUE(P.Window.TopMost);
    StopRun();
    EXPECT_EQ(P.Window.TopMost, TopMost);
    EXPECT_EQ(Form->chkTopMost.Checked(), TopMost);
  }
}

TEST_F(WindowModesTest, EnteringTwiceAndLeavingOnceRestoresWhatWasThereBeforeTheFirst) {
  const TRect Before = P.Window.Bounds;
  Form->seStartDelaySS.SetValue(1);
  StartRun();           // first entry
  P.Time.RunFor(1000);  // second entry when the delay ends
  StopRun();
  EXPECT_EQ(P.Window.Bounds, Before);
  EXPECT_EQ(Form->Caption(), MainWindowCaption());
  EXPECT_FALSE(P.Window.TopMost);
}

TEST_F(WindowModesTest, TrayClickShowsAndForegroundsAndLeavesTheRunAlone) {
  Form->chkMinimizeToTrayOnStart.SetChecked(true);
  StartRun();
  EXPECT_FALSE(P.Window.Visible);
  Form->trayIcon.Click();
  EXPECT_TRUE(P.Window.Visible);
  EXPECT_EQ(P.Window.Calls.back(), "BringToForeground");
  EXPECT_TRUE(Form->Running());
  P.Time.RunFor(100);
  EXPECT_EQ(Form->ClicksDone(), 1u);

  // On a visible window it only brings it to the front.
  P.Window.Calls.clear();
  Form->trayIcon.Click();
  EXPECT_EQ(P.Window.Calls, (std::vector<std::string>{"Show", "RestoreApplication", "BringToForeground"}));
}

TEST_F(WindowModesTest, TrayIconShowsTheTitle) { EXPECT_EQ(Form->trayIcon.Caption(), kApplicationTitle); }

}  // namespace
}  // namespace nevra::test
