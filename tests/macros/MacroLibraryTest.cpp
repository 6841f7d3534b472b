// The macro library: the start-up scan with the remembered selection, rename and remove.
#include <gtest/gtest.h>

#include "macros/MacroFileName.h"
#include "macros/MacroModel.h"
#include "platform/InputCodes.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

const std::string kFolder = kMacrosFolder;

std::string PathOf(const std::string& AStem) { return std::string(kFolder) + "\\" + AStem + ".nevramac"; }

class MacroLibraryTest : public FormFixture {
 protected:
  void AddFile(const std::string& AStem, const std::string& AName) {
    P.Files.Files[PathOf(AStem)] = "\xEF\xBB\xBFName=" + AName + "\r\nDurationMs=10\r\nE=10|0|1|2|-1\r\n";
  }
  // Starts the program with these files and this remembered selection.
  void StartWith(std::initializer_list<std::pair<std::string, std::string>> AFiles, int ASelected) {
    for (const auto& [Stem, Name] : AFiles) AddFile(Stem, Name);
    P.Files.Files[kSettingsPath] = "[Macros]\r\nselected=" + std::to_string(ASelected) + "\r\n";
    Create();
    Form->rbMacros.Click();
  }
  std::vector<std::string> Listed() const { return Form->lbMacros.Items(); }
  void Repeat1AndStart() {
    Form->rbRepeatCount.Click();
    Form->seRepeat.SetValue(1);
    UserClick(Form->btnStart);
  }
  int Selected() const { return Form->lbMacros.ItemIndex(); }
  void Rename(const std::string& ATyped) {
    P.Dialogs.Typed.push_back(ATyped);
    UserClick(Form->bRename);
  }
};

TEST_F(MacroLibraryTest, EmptyFolderGivesAnEmptyListAndTheFolderExists) {
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(Selected(), -1);
  EXPECT_TRUE(P.Files.Folders.count(kFolder));
}

TEST_F(MacroLibraryTest, ScanListsReadableFilesAndAppliesTheRememberedPosition) {
  struct Case {
    int Remembered, Expected;
  };
  for (const Case C : {Case{1, 1}, Case{3, 0}, Case{-1, 0}}) {
    SCOPED_TRACE(C.Remembered);
    P.Files.Files.clear();
    StartWith({{"a", "First"}, {"b", "Second"}}, C.Remembered);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(Selected(), C.Expected);
  }
}

TEST_F(MacroLibraryTest, UnreadableAndForeignFilesAreLeftOut) {
  AddFile("good", "Good");
  AddFile("bad", "Bad");
  P.Files.Unreadable.insert(PathOf("bad"));
  P.Files.Files[std::string(kFolder) + "\\notes.txt"] = "x";
  P.Files.Files[std::string(kFolder) + "\\UPPER.NEVRAMAC"] = "Name=Upper\r\n";
  P.Files.Files[std::string(kFolder) + "\\sub\\deep.nevramac"] = "Name=Deep\r\n";
  Create();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Upper", "Good"}));
  EXPECT_TRUE(P.Files.Files.count(PathOf("bad"))) << "stays on disk";
  EXPECT_TRUE(P.Dialogs.Shown.empty());
}

// The names are read in the background after start: until they are in, the list grows and
// whatever needs the whole list waits for it.
class MacroListingTest : public MacroLibraryTest {
 protected:
  MacroListingTest() { ReadMacroNamesAtStart = false; }
  void StartWithThree() { StartWith({{"a", "First"}, {"b", "Second"}, {"c", "Third"}}, 1); }
};

TEST_F(MacroListingTest, TheListFillsAfterStartAndTheRememberedMacroIsSelectedOnceItIsWhole) {
  StartWithThree();
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(P.Background.Waiting(), 1u);
  P.Background.RunAll();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"First", "Second", "Third"}));
  EXPECT_EQ(Selected(), 1);
}

TEST_F(MacroListingTest, WhatNeedsTheWholeListWaitsForIt) {
  // Start with the macro target: the remembered macro plays.
  StartWithThree();
  Repeat1AndStart();
  EXPECT_TRUE(P.Dialogs.Shown.empty());
  EXPECT_EQ(Listed().size(), 3u);
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(Status(), "Completed macro repeat count. Runs done: 1");

  // /play finds a macro by name.
  Restart();
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(Form->FollowCommand(TCommand{TCommandAction::caPlay, "Third", 1u}, false), kExitDone);
  EXPECT_EQ(Status(), "Completed macro repeat count. Runs done: 1");
}

