// A run on its own, in virtual time: what it sends and when for each kind of request, how it ends
// and with what count, and that its clicks keep their schedule however long each one takes.
#include "run/Run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "support/RunSeeds.h"

namespace nevra {
namespace {

// A record as "<time>:<what>": M a move, D0/U0 a press/release of button 0, and so on.
std::string Describe(const fake::TFakeMouseInput::TSent& ASent) {
  const uint32_t Flags = ASent.Record.Flags;
  std::string What = (Flags & MouseFlags::Move) != 0 ? "M" : "?";
  const std::pair<uint32_t, const char*> Buttons[] = {
      {MouseFlags::LeftDown, "D0"}, {MouseFlags::LeftUp, "U0"},     {MouseFlags::RightDown, "D1"},
      {MouseFlags::RightUp, "U1"},  {MouseFlags::MiddleDown, "D2"}, {MouseFlags::MiddleUp, "U2"},
  };
  for (const auto& [Flag, Name] : Buttons)
    if (Flags == Flag) What = Name;
  return std::to_string(ASent.AtMs) + ":" + What;
}

class RunTest : public ::testing::Test {
 protected:
  RunTest() {
    Run.OnDelayOver = [this] { DelayOverAt = P.Time.Now(); };
    Run.OnEnded = [this](const TRunEnd& AEnd) {
      Ended = AEnd;
      EndedAt = P.Time.Now();
    };
  }
  std::vector<std::string> Sent() const {
    std::vector<std::string> Out;
    for (const auto& Sent : P.Input.Sent()) Out.push_back(Describe(Sent));
    return Out;
  }
  static TClickTask Clicks(uint32_t AIntervalMs) {
    TClickTask Task;
    Task.IntervalMs = AIntervalMs;
    return Task;
  }

