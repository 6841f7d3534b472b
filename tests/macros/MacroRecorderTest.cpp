// Recording in virtual time: the countdown, the hook's messages, the offsets and the saved macro.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "product/AppInfo.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

const std::string kFolder = kMacrosFolder;
constexpr uint32_t kMove = 0x200, kLDown = 0x201, kLUp = 0x202, kRDown = 0x204, kMUp = 0x208, kWheel = 0x20A,
                   kXDown = 0x20B, kXUp = 0x20C, kHWheel = 0x20E;

class MacroRecorderTest : public FormFixture {
 protected:
  MacroRecorderTest() {
    P.Input.Cursor = {100, 100};
    P.Time.SetLocalTime({2026, 12, 10, 9, 5, 7, 0});
    Form->rbMacros.Click();
  }
  // Create, then the whole countdown: recording starts 11 s later.
  void StartRecordingNow() {
    Form->btnCreateMacros.Click();
    P.Time.RunFor(11000);
    ASSERT_TRUE(Form->Recording());
  }
  void StopByHotkey() { P.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'X'); }
  std::vector<TMacroMouseEvent> Recorded() const { return Form->Macros().back()->Events(); }
};

TEST_F(MacroRecorderTest, CountdownShowsTenThenBlinksDownToOneAndRecordsAtTheEleventhTick) {
  std::vector<std::string> Captions;
  struct TCaptionLog : IControlView {
    std::vector<std::string>* Out;
    void ControlChanged(TControl& AControl, TControlProperty AProperty) override {
      if (AProperty == TControlProperty::cpCaption) Out->push_back(AControl.Caption());
    }
  } Log;
  Log.Out = &Captions;
  Form->SetView(&Log);
  Form->btnCreateMacros.Click();
  EXPECT_TRUE(Form->WaitingForRecordStart());
  EXPECT_TRUE(Form->RecUiActive());
  ASSERT_EQ(Captions, (std::vector<std::string>{"  Recording starts in 10..."}));
  P.Time.RunFor(1000);
  EXPECT_EQ(Captions, (std::vector<std::string>{"  Recording starts in 10...", "  ", "  Recording starts in 10 ..."}));
  EXPECT_EQ(P.Time.Sleeps().back(), 100u);
  P.Time.RunFor(7900);  // ticks at 2 s .. 9 s (each tick sleeps 100 ms, the grid stays on whole seconds)
  EXPECT_EQ(Captions.back(), "  Recording starts in 2 ...");
  P.Time.RunFor(1000);
  EXPECT_EQ(Captions.back(), "  Recording starts in 1 ...");
  EXPECT_FALSE(Form->Recording());
  P.Time.RunFor(1000);
  EXPECT_TRUE(Form->Recording());
  EXPECT_FALSE(Form->WaitingForRecordStart());
  EXPECT_EQ(Captions.back(), "  Recording keys too... Shift+Ctrl+X stops");
  EXPECT_EQ(Status(), "Recording macro...");
  EXPECT_TRUE(P.MouseHook.Installed());
  Form->SetView(nullptr);
}

TEST_F(MacroRecorderTest, StartMacrosHotkeyCutsTheCountdownShort) {
  const uint32_t Ctrl = HotkeyModifiers::Control | HotkeyModifiers::Shift;
  P.PressHotkey(Ctrl, 'R');  // idle: nothing
  EXPECT_FALSE(Form->WaitingForRecordStart());
  Form->btnCreateMacros.Click();
  P.Time.RunFor(2500);
  P.PressHotkey(Ctrl, 'S');  // no run during a countdown
  P.PressHotkey(Ctrl, 'X');  // the stop hotkey does not end a countdown
  EXPECT_TRUE(Form->WaitingForRecordStart());
  EXPECT_FALSE(Form->Running());
  P.PressHotkey(Ctrl, 'R');
  EXPECT_TRUE(Form->Recording());
  P.Time.RunFor(20000);
  EXPECT_TRUE(Form->Recording()) << "the countdown timer is off";
}

