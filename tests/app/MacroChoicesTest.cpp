// The macro part's two lists: what a recording takes in and how fast a macro plays, as the window
// shows them, hands them on and keeps them in settings.ini.
#include "app/MacroChoices.h"

#include <gtest/gtest.h>

#include "support/FormFixture.h"

namespace nevra::test {
namespace {

constexpr int32_t kBoth = 0, kMouseOnly = 1, kKeyboardOnly = 2;

class MacroChoicesTest : public FormFixture {
 protected:
  // One macro in the folder, selected, the macro target chosen.
  void WithAMacro() {
    P.Files.Files[std::string(kMacrosFolder) + "\\Login.nevramac"] = "Name=Login\r\nDurationMs=10\r\nE=10|0|1|2|-1\r\n";
    Restart();
    Form->rbMacros.Click();
  }
  // The speed of the macro run under way; 0 when none plays.
  uint32_t PlayingSpeed() const {
    const auto* Task = std::get_if<TMacroTask>(&Form->Run().Request().Task);
    return Form->Running() && Task != nullptr ? Task->SpeedPercent : 0;
  }
  int32_t SpeedIndexOf(uint32_t APercent) const {
    const auto Speeds = PlaybackSpeedPercents();
    for (size_t Index = 0; Index < Speeds.size(); ++Index)
      if (Speeds[Index] == APercent) return static_cast<int32_t>(Index);
    return -1;
  }
};

TEST(PlaybackSpeeds, TheListShowsEachSpeedAsAFactorWithTheUsersSeparator) {
  std::vector<std::string> Shown;
  for (const uint32_t Percent : PlaybackSpeedPercents()) Shown.push_back(PlaybackSpeedText(Percent, ","));
  EXPECT_EQ(Shown, (std::vector<std::string>{"0,25\xC3\x97", "0,5\xC3\x97", "0,75\xC3\x97", "1\xC3\x97", "1,5\xC3\x97",
                                             "2\xC3\x97", "3\xC3\x97", "4\xC3\x97", "5\xC3\x97", "10\xC3\x97"}));
}

TEST_F(MacroChoicesTest, SettingsFileEntriesSetTheListsAndWhatIsOutOfPlaceFallsBack) {
  struct TCase {
    const char* Ini;
    int32_t RecordIndex;
    uint32_t SpeedPercent;
  };
  for (const TCase& Case : {
           TCase{"", kBoth, 100},  // a file from before the lists: both recorded, as recorded
           TCase{"[Macros]\r\nrecordWhat=1\r\nplaybackSpeedPercent=25\r\n", kMouseOnly, 25},
           TCase{"[Macros]\r\nrecordWhat=2\r\nplaybackSpeedPercent=1000\r\n", kKeyboardOnly, 1000},
           TCase{"[Macros]\r\nrecordWhat=3\r\nplaybackSpeedPercent=1001\r\n", kBoth, 100},
           TCase{"[Macros]\r\nrecordWhat=-1\r\nplaybackSpeedPercent=24\r\n", kBoth, 100},
           TCase{"[Macros]\r\nrecordWhat=mouse\r\nplaybackSpeedPercent=1.5\r\n", kBoth, 100},
           TCase{"[Macros]\r\nplaybackSpeedPercent=120\r\n", kBoth, 100},  // between listed ones: the nearest
           TCase{"[Macros]\r\nplaybackSpeedPercent=130\r\n", kBoth, 150},
           TCase{"[Macros]\r\nplaybackSpeedPercent=125\r\n", kBoth, 100},  // halfway: the slower
           TCase{"[Macros]\r\nplaybackSpeedPercent=800\r\n", kBoth, 1000},
       }) {
    SCOPED_TRACE(Case.Ini);
    StartWith(Case.Ini);
    EXPECT_EQ(Form->cbRecordSources.ItemIndex(), Case.RecordIndex);
    EXPECT_EQ(Form->cbSpeed.ItemIndex(), SpeedIndexOf(Case.SpeedPercent));
    Form->FormDestroy();
    for (const std::string& Entry : {"recordWhat=" + std::to_string(Case.RecordIndex) + "\r\n",
                                     "playbackSpeedPercent=" + std::to_string(Case.SpeedPercent) + "\r\n"})
      EXPECT_NE(Saved().find(Entry), std::string::npos) << Saved();
  }
}

TEST_F(MacroChoicesTest, EveryChoiceSurvivesARestart) {
  Form->rbMacros.Click();  // which the next start remembers
  for (int32_t Record = 0; Record < 3; ++Record)
    for (int32_t Speed = 0; Speed < static_cast<int32_t>(PlaybackSpeedPercents().size()); ++Speed) {
      Form->cbRecordSources.Select(Record);
      Form->cbSpeed.Select(Speed);
      Restart();
      EXPECT_EQ(Form->cbRecordSources.ItemIndex(), Record);
      EXPECT_EQ(Form->cbSpeed.ItemIndex(), Speed);
    }
}

TEST_F(MacroChoicesTest, TheListsAreUsableWithTheOtherMacroControlsOnly) {
  const auto Usable = [this] {
    return std::vector<bool>{Form->lblRecordSources.Enabled(), Form->cbRecordSources.Enabled(),
                             Form->lblSpeed.Enabled(), Form->cbSpeed.Enabled()};
  };
  EXPECT_EQ(Usable(), std::vector<bool>(4, false));
  Form->rbMacros.Click();
  EXPECT_EQ(Usable(), std::vector<bool>(4, true));
  Form->rbCoordinates.Click();
  EXPECT_EQ(Usable(), std::vector<bool>(4, false));
  StartWith("[Target]\r\nmode=2\r\n");
  EXPECT_EQ(Usable(), std::vector<bool>(4, true));
}

TEST_F(MacroChoicesTest, AMacroPlaysAtTheChosenSpeedUnlessTheCommandLineNamesOne) {
  WithAMacro();
  Form->seStartDelaySS.SetValue(5);  // the run waits, so the request can be looked at
  Form->cbSpeed.Select(SpeedIndexOf(150));
  Form->btnStart.Click();
  EXPECT_EQ(PlayingSpeed(), 150u);
  Form->btnStop.Click();

  TCommand Play;
  Play.Action = TCommandAction::caPlay;
  Play.MacroName = "Login";
  EXPECT_EQ(Form->FollowCommand(Play, true), kExitDone);
  EXPECT_EQ(PlayingSpeed(), 150u) << "the window's speed";
  Form->btnStop.Click();
  Play.SpeedPercent = 30;
  EXPECT_EQ(Form->FollowCommand(Play, true), kExitDone);
  EXPECT_EQ(PlayingSpeed(), 30u);
  Form->btnStop.Click();
  EXPECT_EQ(Form->cbSpeed.ItemIndex(), SpeedIndexOf(150)) << "the window keeps its own";
}

TEST_F(MacroChoicesTest, TheStripSaysWhenKeystrokesAreRecorded) {
  Form->rbMacros.Click();
  const std::pair<int32_t, const char*> Cases[] = {
      {kBoth, "  Recording keys too... Shift+Ctrl+X stops"},
      {kMouseOnly, "  Recording... Press Shift+Ctrl+X to stop"},
      {kKeyboardOnly, "  Recording keys only... Shift+Ctrl+X stops"},
  };
  for (const auto& [Choice, Caption] : Cases) {
    Form->cbRecordSources.Select(Choice);
    Form->btnCreateMacros.Click();
    // Changing the list meanwhile does not change what the recording under way takes in.
    Form->cbRecordSources.Select(Choice == kMouseOnly ? kBoth : kMouseOnly);
    P.Time.RunFor(11000);
    ASSERT_TRUE(Form->Recording());
    EXPECT_EQ(Form->Caption(), Caption);
    P.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'X');
    EXPECT_FALSE(Form->Recording());
  }
}

}  // namespace
}  // namespace nevra::test
