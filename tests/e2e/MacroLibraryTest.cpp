// Macro files in the program's Macros folder: listed at start-up, renamed through the input
// dialog and removed after the confirmation, each change made on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "FileBytes.h"
#include "MacroFile.h"
#include "MessageWait.h"
#include "ProcessWindows.h"
#include "ProgramTest.h"
#include "TextFiles.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TMacroFile;

constexpr auto kDialogTimeout = 10s;

struct TPlacedMacro {
  const char* FileName;
  TMacroFile Macro;
};

const std::vector<TPlacedMacro>& PlacedMacros() {
  static const std::vector<TPlacedMacro> Macros = {
      {"alpha.nevramac", {"Alpha", 300, {{100, 0, 10, 20, -1}, {200, 1, 10, 20, 0}, {300, 2, 10, 20, 0}}}},
      {"beta.nevramac", {"Beta", 1500, {{700, 0, -5, 40, -1}, {1500, 1, 640, 480, 1}}}},
      // Windows matches the extension without regard to letter case.
      {"GAMMA.NEVRAMAC", {"Gamma", 0, {}}},
  };
  return Macros;
}

std::set<std::string> AsSet(const std::vector<std::string>& AItems) { return {AItems.begin(), AItems.end()}; }

class MacroLibrary : public TProgramTest {
 protected:
  // The folder as a user may leave it: three macros, a note and a folder that only looks like one;
  // the list selection remembered from the last run is the third entry.
  void SetUp() override {
    std::filesystem::create_directories(MacrosFolder());
    for (const TPlacedMacro& Placed : PlacedMacros())
      tools::WriteMacroFile(MacrosFolder() / Placed.FileName, Placed.Macro);
    tools::WriteFileBytes(MacrosFolder() / "notes.txt", "Name=Not a macro\r\n");
    std::filesystem::create_directories(MacrosFolder() / "archive.nevramac");
    tools::WriteFileBytes(SettingsFile(), "[Macros]\r\nselected=2\r\n");
    StartProgram();
    ASSERT_TRUE(Window().WaitForListCount("lbMacros", PlacedMacros().size(), kDialogTimeout))
        << "the list holds " << Window().ListItemTexts("lbMacros").size() << " entries";
  }

  // Chooses the macro target and selects the entry with this name, as a user would.
  int SelectMacro(const std::string& AName) const {
    Window().Click("rbMacros");
    const std::vector<std::string> Items = Window().ListItemTexts("lbMacros");
    const auto Found = std::find(Items.begin(), Items.end(), AName);
    if (Found == Items.end()) throw std::runtime_error("the list shows no macro " + AName);
    const int Index = static_cast<int>(Found - Items.begin());
    Window().SelectListEntry("lbMacros", Index);
    return Index;
  }

  std::set<std::string> FilesInMacrosFolder() const {
    std::set<std::string> Names;
    for (const auto& Entry : std::filesystem::directory_iterator(MacrosFolder()))
      if (Entry.is_regular_file()) Names.insert(Entry.path().filename().string());
    return Names;
  }

  HWND WaitForDialog(const std::optional<std::string>& ACaption) const {
    return tools::WaitForProcessWindow(ProcessId(), tools::kDialogClass, ACaption, kDialogTimeout);
  }
};

TEST_F(MacroLibrary, ListsEveryMacroFileAtStartUpWithTheRememberedSelection) {
  EXPECT_EQ(AsSet(Window().ListItemTexts("lbMacros")), (std::set<std::string>{"Alpha", "Beta", "Gamma"}));
  // The remembered selection is a position in the list, whatever order the folder yields.
  EXPECT_EQ(Window().ListSelection("lbMacros"), 2);
  CloseProgram();
  EXPECT_EQ(IniValue(tools::ReadFileBytes(SettingsFile()), "Macros", "selected"), "2");
}