TEST_F(MacroRecorderTest, CreateDoesNothingDuringARunOrACountdown) {
  Form->btnCreateMacros.Click();
  P.Time.RunFor(3000);
  Form->btnCreateMacrosClick();  // restarting would reset the count
  P.Time.RunFor(8000);
  EXPECT_TRUE(Form->Recording());
}

TEST_F(MacroRecorderTest, HookMessagesBecomeEventsWithoutRepeatedMoves) {
  StartRecordingNow();
  P.MouseHook.Send(kMove, 100, 100);  // where the cursor already was: dropped
  P.Time.RunFor(5);
  P.MouseHook.Send(kMove, 110, 120);
  P.Time.RunFor(5);
  P.MouseHook.Send(kLDown, 110, 120);  // its move repeats the last point: dropped
  P.MouseHook.Send(kWheel, 110, 120, -120);
  P.MouseHook.Send(kHWheel, 110, 120, 15);  // a touchpad's part of a notch, kept as it came
  P.MouseHook.Send(kXDown, 110, 120, 1);
  P.MouseHook.Send(kXDown, 110, 120, 0);  // no side button named: nothing to record
  P.Time.RunFor(5);
  P.MouseHook.Send(kLUp, 111, 120);  // moved while held: the move is kept
  P.MouseHook.Send(kRDown, 111, 120);
  P.MouseHook.Send(kXUp, 111, 120, 2);
  P.MouseHook.Send(kMUp, -5, -7);
  P.Time.RunFor(5000);
  StopByHotkey();
  EXPECT_EQ(Recorded(), (std::vector<TMacroMouseEvent>{{5, mekMove, 110, 120, -1},
                                                       {10, mekDown, 110, 120, 0},
                                                       {10, mekWheel, 110, 120, -120},
                                                       {10, mekHWheel, 110, 120, 15},
                                                       {10, mekDown, 110, 120, 3},
                                                       {15, mekMove, 111, 120, -1},
                                                       {15, mekUp, 111, 120, 0},
                                                       {15, mekDown, 111, 120, 1},
                                                       {15, mekUp, 111, 120, 4},
                                                       {15, mekMove, -5, -7, -1},
                                                       {15, mekUp, -5, -7, 2}}));
  EXPECT_EQ(Form->Macros().back()->DurationMs(), 15u) << "the last event's offset, however late the stop";
  EXPECT_EQ(Form->Macros().back()->Name(), "2026-12-10 09.05.07 (0.0s)");
}

// The keyboard as the recorder's hook sees it: each press or release with the modifiers held
// before it, a registered hotkey's handler running after the hook, as Windows delivers them.
class KeyRecordingTest : public MacroRecorderTest {
 protected:
  static constexpr uint32_t kCtrl = 0xA2, kShift = 0xA0;
  uint32_t ModifiersHeld() const {
    return (FHeld.count(kCtrl) ? HotkeyModifiers::Control : 0) | (FHeld.count(kShift) ? HotkeyModifiers::Shift : 0);
  }
  // "+Ctrl +C -C move": presses, releases and a mouse move to a new point, in that order.
  void Act(const std::string& ASteps) {
    std::istringstream Steps(ASteps);
    for (std::string Step; Steps >> Step;) {
      if (Step == "move") {
        ++FMoveX;
        P.MouseHook.Send(kMove, FMoveX, 100);
        continue;
      }
      const std::string Name = Step.substr(1);
      const uint32_t Vk = Name == "Ctrl" ? kCtrl : Name == "Shift" ? kShift : static_cast<uint32_t>(Name[0]);
      const bool Down = Step[0] == '+';
      P.KeyboardHook.Send({Vk, Vk + 0x100, Down, false, false, ModifiersHeld()});
      if (Down) {
        const uint32_t Modifiers = ModifiersHeld();
        FHeld.insert(Vk);
        P.PressHotkey(Modifiers, Vk);
      } else {
        FHeld.erase(Vk);
      }
      P.Time.RunFor(10);
    }
  }
  // What the macro made after the first ABefore holds, in the same notation; nothing when no
  // macro was made.
  std::vector<std::string> RecordedSteps(size_t ABefore) const {
    std::vector<std::string> Out;
    if (Form->Macros().size() == ABefore) return Out;
    for (const TMacroMouseEvent& Event : Recorded()) {
      if (Event.Kind == mekMove) {
        Out.push_back("move");
        continue;
      }
      const auto Vk = static_cast<uint32_t>(Event.X);
      const std::string Name = Vk == kCtrl ? "Ctrl" : Vk == kShift ? "Shift" : std::string(1, static_cast<char>(Vk));
      Out.push_back((Event.Kind == mekKeyDown ? "+" : "-") + Name);
    }
    return Out;
  }

