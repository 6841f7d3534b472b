// Click runs of the real program, counted by a target window of this test process in the
// top-left corner of the screen, where neither the main window (centred) nor its compact strip
// (bottom right) lies.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ClickRunSetup.h"
#include "ClickTargetWindow.h"
#include "MessageWait.h"
#include "ProcessWindows.h"
#include "ProgramTest.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TClickButton;
using tools::TClickRecord;

constexpr POINT kClickPoint{200, 150};
constexpr auto kRunTimeout = 30s;

class ClickRun : public TProgramTest {
 protected:
  tools::TClickRunSettings AtTarget() const {
    tools::TClickRunSettings Settings;
    Settings.X = kClickPoint.x;
    Settings.Y = kClickPoint.y;
    return Settings;
  }

  // Starts the run and waits until it has ended with AFinalStatus and the target has seen
  // AExpectedRecords presses and releases; then watches briefly that nothing more arrives.
  void RunToCompletion(const tools::TClickRunSettings& ASettings, const std::string& AFinalStatus,
                       size_t AExpectedRecords) {
    tools::ApplyClickRunSettings(Window(), ASettings);
    Window().Click("btnStart");
    ASSERT_TRUE(Window().WaitForStatus(AFinalStatus, kRunTimeout)) << "status: " << Window().Status();
    tools::WaitUntil([&] { return Target.Records().size() >= AExpectedRecords; }, 5s);
    tools::PumpFor(300ms);
  }

  void ExpectIdle() const {
    EXPECT_TRUE(Window().Enabled("btnStart"));
    EXPECT_FALSE(Window().Enabled("btnStop"));
    EXPECT_EQ(Window().Caption(), tools::kMainWindowCaption);
  }

  tools::TClickTargetWindow Target{tools::kClickTargetBounds, tools::kClickTargetCaption};
};

TEST_F(ClickRun, RepeatCountOfThreeGivesExactlyThreeLeftClicksAtTheCoordinates) {
  tools::TClickRunSettings Settings = AtTarget();
  Settings.RepeatCount = 3;
  RunToCompletion(Settings, "Completed repeat count. Clicks done: 3", 6);

  EXPECT_EQ(Target.Count(TClickButton::cbLeft, true), 3u);
  EXPECT_EQ(Target.Count(TClickButton::cbLeft, false), 3u);
  EXPECT_EQ(Target.Records().size(), 6u);
  for (const TClickRecord& Record : Target.Records()) {
    EXPECT_EQ(Record.Screen.x, kClickPoint.x);
    EXPECT_EQ(Record.Screen.y, kClickPoint.y);
  }
  ExpectIdle();
}

// "For 0:00:03" at 100 ms: the strip counts the time down, and the run ends by itself with its own
// status text and a count that fits the time (a click each 100 ms, the first 100 ms in).
TEST_F(ClickRun, ARunForThreeSecondsEndsByItselfWithACountThatFitsTheTime) {
  tools::ApplyClickRunSettings(Window(), AtTarget());
  Window().Click("rbForTime");
  Window().SetText("seForMinutes", "0");
  Window().SetText("seForSeconds", "3");
  const auto Started = std::chrono::steady_clock::now();
  Window().Click("btnStart");
  EXPECT_TRUE(tools::WaitUntil([&] { return Window().Caption().find(" left...") != std::string::npos; }, 5s))
      << "caption: " << Window().Caption();
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Status().starts_with("Time is up. Clicks done: "); }, kRunTimeout))
      << "status: " << Window().Status();
  const auto Took = std::chrono::steady_clock::now() - Started;
  EXPECT_EQ(Window().Status(), "Time is up. Clicks done: 30");
  EXPECT_GE(Took, 3s);
  EXPECT_LT(Took, 5s);
  tools::WaitUntil([&] { return Target.Count(TClickButton::cbLeft, false) >= 30u; }, 5s);
  tools::PumpFor(300ms);
  EXPECT_EQ(Target.Count(TClickButton::cbLeft, true), 30u);
  EXPECT_EQ(Target.Count(TClickButton::cbLeft, false), 30u);
  ExpectIdle();
}

TEST_F(ClickRun, StopDuringTheStartDelayEndsTheRunBeforeAnyClick) {
  tools::TClickRunSettings Settings = AtTarget();
  Settings.StartDelayS = 2;
  tools::ApplyClickRunSettings(Window(), Settings);
  Window().Click("btnStart");
  EXPECT_EQ(Window().Status(), "Started");
  EXPECT_FALSE(Window().Enabled("btnStart"));
  EXPECT_TRUE(Window().Enabled("btnStop"));

  Window().Click("btnStop");
  ASSERT_TRUE(Window().WaitForStatus("Stopped by button. Clicks done: 0", kRunTimeout))
      << "status: " << Window().Status();
  // The delay and the first interval would have passed by now: no click may come late.
  tools::PumpFor(2500ms);
  EXPECT_TRUE(Target.Records().empty()) << Target.Records().size() << " presses and releases arrived";
  ExpectIdle();
}

