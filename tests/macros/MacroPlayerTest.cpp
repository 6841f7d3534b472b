// Playback in virtual time: the waits between events, the passes and how a playback ends.
#include "macros/MacroPlayer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <variant>

#include "support/FormFixture.h"
#include "support/MacroFixtures.h"

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

// The player on its own: what each kind of event sends, how fast, and what a stop lets go of.
class PlayerTest : public ::testing::Test {
 protected:
  // Plays AEvents once at ASpeedPercent; a stop, when AStopAfterMs is given, comes as a message
  // that long after the start.
  void PlayOnce(const std::vector<TMacroMouseEvent>& AEvents, uint32_t ASpeedPercent = 100,
                std::optional<uint64_t> AStopAfterMs = std::nullopt) {
    bool Stopped = false;
    if (AStopAfterMs) P.Time.PostAt(*AStopAfterMs, [&] { Stopped = true; });
    Start = P.Time.MonotonicMicroseconds();
    Player.Play(
        AEvents, 1, [&] { return Stopped; }, [] {}, ASpeedPercent);
  }
  // Each record sent, in order: "M" a move, "D0"/"U1" a button's press or release (3 and 4 the
  // side buttons X1 and X2),
  // "W-120"/"H60" a turn of either wheel, "K+41:1E"/"K-A3:1D e" a key's press or release with
  // its virtual key, scan code and extended flag.
  std::vector<std::string> Sent() const {
    std::vector<std::string> Out;
    for (const fake::TFakeSentInput& Sent : P.SentInput) {
      char Text[32];
      if (const auto* Key = std::get_if<TKeyInputRecord>(&Sent.Input)) {
        std::snprintf(Text, sizeof Text, "K%c%X:%X%s", (Key->Flags & KeyFlags::KeyUp) ? '-' : '+', Key->Vk,
                      Key->ScanCode, (Key->Flags & KeyFlags::ExtendedKey) ? " e" : "");
      } else {
        const auto& Mouse = std::get<TMouseInputRecord>(Sent.Input);
        const auto Data = static_cast<int32_t>(Mouse.MouseData);
        switch (Mouse.Flags) {
          case MouseFlags::SideDown: std::snprintf(Text, sizeof Text, "D%d", Data + 2); break;
          case MouseFlags::SideUp: std::snprintf(Text, sizeof Text, "U%d", Data + 2); break;
          case MouseFlags::Wheel: std::snprintf(Text, sizeof Text, "W%d", Data); break;
          case MouseFlags::HorizontalWheel: std::snprintf(Text, sizeof Text, "H%d", Data); break;
          case MouseFlags::LeftDown: std::snprintf(Text, sizeof Text, "D0"); break;
          case MouseFlags::LeftUp: std::snprintf(Text, sizeof Text, "U0"); break;
          case MouseFlags::RightDown: std::snprintf(Text, sizeof Text, "D1"); break;
          case MouseFlags::RightUp: std::snprintf(Text, sizeof Text, "U1"); break;
          default: std::snprintf(Text, sizeof Text, "%s", (Mouse.Flags & MouseFlags::Move) ? "M" : "?");
        }
      }
      Out.push_back(Text);
    }
    return Out;
  }
  // Virtual milliseconds since the pass began at which each record was sent.
  std::vector<uint64_t> SentAtMs() const {
    std::vector<uint64_t> Out;
    for (const fake::TFakeSentInput& Sent : P.SentInput) Out.push_back(Sent.AtMs - Start / 1000);
    return Out;
  }

  fake::TFakePlatform P;
  TMacroPlayer Player{P.Input, P.KeyInput, P.Time, P.Time};
  uint64_t Start = 0;
};

// What a file written before keys and wheels makes the player send, and when: as it always did
// (the kind it never knew only waits).
TEST_F(PlayerTest, AFileWrittenBeforeKeysPlaysAsBefore) {
  TRecordedMacro Macro;
  MacroFromText(ReadMacroFixture("mouse-only.nevramac"), Macro);
  PlayOnce(Macro.Events());
  EXPECT_EQ(Sent(), (std::vector<std::string>{"M", "M", "M", "D0", "M", "U0", "M", "M", "D1", "M", "U1"}));
  EXPECT_EQ(SentAtMs(), (std::vector<uint64_t>{0, 120, 300, 300, 420, 420, 800, 900, 900, 1250, 1250}));
  EXPECT_EQ(P.Time.Waits(), (std::vector<uint32_t>{120, 180, 120, 180, 200, 100, 350}));
}