TEST_F(MacroListingTest, ARecordingSavedMeanwhileGoesAfterTheFoldersMacros) {
  StartWithThree();
  Form->btnCreateMacros.Click();
  P.Time.RunFor(11000);
  ASSERT_TRUE(Form->Recording());
  P.MouseHook.Send(MouseMessages::LeftDown, 100, 100);
  P.Time.RunFor(100);
  P.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'X');
  const std::vector<std::string> Names = Listed();
  ASSERT_EQ(Names.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(Names.begin(), Names.begin() + 3),
            (std::vector<std::string>{"First", "Second", "Third"}));
  EXPECT_EQ(Selected(), 3) << "the new recording is selected";
}

// The user's choice stays with its macro while the list grows, however alike the names: "a" and
// "A" are two macros, and the one chosen stays chosen.
TEST_F(MacroListingTest, TheChosenMacroStaysChosenWhileTheListGrowsWhateverItsName) {
  AddFile("f1", "a");
  AddFile("f2", "A");
  for (int I = 0; I < 128; ++I) AddFile("g" + std::to_string(1000 + I), "G" + std::to_string(I));
  Create();
  Form->rbMacros.Click();
  ASSERT_TRUE(P.Background.RunTurn());
  ASSERT_LT(Listed().size(), 130u) << "the list fills in more than one turn";
  Form->lbMacros.Select(1);
  P.Background.RunAll();
  ASSERT_EQ(Listed().size(), 130u);
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(Form->Macros()[1]->FileName(), PathOf("f2"));
}

TEST_F(MacroListingTest, AFolderThatCannotBeListedIsReportedInTheStatusLine) {
  P.Files.Unlistable.insert(kFolder);
  Create();
  P.Background.RunAll();
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(Status(), std::string("cannot list ") + kFolder);
  EXPECT_TRUE(P.Dialogs.Shown.empty());
}

TEST_F(MacroListingTest, ClosingBeforeTheListIsWholeKeepsTheRememberedMacro) {
  StartWithThree();
  Form->FormDestroy();
  EXPECT_NE(P.Files.Files[kSettingsPath].find("[Macros]\r\nselected=1\r\n"), std::string::npos);
}

TEST_F(MacroLibraryTest, SelectedPositionIsSavedAtExit) {
  StartWith({{"a", "First"}, {"b", "Second"}}, 1);
  Form->lbMacros.Select(0);
  Form->FormDestroy();
  EXPECT_NE(P.Files.Files[kSettingsPath].find("[Macros]\r\nselected=0\r\n"), std::string::npos);
}

TEST_F(MacroLibraryTest, RenameWritesTheNewFileAndRemovesTheOld) {
  StartWith({{"2026-12-10_09.30.00", "2026-12-10 09.30.00 (0.0s)"}, {"other", "Other"}}, 0);
  Rename("  Open menu  ");
  ASSERT_EQ(P.Dialogs.Inputs.size(), 1u);
  EXPECT_EQ(P.Dialogs.Inputs[0].Caption, "Rename macro");
  EXPECT_EQ(P.Dialogs.Inputs[0].Prompt, "Enter new macro name:");
  EXPECT_EQ(P.Dialogs.Inputs[0].Initial, "2026-12-10 09.30.00 (0.0s)");
  EXPECT_FALSE(P.Files.Files.count(PathOf("2026-12-10_09.30.00")));
  ASSERT_TRUE(P.Files.Files.count(PathOf("Open menu")));
  EXPECT_EQ(P.Files.Files[PathOf("Open menu")].rfind("\xEF\xBB\xBFName=Open menu\r\n", 0), 0u);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Open menu", "Other"}));
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(Status(), "Macro renamed.");
}

TEST_F(MacroLibraryTest, RenameWithForbiddenCharactersKeepsTheNameAsTyped) {
  StartWith({{"a", "A"}}, 0);
  Rename("a/b:c*d?e\"f<g>h|i\\j");
  EXPECT_TRUE(P.Files.Files.count(PathOf("a_b_c_d_e_f_g_h_i_j")));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"a/b:c*d?e\"f<g>h|i\\j"}));
}

TEST_F(MacroLibraryTest, RenameToTheSameFileStemRewritesInPlace) {
  StartWith({{"Macro_1", "Old"}}, 0);
  Rename("Macro:1");
  EXPECT_EQ(P.Files.Files.size(), 2u) << "the macro and the settings file, nothing else";
  EXPECT_EQ(P.Files.Files[PathOf("Macro_1")].rfind("\xEF\xBB\xBFName=Macro:1\r\n", 0), 0u);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Macro:1"}));
}