 private:
  std::set<uint32_t> FHeld;
  int32_t FMoveX = 100;
};

// The stop hotkey is Shift+Ctrl+X, the recording hotkey Shift+Ctrl+R, the start hotkey
// Shift+Ctrl+S. Auto-repeated presses are what was typed, so they are kept.
TEST_F(KeyRecordingTest, TheProgramsHotkeysAndTheModifiersLeadingUpToThemAreLeftOut) {
  struct TCase {
    const char* What;
    const char* Steps;
    std::vector<std::string> Recorded;
  };
  const TCase Cases[] = {
      {"the stop hotkey alone leaves no macro", "+Ctrl +Shift +X", {}},
      {"its modifiers' repeats go too", "+Ctrl +Ctrl +Ctrl +Shift +Shift +X", {}},
      {"typing, then the stop hotkey",
       "+Shift +H -H -Shift +I -I +Ctrl +Shift +X",
       {"+Shift", "+H", "-H", "-Shift", "+I", "-I"}},
      {"repeats while held", "+A +A +A -A +Ctrl +Shift +X", {"+A", "+A", "+A", "-A"}},
      {"Ctrl used for Ctrl+C is kept and released at the end", "+Ctrl +C -C +Shift +X", {"+Ctrl", "+C", "-C", "-Ctrl"}},
      {"a move among the modifiers stays, the modifiers go", "+Ctrl move +Shift move +X", {"move", "move"}},
      {"another hotkey and its releases are left out",
       "+Ctrl +Shift +S -S -Shift -Ctrl +B -B +Ctrl +Shift +X",
       {"+B", "-B"}},
      {"a release of a key held before the recording", "-Q +B -B +Ctrl +Shift +X", {"+B", "-B"}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    const size_t Before = Form->Macros().size();
    StartRecordingNow();
    ASSERT_TRUE(P.KeyboardHook.Installed());
    Act(C.Steps);
    EXPECT_FALSE(Form->Recording()) << "the stop hotkey ended it";
    EXPECT_FALSE(P.KeyboardHook.Installed());
    EXPECT_EQ(RecordedSteps(Before), C.Recorded);
    Act("-X -Shift -Ctrl");
  }
}

TEST_F(KeyRecordingTest, KeysKeepTheirCodesAndTheirPlaceInTimeAmongMouseEvents) {
  StartRecordingNow();
  P.Time.RunFor(5);
  // The right Ctrl: an extended key, told apart from the left one by that flag.
  P.KeyboardHook.Send({0xA3, 0x1D, true, true, false, 0});
  P.Time.RunFor(5);
  P.MouseHook.Send(kLDown, 120, 130);
  P.Time.RunFor(5);
  P.KeyboardHook.Send({0xA3, 0x1D, false, true, false, HotkeyModifiers::Control});
  P.KeyboardHook.Send({'A', 0x1E, true, false, true, 0});  // sent by another program: recorded as typed
  StopByHotkey();
  EXPECT_EQ(Recorded(), (std::vector<TMacroMouseEvent>{{5, mekKeyDown, 0xA3, 0x1D, 1},
                                                       {10, mekMove, 120, 130, -1},
                                                       {10, mekDown, 120, 130, 0},
                                                       {15, mekKeyUp, 0xA3, 0x1D, 1},
                                                       {15, mekKeyDown, 'A', 0x1E, 0},
                                                       {15, mekKeyUp, 'A', 0x1E, 0}}));
}

TEST(MacroRecorderSources, OnlyTheHooksOfWhatIsRecordedGoInAndBothComeOut) {
  fake::TFakePlatform P;
  TMacroRecorder Recorder(P.MouseHook, P.KeyboardHook, P.Input, P.Time, P.Time, P.Locale);
  const TRecordSources Cases[] = {{true, true}, {true, false}, {false, true}};
  for (const TRecordSources& Sources : Cases) {
    Recorder.BeginCountdown(Sources);
    Recorder.StartRecording();
    EXPECT_EQ(P.MouseHook.Installed(), Sources.Mouse);
    EXPECT_EQ(P.KeyboardHook.Installed(), Sources.Keyboard);
    P.MouseHook.Send(MouseMessages::LeftDown, 1, 1);
    P.KeyboardHook.Send({'K', 0x25, true, false, false, 0});
    const TRecordingResult Result = Recorder.Stop();
    EXPECT_FALSE(P.MouseHook.Installed());
    EXPECT_FALSE(P.KeyboardHook.Installed());
    ASSERT_TRUE(Result.Macro);
    std::vector<TMacroEventKind> Kinds;
    for (const TMacroMouseEvent& Event : Result.Macro->Events()) Kinds.push_back(Event.Kind);
    std::vector<TMacroEventKind> Expected;
    if (Sources.Mouse) Expected.insert(Expected.end(), {mekMove, mekDown});
    if (Sources.Keyboard) Expected.insert(Expected.end(), {mekKeyDown, mekKeyUp});
    EXPECT_EQ(Kinds, Expected);
  }
}

TEST_F(MacroRecorderTest, SavedMacroIsListedSelectedAndReported) {
  P.Locale.Separator = ",";
  StartRecordingNow();
  P.MouseHook.Send(kLDown, 100, 100);
  P.Time.RunFor(1250);
  P.MouseHook.Send(kLUp, 100, 100);
  StopByHotkey();
  const std::string Name = "2026-12-10 09.05.07 (1,3s)";
  EXPECT_EQ(Status(), "Macro saved: " + Name + ". Recording stopped by hotkey.");
  EXPECT_EQ(Form->lbMacros.Items(), (std::vector<std::string>{Name}));
  EXPECT_EQ(Form->lbMacros.ItemIndex(), 0);
  const std::string Path = std::string(kFolder) + "\\2026-12-10_09.05.07.nevramac";
  ASSERT_TRUE(P.Files.Files.count(Path));
  EXPECT_EQ(P.Files.Files[Path],
            "\xEF\xBB\xBFName=" + Name + "\r\nDurationMs=1250\r\nE=0|1|100|100|0\r\nE=1250|2|100|100|0\r\n");
  EXPECT_FALSE(P.MouseHook.Installed());
  EXPECT_FALSE(Form->RecUiActive());
}

TEST_F(MacroRecorderTest, ASecondRecordingInTheSameSecondGetsAFreeFileName) {
  for (int I = 0; I < 3; ++I) {
    StartRecordingNow();
    P.MouseHook.Send(kLDown, 1, 1);
    StopByHotkey();
  }
  EXPECT_TRUE(P.Files.Files.count(std::string(kFolder) + "\\2026-12-10_09.05.07.nevramac"));
  EXPECT_TRUE(P.Files.Files.count(std::string(kFolder) + "\\2026-12-10_09.05.07 (2).nevramac"));
  EXPECT_TRUE(P.Files.Files.count(std::string(kFolder) + "\\2026-12-10_09.05.07 (3).nevramac"));
  EXPECT_EQ(Form->Macros().size(), 3u);
}

TEST_F(MacroRecorderTest, NothingRecordedMakesNoMacro) {
  StartRecordingNow();
  P.MouseHook.Send(kMove, 100, 100);  // the start position only
  StopByHotkey();
  EXPECT_EQ(Status(), "Macro recording cancelled or empty.");
  EXPECT_TRUE(Form->Macros().empty());
}

TEST_F(MacroRecorderTest, ARefusedHookEndsAsAnEmptyRecording) {
  P.MouseHook.Refuse = true;
  StartRecordingNow();
  P.MouseHook.Send(kLDown, 5, 5);
  StopByHotkey();
  EXPECT_EQ(Status(), "Macro recording cancelled or empty.");
}

TEST_F(MacroRecorderTest, OffsetsAreRightAcrossTheTickCountersWrap) {
  fake::TFakePlatform Wrapping(0xFFFFFFFFu - 11500);  // wraps half a second into the recording
  Wrapping.App.SetTitle(kApplicationTitle);
  Wrapping.Window.Visible = true;
  TFrmMain F(Wrapping.Platform);
  Wrapping.App.MainForm = &F;
  F.FormCreate();
  F.rbMacros.Click();
  F.btnCreateMacros.Click();
  Wrapping.Time.RunFor(11000);
  Wrapping.Time.RunFor(400);
  Wrapping.MouseHook.Send(kLDown, 1, 1);
  Wrapping.Time.RunFor(200);
  Wrapping.MouseHook.Send(kLUp, 1, 1);
  Wrapping.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'X');
  ASSERT_EQ(F.Macros().size(), 1u);
  EXPECT_EQ(F.Macros()[0]->Events().front().DeltaMs, 400u);
  EXPECT_EQ(F.Macros()[0]->Events().back().DeltaMs, 600u);
  EXPECT_EQ(F.Macros()[0]->DurationMs(), 600u);
  F.FormDestroy();
}

