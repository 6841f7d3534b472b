// Playback in virtual time: the waits between events, the passes and how a playback ends.
#include <gtest/gtest.h>

#include <functional>

#include "support/FormFixture.h"

namespace nevra::test {
namespace {

const std::string kFolder = kMacrosFolder;

class MacroPlayerTest : public FormFixture {
 protected:
  // Starts the program with one macro of these events, selected, in macro mode.
  void WithMacro(const std::vector<TMacroMouseEvent>& AEvents) {
    TRecordedMacro Macro;
    Macro.SetName("M");
    Macro.MutableEvents() = AEvents;
    P.Files.Folders.insert(kFolder);
    Macro.SaveToFile(P.Files, std::string(kFolder) + "\\m.nevramac");
    Create();
    Form->rbMacros.Click();
  }
  void Repeat(int ACount) {
    Form->rbRepeatCount.Click();
    Form->seRepeat.SetValue(ACount);
  }
  // Virtual times at which records were sent, relative to the start.
  std::vector<uint64_t> SendTimes(uint64_t AStart) const {
    std::vector<uint64_t> Out;
    for (const auto& Sent : P.Input.Sent()) Out.push_back(Sent.AtMs - AStart);
    return Out;
  }
};

TEST_F(MacroPlayerTest, WaitsFollowTheOffsetsFromTheStartOfEachPass) {
  WithMacro({{100, mekMove, 1, 1, -1}, {100, mekMove, 2, 2, -1}, {400, mekMove, 3, 3, -1}});
  Repeat(2);
  const uint64_t Start = P.Time.Now();
  Form->btnStart.Click();
  EXPECT_EQ(SendTimes(Start), (std::vector<uint64_t>{100, 100, 400, 500, 500, 800}));
  EXPECT_EQ(P.Time.Waits(), (std::vector<uint32_t>{100, 300, 100, 300}));
  EXPECT_EQ(Status(), "Completed macro repeat count. Runs done: 2");
}

TEST_F(MacroPlayerTest, TheCostOfEachEventDoesNotSlowThePassDown) {
  std::vector<TMacroMouseEvent> Presses;
  for (uint32_t I = 1; I <= 100; ++I) Presses.push_back({I * 8, mekDown, 5, 5, 0});
  WithMacro(Presses);
  Repeat(1);
  P.Input.CostMicroseconds = 1400;  // each event's input: 1.4 ms of every 8
  const uint64_t Start = P.Time.Now();
  Form->btnStart.Click();
  const auto PressAt = PressTimes();
  ASSERT_EQ(PressAt.size(), 100u);
  EXPECT_EQ(PressAt.front() - Start, 8u);
  EXPECT_EQ(PressAt.back() - Start, 800u) << "the pass lasts as long as the recording";
}

TEST_F(MacroPlayerTest, OffsetsThatGoDownAreNotWaitedFor) {
  WithMacro({{500, mekMove, 1, 1, -1}, {200, mekMove, 2, 2, -1}, {300, mekMove, 3, 3, -1}});
  Repeat(1);
  Form->btnStart.Click();
  EXPECT_EQ(P.Time.Waits(), (std::vector<uint32_t>{500, 100}));
}

TEST_F(MacroPlayerTest, EventsBecomeMovesPressesAndReleasesAndUnknownKindsOnlyWait) {
  WithMacro({{10, mekDown, 960, 540, 0},
             {20, static_cast<TMacroEventKind>(9), 5, 5, 0},
             {30, mekUp, 960, 540, 0},
             {40, mekDown, 0, 0, 7}});
  Repeat(1);
  Form->btnStart.Click();
  EXPECT_EQ(Events(), (std::vector<std::string>{"M", "D0", "M", "U0", "M", "?"}));
  EXPECT_EQ(P.Input.Sent()[0].Record.Dx, 32785);
  EXPECT_EQ(P.Input.Sent()[5].Record.Flags, 0u) << "a button index beyond 2 presses nothing";
  EXPECT_EQ(P.Time.Waits(), (std::vector<uint32_t>{10, 10, 10, 10}));
}

TEST_F(MacroPlayerTest, CountModePlaysThreeTimes) {
  WithMacro({{50, mekDown, 1, 1, 0}, {60, mekUp, 1, 1, 0}});
  Repeat(3);
  Form->btnStart.Click();
  EXPECT_EQ(PressTimes().size(), 3u);
  EXPECT_EQ(Status(), "Completed macro repeat count. Runs done: 3");
  EXPECT_FALSE(Form->Running());
}

TEST_F(MacroPlayerTest, StoppingDuringTheThirdPassCountsTwo) {
  WithMacro({{100, mekMove, 1, 1, -1}, {200, mekMove, 2, 2, -1}});
  // The user presses Stop 450 ms in: during the third pass, seen at its next message check.
  TTimer StopButton(
      P.Time, [this] { Form->btnStop.Click(); }, 450);
  StopButton.SetEnabled(true);
  Form->btnStart.Click();
  EXPECT_EQ(Status(), "Stopped by button. Runs done: 2");
  EXPECT_EQ(Form->ClicksDone(), 2u);
}

// "Press, wait twenty seconds, release": whatever the user does five seconds into the pause
// takes effect then, not after it; the press was performed, and the button it holds is released
// then rather than left down system-wide, and nothing else follows.
TEST_F(MacroPlayerTest, StopHotkeyAndClosingDuringAPauseEndThePassAtOnce) {
  struct TCase {
    const char* What;
    std::function<void()> Act;
    const char* Status;
  };
  const TCase Cases[] = {
      {"Stop button", [this] { UserClick(Form->btnStop); }, "Stopped by button. Runs done: 0"},
      {"stop hotkey", [this] { P.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'X'); },
       "Stopped by hotkey. Runs done: 0"},
      {"closing the window", [this] { Form->CloseQuery(); }, "Closing"},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    P.Input.ClearSent();
    WithMacro({{100, mekDown, 7, 7, 0}, {20100, mekUp, 7, 7, 0}});
    Repeat(1);
    P.Time.PostAt(5100, C.Act);
    const uint64_t Start = P.Time.Now();
    Form->btnStart.Click();
    EXPECT_EQ(P.Time.Now() - Start, 5100u);
    EXPECT_EQ(Events(), (std::vector<std::string>{"M", "D0", "U0"}));
    EXPECT_EQ(P.Input.Sent().back().AtMs - Start, 5100u);
    EXPECT_EQ(Status(), C.Status);
    EXPECT_FALSE(Form->Running());
  }
}

TEST_F(MacroPlayerTest, AStopDuringThePauseAfterHidingPlaysNothing) {
  WithMacro({{10, mekDown, 1, 1, 0}});
  Repeat(1);
  Form->seStartDelaySS.SetValue(1);
  Form->chkMinimizeToTrayOnStart.Click();
  const uint64_t Start = P.Time.Now();
  Form->btnStart.Click();
  // The window came back during the delay; playing hides it again and pauses before input.
  P.Window.Visible = true;
  P.Time.PostAt(1100, [this] { UserClick(Form->btnStop); });
  P.Time.RunFor(1000);
  EXPECT_EQ(P.Time.Now() - Start, 1100u) << "stopped when the user pressed Stop";
  EXPECT_TRUE(P.Input.Sent().empty());
  EXPECT_EQ(Status(), "Stopped by button. Runs done: 0");
}

TEST_F(MacroPlayerTest, AnEmptyMacroCompletesAtOnceOrPassesUntilStopped) {
  WithMacro({});
  Repeat(4);
  Form->btnStart.Click();
  EXPECT_EQ(Status(), "Completed macro repeat count. Runs done: 4");

  // Until stopped, an empty macro passes and processes messages after each pass; a Stop already
  // waiting there ends the run after the first.
  Form->rbUntilStopped.Click();
  TTimer StopButton(
      P.Time, [this] { Form->btnStop.Click(); }, 1);
  StopButton.SetEnabled(true);
  P.Time.Sleep(1);
  Form->btnStart.Click();
  EXPECT_EQ(Status(), "Stopped by button. Runs done: 1");
}

TEST_F(MacroPlayerTest, StartDelayThenPlayback) {
  WithMacro({{10, mekDown, 1, 1, 0}});
  Repeat(1);
  Form->seStartDelaySS.SetValue(2);
  const uint64_t Start = P.Time.Now();
  Form->btnStart.Click();
  EXPECT_TRUE(Form->Running());
  P.Time.RunFor(2000);
  // The move, the press, and at the end of the playback the release of the press.
  EXPECT_EQ(SendTimes(Start), (std::vector<uint64_t>{2010, 2010, 2010}));
  EXPECT_EQ(Status(), "Completed macro repeat count. Runs done: 1");
}

TEST_F(MacroPlayerTest, HidingItselfPausesAQuarterSecondButNotWhenAlreadyHidden) {
  WithMacro({{10, mekMove, 1, 1, -1}});
  Repeat(1);
  Form->chkMinimizeToTrayOnStart.Click();
  Form->btnStart.Click();  // the run controller hides the window first
  EXPECT_EQ(P.Time.Waits(), (std::vector<uint32_t>{10}));
  EXPECT_TRUE(P.Window.Visible) << "shown again at the end";
}

}  // namespace
}  // namespace nevra::test