  fake::TFakePlatform P;
  TRun Run{P.Input, P.KeyInput, P.Time, P.Time, P.Time, P.Random};
  std::optional<TRunEnd> Ended;
  uint64_t EndedAt = 0;
  std::optional<uint64_t> DelayOverAt;
};

TEST_F(RunTest, EachRequestSendsItsInputOnTimeAndEndsWithItsCount) {
  TClickTask RightDoubleAtPoint = Clicks(50);
  RightDoubleAtPoint.What = TMouseButton{1};
  RightDoubleAtPoint.Kind = TClickKind::ckDouble;
  RightDoubleAtPoint.Where = TAtPoint{{10, 20}};
  TClickTask MiddleHold = Clicks(100);
  MiddleHold.What = TMouseButton{2};
  MiddleHold.Kind = TClickKind::ckHold;
  MiddleHold.HoldMs = 30;
  TClickTask Jittered = Clicks(100);
  Jittered.JitterMs = 30;
  const TMacroTask Macro{{{10, mekDown, 5, 5, 0}, {20, mekUp, 5, 5, 0}}, "m.nevramac"};
  const TMacroTask FastMacro{{{40, mekDown, 5, 5, 0}, {80, mekUp, 5, 5, 0}}, "m.nevramac", 400};
  // A pass of 400 ms that holds the button from 100 to 300.
  const TMacroTask SlowMacro{{{100, mekDown, 5, 5, 0}, {300, mekUp, 5, 5, 0}, {400, mekMove, 6, 6, -1}}, "m.nevramac"};
  TClickTask LongHolds = Clicks(100);
  LongHolds.Kind = TClickKind::ckHold;
  LongHolds.HoldMs = 50;
  struct TCase {
    const char* What;
    TRunRequest Request;
    std::vector<uint32_t> Draws;  // the run's jitter draws: 0, 1, 2 shift an interval by -J, 0, +J
    std::vector<std::string> Sent;
    TRunEnd End;
    uint64_t EndedAt;
  };
  const TCase Cases[] = {
      {"left clicks at the cursor",
       {Clicks(100), TRepeatCount{3}, 0},
       {},
       {"100:D0", "100:U0", "200:D0", "200:U0", "300:D0", "300:U0"},
       {TRunEndCause::ecCompleted, 3, false, true},
       400},
      {"right double clicks at a point",
       {RightDoubleAtPoint, TRepeatCount{2}, 0},
       {},
       {"50:M", "50:D1", "50:U1", "50:D1", "50:U1", "100:M", "100:D1", "100:U1", "100:D1", "100:U1"},
       {TRunEndCause::ecCompleted, 2, false, true},
       150},
      {"a held middle button",
       {MiddleHold, TRepeatCount{1}, 0},
       {},
       {"100:D2", "130:U2"},
       {TRunEndCause::ecCompleted, 1, false, true},
       200},
      {"after a start delay",
       {Clicks(500), TRepeatCount{1}, 2},
       {},
       {"2500:D0", "2500:U0"},
       {TRunEndCause::ecCompleted, 1, false, true},
       3000},
      {"jitter",
       {Jittered, TRepeatCount{3}, 0},
       {0, 2, 1, 1},
       {"70:D0", "70:U0", "200:D0", "200:U0", "300:D0", "300:U0"},
       {TRunEndCause::ecCompleted, 3, false, true},
       400},
      {"a macro twice",
       {Macro, TRepeatCount{2}, 0},
       {},
       {"10:M", "10:D0", "20:M", "20:U0", "30:M", "30:D0", "40:M", "40:U0"},
       {TRunEndCause::ecCompleted, 2, true, true},
       40},
      {"a macro at four times its pace",
       {FastMacro, TRepeatCount{1}, 0},
       {},
       {"10:M", "10:D0", "20:M", "20:U0"},
       {TRunEndCause::ecCompleted, 1, true, true},
       20},
      // A run for a time: the click due at the very end is made, and the end comes with it.
      {"clicks for a second",
       {Clicks(100), TForTime{1}, 0},
       {},
       {"100:D0", "100:U0", "200:D0", "200:U0", "300:D0", "300:U0", "400:D0", "400:U0", "500:D0",  "500:U0",
        "600:D0", "600:U0", "700:D0", "700:U0", "800:D0", "800:U0", "900:D0", "900:U0", "1000:D0", "1000:U0"},
       {TRunEndCause::ecTimeUp, 10, false, false},
       1000},
      {"the time counts from the end of the start delay",
       {Clicks(400), TForTime{1}, 1},
       {},
       {"1400:D0", "1400:U0", "1800:D0", "1800:U0"},
       {TRunEndCause::ecTimeUp, 2, false, false},
       2000},
      {"a hold at the end of the time is let go at once",
       {LongHolds, TForTime{1}, 0},
       {},
       {"100:D0", "150:U0", "200:D0", "250:U0", "300:D0", "350:U0", "400:D0", "450:U0", "500:D0",  "550:U0",
        "600:D0", "650:U0", "700:D0", "750:U0", "800:D0", "850:U0", "900:D0", "950:U0", "1000:D0", "1000:U0"},
       {TRunEndCause::ecTimeUp, 10, false, false},
       1000},
      {"a macro for a time stops in the middle of a pass and lets go",
       {SlowMacro, TForTime{1}, 0},
       {},
       {"100:M", "100:D0", "300:M", "300:U0", "400:M", "500:M", "500:D0", "700:M", "700:U0", "800:M", "900:M", "900:D0",
        "1000:U0"},
       {TRunEndCause::ecTimeUp, 2, true, false},
       1000},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    P.Input.ClearSent();
    P.Random.Script = {test::SeedDrawingThreeValues(C.Draws)};
    Ended.reset();
    const uint64_t T0 = P.Time.Now();
    Run.Start(C.Request);
    P.Time.RunFor(5000);
    std::vector<std::string> Relative;
    for (const auto& Sent : P.Input.Sent()) {
      auto Shifted = Sent;
      Shifted.AtMs -= T0;
      Relative.push_back(Describe(Shifted));
    }
    EXPECT_EQ(Relative, C.Sent);
    ASSERT_TRUE(Ended.has_value());
    EXPECT_EQ(*Ended, C.End);
    EXPECT_EQ(EndedAt - T0, C.EndedAt);
    EXPECT_FALSE(Run.Active());
    EXPECT_EQ(P.Time.ArmedTimerCount(), 0) << "a run that has ended leaves no timer ticking";
  }
}

TEST_F(RunTest, AStopEndsTheRunAtOnceWithItsCauseAndCountAndNothingFollows) {
  Run.Start({Clicks(100), TUntilStopped{}, 0});
  P.Time.RunFor(250);
  Run.Stop(TRunEndCause::ecHotkey);
  ASSERT_TRUE(Ended.has_value());
  EXPECT_EQ(*Ended, (TRunEnd{TRunEndCause::ecHotkey, 2, false, false}));
  P.Time.RunFor(1000);
  EXPECT_EQ(P.Input.Sent().size(), 4u);
  Ended.reset();
  Run.Stop(TRunEndCause::ecButton);
  EXPECT_FALSE(Ended.has_value()) << "no run, no end";

  // During the start delay: the delay ends nothing and no click comes.
  Run.Start({Clicks(100), TUntilStopped{}, 3});
  P.Time.RunFor(1000);
  Run.Stop(TRunEndCause::ecButton);
  P.Time.RunFor(5000);
  EXPECT_FALSE(DelayOverAt.has_value());
  EXPECT_EQ(P.Input.Sent().size(), 4u);
  EXPECT_EQ(Ended->Done, 0u);
}

// Started by its hotkey, a run waits until the hotkey's keys are up: a click that went out with
// Ctrl and Shift still down would be a Ctrl+Shift+click. After a moment it says that it waits;
// a stop meanwhile ends it with nothing sent.
TEST_F(RunTest, ARunWaitsUntilTheKeysThatStartedItAreUp) {
  bool KeysDown = true;
  int Announced = 0;
  Run.OnWaitingForKeys = [&Announced] { ++Announced; };
  TRunRequest Request{Clicks(100), TUntilStopped{}, 0};
  Request.KeysDown = [&KeysDown] { return KeysDown; };
  Run.Start(Request);
  P.Time.RunFor(250);
  EXPECT_EQ(Announced, 0) << "a short wait goes unmentioned";
  P.Time.RunFor(750);
  EXPECT_EQ(Announced, 1);
  EXPECT_TRUE(P.Input.Sent().empty());
  KeysDown = false;
  P.Time.RunFor(210);
  // Released at 1000, seen by the look at 1010: the first click one interval later.
  EXPECT_EQ(Sent(), (std::vector<std::string>{"1110:D0", "1110:U0", "1210:D0", "1210:U0"}));
  Run.Stop(TRunEndCause::ecButton);

  KeysDown = true;
  Run.Start(Request);
  P.Time.RunFor(500);
  Run.Stop(TRunEndCause::ecHotkey);
  P.Time.RunFor(1000);
  EXPECT_EQ(Ended->Done, 0u);
  EXPECT_EQ(P.Input.Sent().size(), 4u);
  EXPECT_EQ(P.Time.ArmedTimerCount(), 0);
}

// The due times are fixed when the run starts: a click that takes its time (under Wine each
// SendInput is 50-150 microseconds) takes it from the wait before the next, not from the rate.
TEST_F(RunTest, ClicksKeepTheirScheduleHoweverLongEachTakes) {
  P.Input.CostMicroseconds = 300;
  Run.Start({Clicks(1), TUntilStopped{}, 0});
  P.Time.RunFor(1000);
  Run.Stop(TRunEndCause::ecButton);
  EXPECT_EQ(Ended->Done, 1000u);
}

// What the strip and the tray show of a run for a time: all of it during the start delay, then
// what is left, rounded up to the millisecond; nothing for a run of another length.
TEST_F(RunTest, ARunForATimeTellsHowLongItStillLasts) {
  EXPECT_FALSE(Run.TimeLeftMs().has_value()) << "no run";
  Run.Start({Clicks(100), TForTime{90}, 2});
  P.Time.RunFor(1500);
  EXPECT_EQ(Run.TimeLeftMs(), 90000u);
  P.Time.RunFor(30500);
  EXPECT_EQ(Run.TimeLeftMs(), 60000u);
  Run.Stop(TRunEndCause::ecButton);
  EXPECT_FALSE(Run.TimeLeftMs().has_value());
  Run.Start({Clicks(100), TRepeatCount{5}, 0});
  EXPECT_FALSE(Run.TimeLeftMs().has_value());
}

// A change made in the window during a click run takes effect at its next click.
TEST_F(RunTest, AnUpdateTakesEffectAtTheNextClick) {
  Run.Start({Clicks(100), TUntilStopped{}, 0});
  P.Time.RunFor(150);
  TClickTask Faster = Clicks(40);
  Faster.What = TMouseButton{1};
  Run.Update(Faster, TRepeatCount{3});
  P.Time.RunFor(1000);
  EXPECT_EQ(Sent(), (std::vector<std::string>{"100:D0", "100:U0", "200:D1", "200:U1", "240:D1", "240:U1"}));
  EXPECT_EQ(*Ended, (TRunEnd{TRunEndCause::ecCompleted, 3, false, true}));
}

// Where a move sent to the fake mouse goes, in pixels: the inverse of the normalisation to
// 0-65535 across the fake desktop, exact while a pixel spans more than one step of it.
TPoint MovedTo(const TMouseInputRecord& ARecord, const TVirtualDesktop& ADesktop) {
  const auto Axis = [](int32_t AValue, int32_t AOrigin, int32_t ASize) {
    return AOrigin + static_cast<int32_t>(std::lround(AValue * (ASize - 1.0) / 65535.0));
  };
  return {Axis(ARecord.Dx, ADesktop.Left, ADesktop.Width), Axis(ARecord.Dy, ADesktop.Top, ADesktop.Height)};
}

// With a radius, a click at a point lands anywhere in the disc around it; a click at the cursor
// lands in the disc around the cursor, and the cursor goes back to where it was as soon as the
// click is over: with the release of a held click (moved while down it would drag), and when a
// stop cuts a hold short. A Hold click's hold time takes its random part. A key ignores the radius.
TEST_F(RunTest, ClicksLandInTheirDiscAndTheCursorGoesBack) {
  constexpr uint32_t kRadius = 25;
  constexpr uint64_t kClicks = 200;
  const TPoint Point{900, 500};
  const TPoint Cursor = P.Input.Cursor;
  const auto Task = [](TPlace AWhere, TClickKind AKind) {
    TClickTask Out = Clicks(100);
    Out.Where = AWhere;
    Out.Kind = AKind;
    Out.RadiusPx = kRadius;
    Out.HoldMs = 40;
    Out.HoldJitterMs = 30;
    return Out;
  };
  TClickTask Key = Task(TAtPoint{Point}, TClickKind::ckSingle);
  Key.What = TKeyStroke{VirtualKeys::Space, 0};
  struct TCase {
    const char* What;
    TClickTask Task;
    TPoint Centre;
    // Each click's records: "disc" a move into the disc, "home" a move back to the cursor at
    // once, as the button comes up.
    std::vector<std::string> Click;
  };
  const TCase Cases[] = {
      {"at a point", Task(TAtPoint{Point}, TClickKind::ckSingle), Point, {"disc", "D0", "U0"}},
      {"at the cursor", Task(TAtCursor{}, TClickKind::ckSingle), Cursor, {"disc", "D0", "U0", "home"}},
      {"a double click at the cursor",
       Task(TAtCursor{}, TClickKind::ckDouble),
       Cursor,
       {"disc", "D0", "U0", "D0", "U0", "home"}},
      {"held at the cursor", Task(TAtCursor{}, TClickKind::ckHold), Cursor, {"disc", "D0", "U0", "home"}},
      {"a key", Key, Point, {}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    P.Input.ClearSent();
    Run.Start({C.Task, TRepeatCount{kClicks}, 0});
    P.Time.RunFor(kClicks * 100 + 1000);
    ASSERT_EQ(Ended->Done, kClicks);
    const auto& Sent = P.Input.Sent();
    ASSERT_EQ(Sent.size(), C.Click.size() * kClicks);
    std::set<std::pair<int32_t, int32_t>> Landed;
    std::set<uint64_t> Holds;
    for (size_t I = 0; I < Sent.size(); ++I) {
      const std::string& Expected = C.Click[I % C.Click.size()];
      const TPoint At = MovedTo(Sent[I].Record, P.Input.Desktop);
      if (Expected == "disc") {
        const int64_t X = At.X - C.Centre.X, Y = At.Y - C.Centre.Y;
        EXPECT_LE(X * X + Y * Y, int64_t{kRadius} * kRadius) << At.X << "," << At.Y;
        Landed.insert({At.X, At.Y});
      } else if (Expected == "home") {
        EXPECT_EQ(At, Cursor);
        EXPECT_EQ(Sent[I].AtMs, Sent[I - 1].AtMs) << "the cursor goes back as the button comes up";
      } else {
        const std::string Seen = Describe(Sent[I]);
        EXPECT_EQ(Seen.substr(Seen.find(':') + 1), Expected);
      }
      if (Expected == "U0" && C.Task.Kind == TClickKind::ckHold) Holds.insert(Sent[I].AtMs - Sent[I - 1].AtMs);
    }
    if (!C.Click.empty()) {
      EXPECT_GT(Landed.size(), kClicks / 2) << "the clicks spread over the disc";
    }
    if (C.Task.Kind == TClickKind::ckHold) {
      EXPECT_GE(*Holds.begin(), 10u);
      EXPECT_LE(*Holds.rbegin(), 70u);
      EXPECT_GT(Holds.size(), 30u) << "hold times from 10 to 70 ms";
    }
  }

  // A stop in the middle of a hold lets the button go and puts the cursor back.
  P.Input.ClearSent();
  TClickTask LongHold = Task(TAtCursor{}, TClickKind::ckHold);
  LongHold.HoldMs = 500;
  const uint64_t T0 = P.Time.Now();
  Run.Start({LongHold, TUntilStopped{}, 0});
  P.Time.RunFor(300);
  Run.Stop(TRunEndCause::ecButton);
  ASSERT_EQ(P.Input.Sent().size(), 4u);
  EXPECT_EQ(Describe(P.Input.Sent()[2]), std::to_string(T0 + 300) + ":U0");
  EXPECT_EQ(MovedTo(P.Input.Sent()[3].Record, P.Input.Desktop), Cursor);
}

// A run's draws come from its seed alone: the same seed gives the same run, another seed another.
// The window passing its settings on during the run (unchanged here) carries on with the run's
// draws rather than starting them again.
TEST_F(RunTest, TheSameSeedGivesTheSameRun) {
  TClickTask Task = Clicks(100);
  Task.Kind = TClickKind::ckHold;
  Task.HoldJitterMs = 30;
  Task.JitterMs = 40;
  Task.JitterShape = TJitterShape::jsNormal;
  Task.Where = TAtPoint{{900, 500}};
  Task.RadiusPx = 50;
  const auto RunWithSeed = [&](uint32_t ASeed, bool AUpdated) {
    P.Input.ClearSent();
    P.Random.Script = {ASeed};
    const uint64_t T0 = P.Time.Now();
    Run.Start({Task, TRepeatCount{50}, 0});
    P.Time.RunFor(2000);
    if (AUpdated) Run.Update(Task, TRepeatCount{50});
    P.Time.RunFor(8000);
    std::vector<std::string> Out;
    for (const auto& Sent : P.Input.Sent()) {
      const TPoint At = MovedTo(Sent.Record, P.Input.Desktop);
      Out.push_back(std::to_string(Sent.AtMs - T0) + ":" + std::to_string(Sent.Record.Flags) + "@" +
                    std::to_string(At.X) + "," + std::to_string(At.Y));
    }
    return Out;
  };
  const std::vector<std::string> First = RunWithSeed(1234, false);
  EXPECT_EQ(First.size(), 150u);
  EXPECT_EQ(RunWithSeed(1234, false), First);
  EXPECT_EQ(RunWithSeed(1234, true), First);
  EXPECT_NE(RunWithSeed(1235, false), First);
}

// A key as the click: the modifiers go down first and come up last, each key with its layout's
// scan code; a held key waits its hold time while the window stays free, and a stop during the
// hold lets every key go. No key run moves the mouse, whatever the place says.
TEST_F(RunTest, AKeyRunPressesTheKeyWithItsModifiersAndLeavesNothingDown) {
  constexpr uint16_t kScan = fake::TFakeKeyboardInput::kScanCodeOffset;
  // "<time>:<D or U><virtual key, hex>", "E" after an extended key; mouse records as "<time>:mouse".
  const auto KeysSent = [this](uint64_t AT0) {
    std::vector<std::string> Out;
    for (const fake::TFakeSentInput& Sent : P.SentInput) {
      const auto* Key = std::get_if<TKeyInputRecord>(&Sent.Input);
      std::string What = "mouse";
      if (Key != nullptr) {
        char Text[16];
        std::snprintf(Text, sizeof Text, "%c%X%s", (Key->Flags & KeyFlags::KeyUp) != 0 ? 'U' : 'D', Key->Vk,
                      (Key->Flags & KeyFlags::ExtendedKey) != 0 ? "E" : "");
        What = Text;
        EXPECT_EQ(Key->ScanCode, Key->Vk + kScan) << "the layout's scan code";
      }
      Out.push_back(std::to_string(Sent.AtMs - AT0) + ":" + What);
    }
    return Out;
  };
  const auto KeyTask = [](TKeyStroke AStroke, TClickKind AKind) {
    TClickTask Task = Clicks(100);
    Task.What = AStroke;
    Task.Kind = AKind;
    Task.HoldMs = 30;
    Task.Where = TAtPoint{{10, 20}};
    return Task;
  };
  constexpr uint32_t kCtrlShift = HotkeyModifiers::Control | HotkeyModifiers::Shift;
  struct TCase {
    const char* What;
    TClickTask Task;
    uint64_t Count;
    std::vector<std::string> Sent;
  };
  const TCase Cases[] = {
      {"Space, twice",
       KeyTask({VirtualKeys::Space, 0}, TClickKind::ckSingle),
       2,
       {"100:D20", "100:U20", "200:D20", "200:U20"}},
      {"Ctrl+Shift+F5, a double one",
       KeyTask({0x74, kCtrlShift}, TClickKind::ckDouble),
       1,
       {"100:D11", "100:D10", "100:D74", "100:U74", "100:U10", "100:U11", "100:D11", "100:D10", "100:D74", "100:U74",
        "100:U10", "100:U11"}},
      {"Alt+Right arrow, held",
       KeyTask({VirtualKeys::Right, HotkeyModifiers::Alt}, TClickKind::ckHold),
       1,
       {"100:D12", "100:D27E", "130:U27E", "130:U12"}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    P.SentInput.clear();
    const uint64_t T0 = P.Time.Now();
    Run.Start({C.Task, TRepeatCount{C.Count}, 0});
    P.Time.RunFor(1000);
    EXPECT_EQ(KeysSent(T0), C.Sent);
    EXPECT_EQ(Ended->Done, C.Count);
  }

  // Stopped in the middle of a held Ctrl+Shift+F5.
  P.SentInput.clear();
  TClickTask Held = KeyTask({0x74, kCtrlShift}, TClickKind::ckHold);
  Held.HoldMs = 500;
  const uint64_t T0 = P.Time.Now();
  Run.Start({Held, TUntilStopped{}, 0});
  P.Time.RunFor(300);
  Run.Stop(TRunEndCause::ecButton);
  P.Time.RunFor(1000);
  EXPECT_EQ(KeysSent(T0), (std::vector<std::string>{"100:D11", "100:D10", "100:D74", "300:U74", "300:U10", "300:U11"}));
}

}  // namespace
}  // namespace nevra
