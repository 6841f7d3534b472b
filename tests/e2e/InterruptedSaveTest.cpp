// A save cut short by the task manager: the file it was replacing stays whole, and the
// temporary file it left behind is gone after the next start and never listed.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "MacroFile.h"
#include "ProcessWindows.h"
#include "ProgramTest.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TMacroFile;

// Big enough that writing it takes long enough to be caught in the middle.
constexpr size_t kEventCount = 2'000'000;

const TMacroFile& BigMacro() {
  static const TMacroFile Macro = [] {
    TMacroFile Made{"Big", static_cast<uint32_t>(kEventCount), {}};
    Made.Events.reserve(kEventCount);
    for (size_t I = 0; I < kEventCount; ++I)
      Made.Events.push_back({static_cast<uint32_t>(I), 0, static_cast<int>(I % 1920), static_cast<int>(I % 1080), -1});
    return Made;
  }();
  return Macro;
}

class InterruptedSave : public TProgramTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(MacrosFolder());
    tools::WriteMacroFile(MacrosFolder() / "big.nevramac", BigMacro());
    StartProgram();
  }

  std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> Names;
    for (const auto& Entry : std::filesystem::directory_iterator(MacrosFolder()))
      if (Entry.path().extension() == ".tmp") Names.push_back(Entry.path().filename().string());
    return Names;
  }

  // Renames the macro through the dialog and ends the program as soon as the save's temporary
  // file shows. True when the kill caught the save in the middle (its temporary file is left).
  bool KillDuringARenameTo(const std::string& ANewName) {
    Window().Click("rbMacros");
    if (!Window().WaitForListCount("lbMacros", 1, 10s)) throw std::runtime_error("the macro is not listed");
    Window().SelectListEntry("lbMacros", 0);
    Window().PostClick("bRename");
    const HWND Dialog = tools::WaitForProcessWindow(ProcessId(), tools::kDialogClass, "Rename macro", 10s);
    if (Dialog == nullptr) throw std::runtime_error("the rename dialog did not show");
    tools::WriteText(tools::FindChildOfClass(Dialog, L"Edit"), ANewName);
    tools::PressDialogButton(Dialog, IDOK);
    const auto Deadline = std::chrono::steady_clock::now() + 30s;
    while (TemporaryFiles().empty() && std::chrono::steady_clock::now() < Deadline) Sleep(1);
    KillProgram();
    return !TemporaryFiles().empty();
  }
};

TEST_F(InterruptedSave, AKillDuringARenameKeepsAWholeMacroAndTheNextStartRemovesTheLeftover) {
  bool Interrupted = false;
  for (int Attempt = 1; Attempt <= 3 && !Interrupted; ++Attempt) {
    Interrupted = KillDuringARenameTo("Renamed " + std::to_string(Attempt));
    if (!Interrupted) StartProgram();  // the save was done before the kill: try again
  }
  ASSERT_TRUE(Interrupted) << "three renames finished before the program could be killed";

  // Old or new, whichever file holds the macro now holds all of it.
  size_t Whole = 0;
  for (const auto& Entry : std::filesystem::directory_iterator(MacrosFolder())) {
    if (Entry.path().extension() != ".nevramac") continue;
    EXPECT_EQ(tools::ReadMacroFile(Entry.path()).Events.size(), kEventCount) << Entry.path().filename().string();
    ++Whole;
  }
  EXPECT_EQ(Whole, 1u) << "the macro is in one file, under its old name or its new one";

  StartProgram();
  // The folder is cleaned before it is listed.
  EXPECT_TRUE(Window().WaitForListCount("lbMacros", Whole, 10s))
      << "listed: " << Window().ListItemTexts("lbMacros").size();
  EXPECT_TRUE(TemporaryFiles().empty()) << "left: " << TemporaryFiles().front();
}

}  // namespace
}  // namespace nevra::e2e