TEST_F(MacroLibraryTest, RenamesThatChangeNothing) {
  StartWith({{"ab", "ab"}, {"taken", "Taken"}}, 0);
  const auto Before = P.Files.Files;
  Rename("AB");           // letter case only
  Rename(" \t ");         // empty once trimmed
  Rename("taken");        // another macro's file
  Form->bRename.Click();  // cancelled (nothing typed)
  EXPECT_EQ(P.Files.Files, Before);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"ab", "Taken"}));
  ASSERT_EQ(P.Dialogs.Shown.size(), 2u);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Macro name cannot be empty.");
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkWarning);
  EXPECT_EQ(P.Dialogs.Shown[1].Text, "A macro file with this name already exists.");
  EXPECT_EQ(Status(), "Ready");
}

TEST_F(MacroLibraryTest, RenameWithoutSelectionAsksForOne) {
  StartWith({}, -1);
  Form->bRename.Click();
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkInformation);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Please select a macro first.");
}

TEST_F(MacroLibraryTest, AFailedRenameKeepsTheOldFileAndName) {
  StartWith({{"a", "A"}}, 0);
  P.Files.Unwritable.insert(PathOf("a"));
  Rename("B");
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkError);
  EXPECT_TRUE(P.Files.Files.count(PathOf("a")));
  EXPECT_EQ(Form->Macros()[0]->Name(), "A");
  EXPECT_EQ(Form->Macros()[0]->FileName(), PathOf("a"));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"A"}));
}

// A rename cut short (the program ended, the power gone) after any of its steps leaves the macro
// once, whole, under one of its two names; once done, under the new one.
TEST_F(MacroLibraryTest, ARenameCutShortAfterAnyStepLeavesTheMacroOnce) {
  StartWith({{"a", "A"}}, 0);
  std::vector<std::map<std::string, std::string>> States;
  P.Files.AfterChange = [this, &States] { States.push_back(P.Files.Files); };
  Rename("B");
  P.Files.AfterChange = nullptr;
  ASSERT_FALSE(States.empty());
  for (size_t Step = 0; Step < States.size(); ++Step) {
    SCOPED_TRACE(Step);
    P.Files.Files = States[Step];
    Create();
    ASSERT_EQ(Form->Macros().size(), 1u);
    EXPECT_THAT(Form->Macros()[0]->Name(), ::testing::AnyOf("A", "B"));
    EXPECT_EQ(Form->Macros()[0]->Events().size(), 1u);
  }
  EXPECT_EQ(Form->Macros()[0]->Name(), "B");
  EXPECT_EQ(Form->Macros()[0]->FileName(), PathOf("B"));
}

// A macro of an hour is tens of megabytes: the start-up scan reads the names, and a macro's
// events are read when it is played or renamed.
class LargeMacroTest : public MacroLibraryTest {
 protected:
  void SetUp() override {
    TRecordedMacro Big;
    Big.SetName("Big");
    for (uint32_t I = 1; I <= 1000; ++I) Big.MutableEvents().push_back({I, mekMove, 5, 5, -1});
    Big.MutableEvents().push_back({1001, mekDown, 5, 5, 0});
    Big.SetDurationMs(1001);
    P.Files.Folders.insert(kFolder);
    Big.SaveToFile(P.Files, PathOf("big"));
    ASSERT_GT(P.Files.Files[PathOf("big")].size(), 4096u);
    StartWith({}, 0);
  }
};

TEST_F(LargeMacroTest, PlaysAndRenamesWithAllItsEvents) {
  EXPECT_EQ(Listed(), std::vector<std::string>{"Big"});
  Repeat1AndStart();
  EXPECT_EQ(P.Input.Sent().size(), 1003u) << "1,000 moves, a move and a press, and the press released at the end";
  EXPECT_EQ(Status(), "Completed macro repeat count. Runs done: 1");

  Rename("Bigger");
  TRecordedMacro Written;
  MacroFromText(P.Files.Files[PathOf("Bigger")], Written);
  EXPECT_EQ(Written.Events().size(), 1001u);
  EXPECT_EQ(Written.DurationMs(), 1001u);
}

TEST_F(LargeMacroTest, AFileThatCannotBeReadAnyMoreIsReportedAndNothingStarts) {
  P.Files.Unreadable.insert(PathOf("big"));
  Repeat1AndStart();
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkError);
  EXPECT_FALSE(Form->Running());
  EXPECT_TRUE(P.Input.Sent().empty());
  EXPECT_TRUE(Form->btnStart.Enabled());

  Rename("Other");
  EXPECT_EQ(P.Dialogs.Shown.size(), 2u);
  EXPECT_EQ(Listed(), std::vector<std::string>{"Big"});
  EXPECT_FALSE(P.Files.Files.count(PathOf("Other")));
}