TEST_F(MacroLibrary, RenameThroughTheDialogRenamesTheFileOnDisk) {
  const int Index = SelectMacro("Beta");
  const std::set<std::string> FilesBefore = FilesInMacrosFolder();

  // Cancel changes nothing.
  Window().PostClick("bRename");
  HWND Dialog = WaitForDialog("Rename macro");
  ASSERT_NE(Dialog, nullptr) << "the rename dialog did not show";
  EXPECT_EQ(tools::MessageBoxText(Dialog), "Enter new macro name:");
  const HWND Edit = tools::FindChildOfClass(Dialog, L"Edit");
  ASSERT_NE(Edit, nullptr);
  EXPECT_EQ(tools::ReadText(Edit), "Beta");
  tools::PressDialogButton(Dialog, IDCANCEL);
  ASSERT_TRUE(tools::WaitUntilClosed(Dialog, kDialogTimeout));
  EXPECT_EQ(FilesInMacrosFolder(), FilesBefore);
  EXPECT_EQ(Window().ListItemTexts("lbMacros")[static_cast<size_t>(Index)], "Beta");

  // A name with blanks around it and characters a file name cannot hold.
  Window().PostClick("bRename");
  Dialog = WaitForDialog("Rename macro");
  ASSERT_NE(Dialog, nullptr) << "the rename dialog did not show again";
  tools::WriteText(tools::FindChildOfClass(Dialog, L"Edit"), "  Night: run/2  ");
  tools::PressDialogButton(Dialog, IDOK);
  ASSERT_TRUE(Window().WaitForStatus("Macro renamed.", kDialogTimeout)) << "status: " << Window().Status();

  std::set<std::string> Expected = FilesBefore;
  Expected.erase("beta.nevramac");
  Expected.insert("Night_ run_2.nevramac");
  EXPECT_EQ(FilesInMacrosFolder(), Expected);
  const TMacroFile Renamed = tools::ReadMacroFile(MacrosFolder() / "Night_ run_2.nevramac");
  EXPECT_EQ(Renamed.Name, "Night: run/2");
  EXPECT_EQ(Renamed.DurationMs, 1500u);
  EXPECT_EQ(Renamed.Events, PlacedMacros()[1].Macro.Events);
  // Same place in the list, under the name as typed, still selected.
  EXPECT_EQ(Window().ListItemTexts("lbMacros")[static_cast<size_t>(Index)], "Night: run/2");
  EXPECT_EQ(Window().ListSelection("lbMacros"), Index);
}

TEST_F(MacroLibrary, RemoveDeletesTheFileOnlyWhenConfirmed) {
  SelectMacro("Alpha");

  Window().PostClick("bRemove");
  HWND Box = WaitForDialog(std::nullopt);
  ASSERT_NE(Box, nullptr) << "no confirmation showed";
  EXPECT_EQ(tools::MessageBoxText(Box), "Delete selected macro?");
  tools::PressDialogButton(Box, IDNO);
  ASSERT_TRUE(tools::WaitUntilClosed(Box, kDialogTimeout));
  EXPECT_TRUE(std::filesystem::exists(MacrosFolder() / "alpha.nevramac"));
  EXPECT_EQ(AsSet(Window().ListItemTexts("lbMacros")), (std::set<std::string>{"Alpha", "Beta", "Gamma"}));

  Window().PostClick("bRemove");
  Box = WaitForDialog(std::nullopt);
  ASSERT_NE(Box, nullptr) << "no confirmation showed the second time";
  tools::PressDialogButton(Box, IDYES);
  ASSERT_TRUE(Window().WaitForStatus("Selected macro removed.", kDialogTimeout)) << "status: " << Window().Status();
  EXPECT_FALSE(std::filesystem::exists(MacrosFolder() / "alpha.nevramac"));
  EXPECT_TRUE(std::filesystem::exists(MacrosFolder() / "beta.nevramac"));
  EXPECT_EQ(AsSet(Window().ListItemTexts("lbMacros")), (std::set<std::string>{"Beta", "Gamma"}));
  EXPECT_EQ(Window().ListSelection("lbMacros"), -1);
}

// Thousands of macros: their names are read in the background and join the list in batches
// while the window handles its messages; the remembered entry is selected once the list is whole.
class ManyMacros : public TProgramTest {
 protected:
  static constexpr int kCount = 3000;
  void SetUp() override {
    std::filesystem::create_directories(MacrosFolder());
    for (int I = 0; I < kCount; ++I) {
      char Stem[16];
      std::snprintf(Stem, sizeof Stem, "m%04d", I);
      tools::WriteMacroFile(MacrosFolder() / (std::string(Stem) + ".nevramac"),
                            {"Macro " + std::to_string(I), 100, {{100, 1, 10, 20, 0}}});
    }
    tools::WriteFileBytes(SettingsFile(), "[Macros]\r\nselected=" + std::to_string(kCount - 1) + "\r\n");
    StartProgram();
  }
};

TEST_F(ManyMacros, AllAreListedInTheFoldersOrderWithTheRememberedSelection) {
  ASSERT_TRUE(Window().WaitForListCount("lbMacros", kCount, 60s))
      << "listed: " << Window().ListItemTexts("lbMacros").size();
  const std::vector<std::string> Items = Window().ListItemTexts("lbMacros");
  for (int I = 0; I < kCount; ++I) ASSERT_EQ(Items[static_cast<size_t>(I)], "Macro " + std::to_string(I));
  EXPECT_EQ(Window().ListSelection("lbMacros"), kCount - 1);
}

}  // namespace
}  // namespace nevra::e2e
