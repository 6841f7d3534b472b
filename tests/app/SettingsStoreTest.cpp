// settings.ini: what a first run writes, what a hand-edited file does, and that nothing is lost.
#include <gtest/gtest.h>

#include "support/FormFixture.h"

namespace nevra::test {
namespace {

using SettingsStoreTest = FormFixture;

TEST_F(SettingsStoreTest, FirstRunWritesEveryEntryInOrder) {
  EXPECT_TRUE(P.Files.Folders.count(kAppDataFolder));
  Form->FormDestroy();
  EXPECT_EQ(Saved(),
            "[Target]\r\nmode=0\r\n"
            "[Interval]\r\nh=0\r\nm=0\r\ns=0\r\nms=100\r\njitterEnabled=0\r\njitterMs=0\r\n"
            "[Repeat]\r\nuntilStopped=1\r\ncount=100\r\nforTime=0\r\nforSeconds=60\r\n"
            "[Click]\r\nbutton=0\r\ntype=0\r\nholdMs=80\r\nkeyVk=32\r\nkeyMod=0\r\n"
            "[UI]\r\ntopMost=0\r\nminimizeOnStart=0\r\n"
            "[Delay]\r\nstartDelayS=0\r\n"
            "[HotkeyStart]\r\nvk=83\r\nmod=6\r\n"
            "[HotkeyStop]\r\nvk=88\r\nmod=6\r\n"
            "[HotkeyStartMacros]\r\nvk=82\r\nmod=6\r\n"
            "[Coords]\r\nx=0\r\ny=0\r\n"
            "[Macros]\r\nselected=-1\r\nrecordWhat=0\r\nplaybackSpeedPercent=100\r\n");
}

TEST_F(SettingsStoreTest, EverySettingSurvivesARestart) {
  Form->rbCoordinates.Click();
  Form->edtCoordX.SetValue(640);
  Form->edtCoordY.SetValue(480);
  Form->seHours.SetValue(1);
  Form->seMinutes.SetValue(2);
  Form->seSeconds.SetValue(3);
  Form->seMillis.SetValue(4);
  Form->chkJitter.Click();
  Form->seJitterMs.SetValue(25);
  Form->rbRepeatCount.Click();
  Form->seRepeat.SetValue(7);
  Form->cbButton.Select(2);
  Form->cbClickType.Select(2);
  Form->seHoldMs.SetValue(300);
  Form->chkTopMost.Click();
  Form->seStartDelaySS.SetValue(9);
  Restart();
  EXPECT_TRUE(Form->rbCoordinates.Checked());
  EXPECT_EQ(Form->edtCoordX.Value(), 640);
  EXPECT_EQ(Form->edtCoordY.Value(), 480);
  EXPECT_EQ(Form->seHours.Value(), 1);
  EXPECT_EQ(Form->seMinutes.Value(), 2);
  EXPECT_EQ(Form->seSeconds.Value(), 3);
  EXPECT_EQ(Form->seMillis.Value(), 4);
  EXPECT_TRUE(Form->chkJitter.Checked());
  EXPECT_TRUE(Form->seJitterMs.Enabled());
  EXPECT_EQ(Form->seJitterMs.Value(), 25);
  EXPECT_TRUE(Form->rbRepeatCount.Checked());
  EXPECT_FALSE(Form->rbUntilStopped.Checked());
  EXPECT_TRUE(Form->seRepeat.Enabled());
  EXPECT_EQ(Form->seRepeat.Value(), 7);
  EXPECT_EQ(Form->cbButton.ItemIndex(), 2);
  EXPECT_EQ(Form->cbClickType.ItemIndex(), 2);
  EXPECT_TRUE(Form->seHoldMs.Enabled());
  EXPECT_EQ(Form->seHoldMs.Value(), 300);
  EXPECT_TRUE(Form->chkTopMost.Checked());
  EXPECT_TRUE(P.Window.TopMost);
  EXPECT_EQ(Form->seStartDelaySS.Value(), 9);
  EXPECT_TRUE(Form->edtCoordX.Enabled());
}

TEST_F(SettingsStoreTest, HandEditedValuesAreReadAsTheWindowWouldTakeThem) {
  StartWith(
      "[Target]\r\nmode=7\r\n[Interval]\r\nms=5000\r\njitterEnabled=2\r\n[Repeat]\r\nuntilStopped=0\r\n"
      "[Click]\r\nbutton=4\r\ntype=2\r\n[UI]\r\ntopMost=1\r\nminimizeOnStart=1\r\n[HotkeyStop]\r\nvk=0x58\r\nmod="
      "2\r\n");
  EXPECT_TRUE(Form->rbCurrentCursorPosition.Checked());
  EXPECT_FALSE(Form->edtCoordX.Enabled());
  EXPECT_FALSE(Form->lbMacros.Enabled());
  EXPECT_EQ(Form->seMillis.Text(), "999");
  EXPECT_TRUE(Form->chkJitter.Checked());
  EXPECT_TRUE(Form->seJitterMs.Enabled());
  EXPECT_TRUE(Form->rbRepeatCount.Checked());
  EXPECT_TRUE(Form->seRepeat.Enabled());
  EXPECT_EQ(Form->cbButton.ItemIndex(), -1);
  EXPECT_TRUE(Form->seHoldMs.Enabled());
  EXPECT_TRUE(Form->chkMinimizeToTrayOnStart.Checked());
  EXPECT_FALSE(Form->chkTopMost.Checked()) << "minimise-to-tray, read later, wins";
  EXPECT_FALSE(P.Window.TopMost);
  EXPECT_EQ(Form->StopHotkey().Vk, 88u);
  EXPECT_EQ(Form->StopHotkey().Modifiers, 2u);
  EXPECT_EQ(Form->lblHotkeys.Caption(), "Hotkeys \xE2\x80\x94 Start: Shift+Ctrl+S  |  Stop: Ctrl+X");

  // No button selected: clicks use the left one, and -1 is saved back.
  Form->btnStart.Click();
  P.Time.RunFor(999);
  ASSERT_FALSE(Events().empty());
  EXPECT_EQ(Events().front(), "D0");
  Form->btnStop.Click();
  Form->FormDestroy();
  EXPECT_NE(Saved().find("[Click]\r\nbutton=-1\r\n"), std::string::npos);
}

// A monitor left of or above the main one has negative coordinates; older files keep theirs.
TEST_F(SettingsStoreTest, CoordinatesCoverTheWholeVirtualDesktop) {
  const std::pair<const char*, std::pair<int32_t, int32_t>> Cases[] = {
      {"[Coords]\r\nx=-1920\r\ny=-300\r\n", {-1920, -300}},
      {"[Coords]\r\nx=640\r\ny=480\r\n", {640, 480}},
      {"[Coords]\r\nx=-100001\r\ny=100001\r\n", {-100000, 100000}},
  };
  for (const auto& [File, Point] : Cases) {
    SCOPED_TRACE(File);
    StartWith(File);
    EXPECT_EQ(Form->edtCoordX.Value(), Point.first);
    EXPECT_EQ(Form->edtCoordY.Value(), Point.second);
    Form->FormDestroy();
    EXPECT_NE(
        Saved().find("[Coords]\r\nx=" + std::to_string(Point.first) + "\r\ny=" + std::to_string(Point.second) + "\r\n"),
        std::string::npos);
  }
}

TEST_F(SettingsStoreTest, BadEntriesKeepTheirDefaultsAndTheRestStillApplies) {
  StartWith("[Interval]\r\njitterEnabled=yes\r\nh=abc\r\nm=5\r\n");
  EXPECT_FALSE(Form->chkJitter.Checked());
  EXPECT_EQ(Form->seHours.Value(), 0);
  EXPECT_EQ(Form->seMinutes.Value(), 5);
}

TEST_F(SettingsStoreTest, AnotherStopKeyFromTheFileReplacesTheDefault) {
  StartWith("[HotkeyStop]\r\nvk=119\r\nmod=0\r\n");
  Form->btnStart.Click();
  EXPECT_FALSE(P.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'X'));
  EXPECT_TRUE(Form->Running());
  EXPECT_TRUE(P.PressHotkey(0, 119));
  EXPECT_EQ(Status(), "Stopped by hotkey. Clicks done: 0");
}

// A hand-edited file may give a hotkey what no combination is, or the keys of another hotkey: that
// hotkey keeps its default, the status line names the entry and why, and the file gets the default.
TEST_F(SettingsStoreTest, UnusableHotkeysKeepTheirDefaultsAndTheStatusLineNamesThem) {
  constexpr uint32_t kCtrlShift = HotkeyModifiers::Control | HotkeyModifiers::Shift;
  const char* const kInvalidStop = "settings.ini: [HotkeyStop] ignored, not a valid key combination";
  struct TCase {
    const char* File;
    const char* Status;
  };
  const TCase Cases[] = {
      {"[HotkeyStop]\r\nvk=83\r\nmod=6\r\n", "settings.ini: [HotkeyStop] ignored, same keys as [HotkeyStart]"},
      // The one that is not at its own default goes back, so Stop keeps the keys it always had.
      {"[HotkeyStart]\r\nvk=88\r\nmod=6\r\n", "settings.ini: [HotkeyStart] ignored, same keys as [HotkeyStop]"},
      {"[HotkeyStop]\r\nvk=-1\r\nmod=6\r\n", kInvalidStop},
      {"[HotkeyStop]\r\nvk=0\r\nmod=6\r\n", kInvalidStop},
      {"[HotkeyStop]\r\nvk=256\r\nmod=6\r\n", kInvalidStop},
      {"[HotkeyStop]\r\nvk=2147483647\r\nmod=6\r\n", kInvalidStop},
      {"[HotkeyStop]\r\nvk=88\r\nmod=-1\r\n", kInvalidStop},
      {"[HotkeyStop]\r\nvk=1\r\nmod=0\r\n", kInvalidStop},  // the left mouse button
      {"[HotkeyStop]\r\nvk=7\r\nmod=6\r\n", kInvalidStop},  // a key without a name
      {"[HotkeyStartMacros]\r\nvk=88\r\nmod=6\r\n",
       "settings.ini: [HotkeyStartMacros] ignored, same keys as [HotkeyStop]"},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.File);
    StartWith(C.File);
    EXPECT_EQ(Status(), C.Status);
    EXPECT_EQ(Form->lblHotkeys.Caption(), "Hotkeys \xE2\x80\x94 Start: Shift+Ctrl+S  |  Stop: Shift+Ctrl+X");
    ASSERT_TRUE(P.PressHotkey(kCtrlShift, 'S'));
    EXPECT_EQ(Form->Caption(), "  Running... Press Shift+Ctrl+X to stop");
    ASSERT_TRUE(P.PressHotkey(kCtrlShift, 'X'));
    EXPECT_FALSE(Form->Running());
    Form->FormDestroy();
    for (const char* Entry : {"[HotkeyStart]\r\nvk=83\r\nmod=6\r\n", "[HotkeyStop]\r\nvk=88\r\nmod=6\r\n",
                              "[HotkeyStartMacros]\r\nvk=82\r\nmod=6\r\n"})
      EXPECT_NE(Saved().find(Entry), std::string::npos) << Saved();
    P.Files.Files.clear();
  }
}