TEST_F(PlayerTest, KeysWheelsAndSideButtonsBecomeTheirInputInOrder) {
  PlayOnce({{10, mekKeyDown, 'H', 0x23, 0},
            {11, mekKeyUp, 'H', 0x23, 0},
            {20, mekDown, 5, 5, 3},
            {21, mekUp, 5, 5, 3},
            {22, mekDown, 5, 5, 4},
            {23, mekUp, 5, 5, 4},
            {30, mekWheel, 5, 5, -120},
            {31, mekHWheel, 5, 5, 60},
            {40, mekKeyDown, 0xA3, 0x1D, 1},
            {41, static_cast<TMacroEventKind>(9), 5, 5, 0},
            {42, mekKeyUp, 0xA3, 0x1D, 1}});
  // A button or a wheel comes with the move to its point, in the same call.
  EXPECT_EQ(Sent(), (std::vector<std::string>{"K+48:23", "K-48:23", "M", "D3", "M", "U3", "M", "D4", "M", "U4", "M",
                                              "W-120", "M", "H60", "K+A3:1D e", "K-A3:1D e"}));
}

// Stopped between presses and their releases, the playback lets go of every key and button it
// holds, each key with the scan code and extended flag it went down with.
TEST_F(PlayerTest, AStopReleasesTheKeysAndButtonsStillHeld) {
  PlayOnce({{10, mekKeyDown, 0xA0, 0x2A, 0},
            {20, mekDown, 5, 5, 4},
            {30, mekKeyDown, 0xA3, 0x1D, 1},
            {35, mekKeyDown, 'Q', 0x10, 0},
            {36, mekKeyUp, 'Q', 0x10, 0},
            {5000, mekKeyUp, 0xA0, 0x2A, 0}},
           100, 100);
  // The keys go up last pressed first.
  EXPECT_EQ(Sent(), (std::vector<std::string>{"K+A0:2A", "M", "D4", "K+A3:1D e", "K+51:10", "K-51:10", "K-A3:1D e",
                                              "K-A0:2A", "U4"}));
  EXPECT_EQ(SentAtMs().back(), 100u) << "released when the stop came";
}

// The waits scale by 100 / speed from the pass's start, so rounding never adds up; 100 is the
// pace as recorded, and a speed beyond 25..1,000 counts as the nearest end.
TEST_F(PlayerTest, SpeedScalesEveryWaitFromThePassesStart) {
  struct TCase {
    uint32_t Speed;
    std::vector<uint64_t> SentAtMs;
  };
  const TCase Cases[] = {
      {100, {100, 400, 1000}}, {400, {25, 100, 250}},  {25, {400, 1600, 4000}}, {1000, {10, 40, 100}},
      {300, {33, 133, 333}},   {0, {400, 1600, 4000}}, {5000, {10, 40, 100}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Speed);
    P.SentInput.clear();
    PlayOnce({{100, mekMove, 1, 1, -1}, {400, mekMove, 2, 2, -1}, {1000, mekMove, 3, 3, -1}}, C.Speed);
    EXPECT_EQ(SentAtMs(), C.SentAtMs);
  }
}

TEST_F(PlayerTest, TenTimesAsFastKeepsMillisecondGapsExact) {
  std::vector<TMacroMouseEvent> Events;
  for (uint32_t I = 1; I <= 1000; ++I) Events.push_back({I, mekMove, static_cast<int32_t>(I), 0, -1});
  PlayOnce(Events, 1000);
  EXPECT_EQ(P.Time.MonotonicMicroseconds() - Start, 100000u) << "1,000 gaps of 100 microseconds";
  PlayOnce(Events, 100);
  EXPECT_EQ(P.Time.MonotonicMicroseconds() - Start, 1000000u);
}

}  // namespace
}  // namespace nevra::test
