// A run for a time from the window: the choice and its three boxes, the time left in the strip
// and in the tray icon's tip, the end with its own status text, a macro played for a time, and
// the entries settings.ini keeps.
#include <gtest/gtest.h>

#include "macros/MacroModel.h"
#include "product/AppInfo.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

class RunForTimeTest : public FormFixture {
 protected:
  void ForTime(int AH, int AM, int AS) {
    Form->rbForTime.Click();
    Form->seForHours.SetValue(AH);
    Form->seForMinutes.SetValue(AM);
    Form->seForSeconds.SetValue(AS);
  }
};

TEST_F(RunForTimeTest, TheBoxesAreUsableOnlyWithTheChoice) {
  EXPECT_FALSE(Form->rbForTime.Checked());
  EXPECT_FALSE(Form->seForHours.Enabled());
  ForTime(0, 1, 0);
  EXPECT_TRUE(Form->seForHours.Enabled());
  EXPECT_TRUE(Form->seForSeconds.Enabled());
  EXPECT_FALSE(Form->seRepeat.Enabled());
  Form->rbRepeatCount.Click();
  EXPECT_FALSE(Form->seForMinutes.Enabled());
  EXPECT_TRUE(Form->seRepeat.Enabled());
}

TEST_F(RunForTimeTest, AClickRunShowsTheTimeLeftAndEndsByItselfWithItsCount) {
  ForTime(0, 0, 3);
  Form->btnStart.Click();
  EXPECT_EQ(Form->Caption(), "  Running, 0:00:03 left... Press Shift+Ctrl+X to stop");
  EXPECT_EQ(Form->trayIcon.Caption(), std::string(kApplicationTitle) + " \xE2\x80\x94 0:00:03 left");
  P.Time.RunFor(1000);
  EXPECT_EQ(Form->Caption(), "  Running, 0:00:02 left... Press Shift+Ctrl+X to stop");
  EXPECT_EQ(Form->trayIcon.Caption(), std::string(kApplicationTitle) + " \xE2\x80\x94 0:00:02 left");
  P.Time.RunFor(2000);
  EXPECT_FALSE(Form->Running());
  EXPECT_EQ(Status(), "Time is up. Clicks done: 30");
  EXPECT_EQ(Form->trayIcon.Caption(), kApplicationTitle);
  EXPECT_EQ(Form->Caption(), MainWindowCaption());
  EXPECT_EQ(P.Time.ArmedTimerCount(), 0) << "the time left is no longer shown";

  // No time at all: nothing starts, and the message says what is missing.
  ForTime(0, 0, 0);
  Form->btnStart.Click();
  EXPECT_FALSE(Form->Running());
  ASSERT_FALSE(P.Dialogs.Shown.empty());
  EXPECT_EQ(P.Dialogs.Shown.back().Text, "Set how long the run lasts.");
}

TEST_F(RunForTimeTest, AMacroPlaysForTheTimeAndCountsItsCompletePasses) {
  TRecordedMacro Macro;
  Macro.SetName("Clicks");
  Macro.MutableEvents() = {{100, mekDown, 5, 5, 0}, {300, mekUp, 5, 5, 0}, {400, mekMove, 6, 6, -1}};
  Macro.SaveToFile(P.Files, std::string(kMacrosFolder) + "\\clicks.nevramac");
  Restart();
  Form->rbMacros.Click();
  Form->lbMacros.Select(0);
  ForTime(0, 0, 1);
  UserClick(Form->btnStart);
  EXPECT_EQ(Status(), "Time is up. Runs done: 2");
  EXPECT_EQ(Events().back(), "U0") << "the third pass's press is let go";
}

TEST_F(RunForTimeTest, TheChoiceAndTheTimeAreKeptAndAnOlderFileMeansWhatItMeant) {
  ForTime(99, 59, 59);
  Restart();
  EXPECT_NE(Saved().find("[Repeat]\r\nuntilStopped=0\r\ncount=100\r\nforTime=1\r\nforSeconds=359999\r\n"),
            std::string::npos);
  EXPECT_TRUE(Form->rbForTime.Checked());
  EXPECT_EQ(Form->seForHours.Value(), 99);
  EXPECT_EQ(Form->seForSeconds.Value(), 59);

  StartWith("[Repeat]\r\nuntilStopped=0\r\ncount=7\r\n");
  EXPECT_TRUE(Form->rbRepeatCount.Checked());
  EXPECT_EQ(Form->seForMinutes.Value(), 1) << "a minute until the user sets another time";
  StartWith("[Repeat]\r\nforTime=1\r\nforSeconds=-3\r\n");
  EXPECT_TRUE(Form->rbForTime.Checked());
  EXPECT_EQ(Form->seForMinutes.Value(), 1);
}

}  // namespace
}  // namespace nevra::test