TEST_F(SettingsStoreTest, AHotkeyTakenByAnotherProgramSilentlyDoesNothing) {
  P.Hotkeys.TakenByOthers.insert({HotkeyModifiers::Control | HotkeyModifiers::Shift, 'S'});
  Restart();
  EXPECT_FALSE(P.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'S'));
  EXPECT_TRUE(P.Dialogs.Shown.empty());
  EXPECT_NE(Form->lblHotkeys.Caption().find("Shift+Ctrl+S"), std::string::npos);
}

TEST_F(SettingsStoreTest, ExtraKeysAndCommentsSurviveASave) {
  StartWith("; my notes\r\n[Target]\r\nmode=1\r\ncolour=green\r\n\r\n[Mine]\r\na=b\r\n");
  Form->FormDestroy();
  const std::string Text = Saved();
  EXPECT_EQ(Text.rfind("; my notes\r\n[Target]\r\nmode=1\r\ncolour=green\r\n\r\n[Mine]\r\na=b\r\n[Interval]\r\n", 0),
            0u);
}

TEST_F(SettingsStoreTest, AFailedSaveIsReportedAndLeavesTheOldFile) {
  StartWith("[Target]\r\nmode=1\r\n");
  P.Files.Unwritable.insert(kSettingsPath);
  Form->FormDestroy();
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkError);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, std::string("Unable to write to ") + kSettingsPath);
  EXPECT_EQ(Saved(), "[Target]\r\nmode=1\r\n");
}

TEST_F(SettingsStoreTest, AnUnreadableFileIsNeverOverwritten) {
  P.Files.Files[kSettingsPath] = "[Target]\r\nmode=2\r\n";
  P.Files.Unreadable.insert(kSettingsPath);
  Create();
  EXPECT_TRUE(Form->rbCurrentCursorPosition.Checked()) << "read as a file with every entry missing";
  Form->FormDestroy();
  EXPECT_EQ(P.Files.Writes, 0);
  EXPECT_EQ(P.Dialogs.Shown.size(), 1u);
}

TEST_F(SettingsStoreTest, FolderFallsBackToTheExecutablesWhenAppDataIsEmpty) {
  P.Environment.Variables.clear();
  Restart();
  Form->FormDestroy();
  EXPECT_TRUE(P.Files.Files.count(kProgramFolder + "\\" + kApplicationTitle + "\\settings.ini"));
}

}  // namespace
}  // namespace nevra::test