struct TClickKindCase {
  const char* Name;
  int Button;
  int ClickType;
  int HoldMs;
  TClickButton Expected;
  size_t PressesPerClick;
};

class ClickKinds : public ClickRun, public ::testing::WithParamInterface<TClickKindCase> {};

// Each kind of click, twice: the presses and releases of the right button, in pairs, as such.
TEST_P(ClickKinds, ArriveAsTheButtonAndKindSet) {
  const TClickKindCase& Case = GetParam();
  constexpr int kClicks = 2;
  tools::TClickRunSettings Settings = AtTarget();
  Settings.Button = Case.Button;
  Settings.ClickType = Case.ClickType;
  Settings.HoldMs = Case.HoldMs;
  Settings.RepeatCount = kClicks;
  const size_t Presses = kClicks * Case.PressesPerClick;
  RunToCompletion(Settings, "Completed repeat count. Clicks done: " + std::to_string(kClicks), 2 * Presses);

  const auto& Records = Target.Records();
  ASSERT_EQ(Records.size(), 2 * Presses);
  EXPECT_EQ(Target.Count(Case.Expected, true), Presses);
  EXPECT_EQ(Target.Count(Case.Expected, false), Presses);
  for (size_t I = 0; I < Records.size(); ++I) {
    EXPECT_EQ(Records[I].Pressed, I % 2 == 0) << "record " << I << " out of order";
    EXPECT_EQ(Records[I].Screen.x, kClickPoint.x);
    EXPECT_EQ(Records[I].Screen.y, kClickPoint.y);
  }
  if (Case.PressesPerClick == 2) {
    // The two presses of a double click are close enough in time and place to pair up.
    for (size_t Click = 0; Click < kClicks; ++Click)
      EXPECT_TRUE(Records[4 * Click + 2].DoubleClick) << "click " << Click << " did not arrive as a double click";
  }
  if (Case.ClickType == 2) {
    // Measured by the input system's own times: this thread may handle the press late, as it
    // waits for the program's answers while the program holds the button.
    for (size_t I = 0; I < Records.size(); I += 2) {
      const auto HeldMs = static_cast<double>(Records[I + 1].MessageTime - Records[I].MessageTime);
      EXPECT_GE(HeldMs, Case.HoldMs * 0.9) << "press " << I / 2;
      EXPECT_LT(HeldMs, Case.HoldMs + 2000) << "press " << I / 2;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(E2e, ClickKinds,
                         ::testing::Values(TClickKindCase{"LeftDouble", 0, 1, 80, TClickButton::cbLeft, 2},
                                           TClickKindCase{"LeftHold300ms", 0, 2, 300, TClickButton::cbLeft, 1},
                                           TClickKindCase{"RightSingle", 1, 0, 80, TClickButton::cbRight, 1},
                                           TClickKindCase{"MiddleSingle", 2, 0, 80, TClickButton::cbMiddle, 1},
                                           TClickKindCase{"RightDouble", 1, 1, 80, TClickButton::cbRight, 2}),
                         [](const ::testing::TestParamInfo<TClickKindCase>& AInfo) {
                           return std::string(AInfo.param.Name);
                         });

// Clicks land where the boxes say: a box that holds no number is named and nothing starts; a
// number beyond the desktop shows as the edge it stands for.
TEST_F(ClickRun, CoordinatesThatAreNoNumberAreNamedAndOnesOutOfRangeShowWhatIsUsed) {
  tools::TClickRunSettings Settings = AtTarget();
  Settings.RepeatCount = 1;
  tools::ApplyClickRunSettings(Window(), Settings);
  Window().SetText("edtCoordX", "12a");
  Window().PostClick("btnStart");
  const HWND Box = tools::WaitForProcessWindow(ProcessId(), tools::kDialogClass, std::nullopt, 10s);
  ASSERT_NE(Box, nullptr) << "the run started with X = 12a; status: " << Window().Status();
  EXPECT_EQ(tools::MessageBoxText(Box), "The coordinate X is not a whole number: \"12a\".");
  tools::PressDialogButton(Box, IDOK);
  ASSERT_TRUE(tools::WaitUntilClosed(Box, 10s));
  ExpectIdle();
  EXPECT_EQ(Window().Text("edtCoordX"), "12a");

  Window().SetText("edtCoordX", std::to_string(kClickPoint.x));
  Window().SetText("edtCoordY", "-250000");
  Window().Click("btnStart");
  EXPECT_EQ(Window().Text("edtCoordY"), "-100000");
  ASSERT_TRUE(Window().WaitForStatus("Completed repeat count. Clicks done: 1", kRunTimeout))
      << "status: " << Window().Status();
  // The target window lies in the top-left corner, so it sees the click on the desktop's top edge.
  ASSERT_TRUE(tools::WaitUntil([&] { return !Target.Records().empty(); }, 5s));
  EXPECT_EQ(Target.Records()[0].Screen.x, kClickPoint.x);
  EXPECT_EQ(Target.Records()[0].Screen.y, 0);
}

}  // namespace
}  // namespace nevra::e2e