TEST(MacroNameFromStart, TheNameWhenTheStartTellsItAndNothingWhenItCannot) {
  struct TCase {
    const char* Start;
    bool Whole;
    std::optional<std::string> Name;
  };
  const TCase Cases[] = {
      {"\xEF\xBB\xBFName=Clicks\r\nDurationMs=5\r\nE=1|0|1|1|-1\r\nE=2|0", false, "Clicks"},
      {"Name=Cut off", false, std::nullopt},
      {"Name=Cut off", true, "Cut off"},
      {"E=1|0|1|1|-1\r\nE=Name=x\r\nname=Late\r\n", false, "Late"},
      {"DurationMs=5\r\nE=1|0|1|1|-1\r\n", false, std::nullopt},
      {"DurationMs=5\r\n", true, ""},
      {"Name=bad \xFF\n", false, "bad \xEF\xBF\xBD"},
  };
  for (const TCase& C : Cases) EXPECT_EQ(MacroNameFromStart(C.Start, C.Whole), C.Name) << C.Start;
}

TEST_F(MacroLibraryTest, ANameTooLongForAPathIsRefusedClearly) {
  StartWith({{"a", "A"}}, 0);
  Rename(std::string(250, 'n'));
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Macro name is too long.");
  EXPECT_TRUE(P.Files.Files.count(PathOf("a")));
}

TEST_F(MacroLibraryTest, RemoveDeletesAfterConfirmation) {
  StartWith({{"a", "Same"}, {"b", "Other"}, {"c", "same"}}, 0);
  P.Dialogs.Answers = {TMessageResult::mrNo};
  Form->bRemove.Click();
  EXPECT_EQ(Listed().size(), 3u);
  EXPECT_TRUE(P.Files.Files.count(PathOf("a")));

  Form->bRemove.Click();  // Yes
  EXPECT_EQ(P.Dialogs.Shown.back().Kind, TMessageKind::mkConfirmation);
  EXPECT_EQ(P.Dialogs.Shown.back().Text, "Delete selected macro?");
  EXPECT_FALSE(P.Files.Files.count(PathOf("a")));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Other", "same"}));
  EXPECT_EQ(Selected(), 1) << "another macro of the same name takes the selection";
  EXPECT_EQ(Status(), "Selected macro removed.");

  Form->lbMacros.Select(0);
  Form->bRemove.Click();
  EXPECT_EQ(Selected(), -1);
}

TEST_F(MacroLibraryTest, AFailedDeleteKeepsTheMacroListed) {
  StartWith({{"a", "A"}}, 0);
  P.Files.Undeletable.insert(PathOf("a"));
  UserClick(Form->bRemove);
  EXPECT_EQ(P.Dialogs.Shown.back().Kind, TMessageKind::mkError);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"A"}));
}

TEST_F(MacroLibraryTest, MacroTargetNowNeedsASelection) {
  StartWith({{"a", "A"}}, 0);
  Form->lbMacros.SetItemIndex(-1);
  Form->btnStart.Click();
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Please select a macro to play back.");
}

TEST(SanitizeMacroFileName, MakesNamesWindowsCanStore) {
  struct Case {
    const char* Name;
    const char* Stem;
  };
  const Case Cases[] = {
      {"  Open menu  ", "Open menu"},
      {"a\\b/c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
      {"v1.2", "v1.2"},
      {"tab\there", "tab_here"},
      {"CON", "CON_"},
      {"nul", "nul_"},
      {"Com7", "Com7_"},
      {"lpt1.backup", "lpt1_.backup"},
      {"COM0", "COM0"},
      {"CON .txt", "CON_ .txt"},
      {"conin$", "conin$_"},
      {"CONOUT$.log", "CONOUT$_.log"},
      {"COM\xC2\xB9", "COM\xC2\xB9_"},
      {"lpt\xC2\xB3 .x", "lpt\xC2\xB3_ .x"},
      {"CONSOLE", "CONSOLE"},
      {"ends.", "ends._"},
      {"\x01name\x7F", "name\x7F"},
  };
  for (const Case& C : Cases) EXPECT_EQ(SanitizeMacroFileName(C.Name), C.Stem) << C.Name;
}

}  // namespace
}  // namespace nevra::test
