// Recording a macro from input made outside the program, then playing it back onto a target
// window of this test process (top-left corner, away from the program's window and its strip).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "ClickTargetWindow.h"
#include "MacroFile.h"
#include "MessageWait.h"
#include "ProgramTest.h"
#include "SyntheticInput.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TClickButton;
using tools::TMacroFileEvent;

constexpr auto kTimeout = 30s;
constexpr int kMove = 0, kDown = 1, kUp = 2;

struct TUserClick {
  POINT At;
  TClickButton Button;
  int ButtonCode;
};

// What the user does while recording: moves onto the target, then three clicks at three places.
constexpr POINT kCursorBeforeRecording{50, 50};
constexpr POINT kFirstMove{100, 100};
const std::vector<TUserClick> kUserClicks = {{{150, 120}, TClickButton::cbLeft, 0},
                                             {{250, 200}, TClickButton::cbLeft, 0},
                                             {{300, 80}, TClickButton::cbRight, 1}};

// The macro those actions make: a move is recorded when the cursor lands somewhere new, and each
// press and release at the point where it happened.
std::vector<TMacroFileEvent> ExpectedEventsIgnoringTime() {
  std::vector<TMacroFileEvent> Events{{0, kMove, kFirstMove.x, kFirstMove.y, -1}};
  for (const TUserClick& Click : kUserClicks) {
    Events.push_back({0, kMove, Click.At.x, Click.At.y, -1});
    Events.push_back({0, kDown, Click.At.x, Click.At.y, Click.ButtonCode});
    Events.push_back({0, kUp, Click.At.x, Click.At.y, Click.ButtonCode});
  }
  return Events;
}

class MacroRecording : public TProgramTest {
 protected:
  bool WaitForCaption(const std::string& ACaption) const {
    return tools::WaitUntil([&] { return Window().Caption() == ACaption; }, kTimeout);
  }

  void PressHotkey(WORD AKey) const {
    SetForegroundWindow(Target.Handle());
    tools::PressKeys({VK_CONTROL, VK_SHIFT, AKey});
  }

  // Each click is made once the previous one has reached the target, as a user's would be.
  void ClickAsTheUser() {
    tools::MoveCursorTo(kFirstMove);
    for (const TUserClick& Click : kUserClicks) {
      const size_t Before = Target.Records().size();
      tools::ClickAt(Click.At, Click.Button);
      ASSERT_TRUE(tools::WaitUntil([&] { return Target.Records().size() >= Before + 2; }, kTimeout));
    }
  }

  std::vector<std::filesystem::path> MacroFiles() const {
    std::vector<std::filesystem::path> Files;
    if (!std::filesystem::exists(MacrosFolder())) return Files;
    for (const auto& Entry : std::filesystem::directory_iterator(MacrosFolder())) Files.push_back(Entry.path());
    return Files;
  }

  tools::TClickTargetWindow Target{tools::kClickTargetBounds, tools::kClickTargetCaption};
};

