#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ProgramPath.h"
#include "ProgramUnderTest.h"
#include "TempFolder.h"
#include "product/AppInfo.h"

namespace nevra::e2e {

// Where the program keeps the user's language choice, in the registry of the Wine prefix.
inline const std::wstring kProgramKeyName = L"Software\\" + std::filesystem::path(kApplicationTitle).wstring();
inline const wchar_t* const kProgramKey = kProgramKeyName.c_str();
inline constexpr const wchar_t* kLanguageValue = L"CurrentLanguage";

// The translation catalogue shipped beside the program.
inline std::filesystem::path CataloguePath() {
  return std::filesystem::path(ProgramPath()).parent_path() / "transl.dt";
}

// A fresh program for every test, with an application-data folder of its own that lasts for the
// whole test, so a restart finds what the previous run saved. A fixture that prepares files
// before the first start overrides SetUp and calls StartProgram itself.
// Every run ends the way a user ends the program: closing the main window must end the process,
// with exit code 0 and no dialog left waiting.
class TProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { StartProgram(); }
  void TearDown() override {
    if (FProgram) CloseProgram();
  }

  void StartProgram(const std::string& AExecutable = ProgramPath()) {
    FProgram = std::make_unique<tools::TProgramUnderTest>(FAppData.Path(), AExecutable);
  }
  void CloseProgram() {
    EXPECT_TRUE(FProgram->CloseAndWaitForExit()) << "the program did not end after its window was closed";
    EXPECT_EQ(FProgram->ExitCode(), 0u);
    FProgram.reset();
  }
  // Ends the program as the task manager does, in the middle of whatever it is doing.
  void KillProgram() {
    FProgram->Kill();
    FProgram.reset();
  }
  void RestartProgram() {
    CloseProgram();
    StartProgram();
  }

  // The program started once more with the same application data, as a shortcut or a scheduled
  // task starts it while this test's copy runs. Waits for nothing.
  std::unique_ptr<tools::TChildProcess> StartAnotherCopy(const std::vector<std::string>& AArguments) const {
    return tools::StartWithAppData(ProgramPath(), FAppData.Path(), AArguments);
  }

  const tools::TMainWindowDriver& Window() const { return FProgram->Window(); }
  DWORD ProcessId() const { return FProgram->ProcessId(); }
  // The program's own folder in its application data: settings.ini and the folder Macros.
  std::filesystem::path ProgramFolder() const { return FAppData.Path() / kApplicationTitle; }
  std::filesystem::path SettingsFile() const { return ProgramFolder() / "settings.ini"; }
  std::filesystem::path MacrosFolder() const { return ProgramFolder() / "Macros"; }

 private:
  tools::TTempFolder FAppData{L"appdata"};
  std::unique_ptr<tools::TProgramUnderTest> FProgram;
};

}  // namespace nevra::e2e