TEST_F(MacroRecorderTest, ClosingWhileRecordingSavesTheMacro) {
  StartRecordingNow();
  P.MouseHook.Send(kLDown, 1, 1);
  EXPECT_TRUE(Form->CloseQuery());
  EXPECT_EQ(Status(), "Macro saved: 2026-12-10 09.05.07 (0.0s). Recording stopped because application is closing.");
  EXPECT_EQ(P.Files.Files.count(std::string(kFolder) + "\\2026-12-10_09.05.07.nevramac"), 1u);
}

TEST_F(MacroRecorderTest, ClosingDuringTheCountdownWritesNothing) {
  Form->btnCreateMacros.Click();
  P.Time.RunFor(3000);
  EXPECT_TRUE(Form->CloseQuery());
  Form->FormDestroy();
  EXPECT_EQ(P.Files.ListFiles(kFolder, ".nevramac").size(), 0u);
}

TEST_F(MacroRecorderTest, AFailedSaveWhileClosingIsReportedAndTheWindowStillCloses) {
  StartRecordingNow();
  P.MouseHook.Send(kLDown, 1, 1);
  P.Files.Unwritable.insert(std::string(kFolder) + "\\2026-12-10_09.05.07.nevramac");
  EXPECT_TRUE(Form->CloseQuery());
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkError);
  EXPECT_FALSE(P.MouseHook.Installed());
}

TEST_F(MacroRecorderTest, TheWindowComesBackAsItWasBeforeTheCountdown) {
  Form->chkTopMost.Click();
  const TRect Before = P.Window.Bounds;
  StartRecordingNow();
  StopByHotkey();
  EXPECT_EQ(P.Window.Bounds, Before);
  EXPECT_EQ(Form->Caption(), MainWindowCaption());
  EXPECT_TRUE(P.Window.TopMost);
  EXPECT_TRUE(Form->chkTopMost.Checked());
}

}  // namespace
}  // namespace nevra::test