TEST_F(MacroRecording, RecordedClicksAreSavedAndPlayBackThreeTimesAtTheRecordedPoints) {
  const RECT Normal = Window().Bounds();
  tools::MoveCursorTo(kCursorBeforeRecording);
  Window().Click("rbMacros");
  // The mouse alone: the hotkeys pressed meanwhile are no part of what this checks.
  Window().Select("cbRecordSources", 1);
  Window().Click("btnCreateMacros");
  EXPECT_EQ(Window().Caption(), "  Recording starts in 10...");
  // The start-macros hotkey cuts the countdown short.
  PressHotkey('R');
  ASSERT_TRUE(WaitForCaption("  Recording... Press Shift+Ctrl+X to stop")) << "caption: " << Window().Caption();
  EXPECT_EQ(Window().Status(), "Recording macro...");

  ClickAsTheUser();
  const std::vector<tools::TClickRecord> UserRecords = Target.Records();
  PressHotkey('X');
  ASSERT_TRUE(WaitForCaption(tools::kMainWindowCaption)) << "the recording did not stop";
  const RECT Restored = Window().Bounds();
  EXPECT_TRUE(EqualRect(&Normal, &Restored)) << "the strip did not give the window its bounds back";

  // The file: named after the time the recording stopped, holding the user's actions in order.
  const std::vector<std::filesystem::path> Files = MacroFiles();
  ASSERT_EQ(Files.size(), 1u);
  const std::string Stamp = Files[0].stem().string();
  ASSERT_TRUE(std::regex_match(Stamp, std::regex(R"(\d{4}-\d\d-\d\d_\d\d\.\d\d\.\d\d)"))) << Files[0];
  EXPECT_EQ(Files[0].extension(), ".nevramac");
  const tools::TMacroFile Macro = tools::ReadMacroFile(Files[0]);
  std::vector<TMacroFileEvent> Untimed = Macro.Events;
  for (TMacroFileEvent& Event : Untimed) Event.DeltaMs = 0;
  EXPECT_EQ(Untimed, ExpectedEventsIgnoringTime());
  for (size_t I = 1; I < Macro.Events.size(); ++I) EXPECT_GE(Macro.Events[I].DeltaMs, Macro.Events[I - 1].DeltaMs);
  ASSERT_FALSE(Macro.Events.empty());
  EXPECT_EQ(Macro.DurationMs, Macro.Events.back().DeltaMs);
  // Each press and release is recorded at the point where the target saw it.
  std::vector<TMacroFileEvent> Buttons;
  for (const TMacroFileEvent& Event : Macro.Events)
    if (Event.Kind != kMove) Buttons.push_back(Event);
  ASSERT_EQ(Buttons.size(), UserRecords.size());
  for (size_t I = 0; I < Buttons.size(); ++I) {
    EXPECT_EQ(Buttons[I].X, UserRecords[I].Screen.x) << "event " << I;
    EXPECT_EQ(Buttons[I].Y, UserRecords[I].Screen.y) << "event " << I;
  }

  // The name: the stamp with a blank, then the duration in seconds with one decimal.
  std::string Name = Stamp;
  Name[10] = ' ';
  char Seconds[32];
  std::snprintf(Seconds, sizeof(Seconds), " (%.1fs)", Macro.DurationMs / 1000.0);
  EXPECT_EQ(Macro.Name, Name + Seconds);
  EXPECT_EQ(Window().Status(), "Macro saved: " + Macro.Name + ". Recording stopped by hotkey.");
  EXPECT_EQ(Window().ListItemTexts("lbMacros"), std::vector<std::string>{Macro.Name});
  EXPECT_EQ(Window().ListSelection("lbMacros"), 0);

  // Three passes: the clicks arrive at the recorded points, with the recorded buttons, in order.
  Target.Clear();
  Window().Click("rbRepeatCount");
  Window().SetText("seRepeat", "3");
  Window().PostClick("btnStart");
  ASSERT_TRUE(Window().WaitForStatus("Completed macro repeat count. Runs done: 3", kTimeout))
      << "status: " << Window().Status();
  tools::WaitUntil([&] { return Target.Records().size() >= 3 * UserRecords.size(); }, 5s);
  tools::PumpFor(300ms);
  const std::vector<tools::TClickRecord>& Played = Target.Records();
  ASSERT_EQ(Played.size(), 3 * UserRecords.size());
  for (size_t I = 0; I < Played.size(); ++I) {
    const tools::TClickRecord& Recorded = UserRecords[I % UserRecords.size()];
    EXPECT_EQ(Played[I].Button, Recorded.Button) << "record " << I;
    EXPECT_EQ(Played[I].Pressed, Recorded.Pressed) << "record " << I;
    EXPECT_EQ(Played[I].Screen.x, Recorded.Screen.x) << "record " << I;
    EXPECT_EQ(Played[I].Screen.y, Recorded.Screen.y) << "record " << I;
  }
  EXPECT_EQ(Window().Caption(), tools::kMainWindowCaption);
  EXPECT_TRUE(Window().Visible());
}

}  // namespace
}  // namespace nevra::e2e
