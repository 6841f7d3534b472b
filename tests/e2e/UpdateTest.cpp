// The update at start-up, against a web site on the loopback interface (run.sh serves it): the
// program built for that site offers the update, ends on a declined mandatory one, downloads and
// starts a verified installer, and starts normally when no server answers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "ChildProcess.h"
#include "ControlLookup.h"
#include "FileBytes.h"
#include "MessageWait.h"
#include "ProcessWindows.h"
#include "ProgramUnderTest.h"
#include "TempFolder.h"
#include "UiDriver.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32Environment.h"
#include "product/AppInfo.h"

namespace nevra::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kStartTimeout = 60s;
constexpr auto kExitTimeout = 60s;
// The New Version dialog's caption.
const std::string kDialogCaption = std::string(" ") + kApplicationTitle;

std::string Setting(const char* AName) {
  const char* Value = std::getenv(AName);
  return Value != nullptr ? Value : "";
}

// The temporary folder as the program finds it, where it saves the downloaded installer.
fs::path TempFolder() { return fs::path(win32::Widen(win32::TWin32Environment().TempFolder())); }

class UpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Setting("NEVRA_E2E_SITE").empty()) GTEST_SKIP() << "no update site (run through tests/e2e/run.sh)";
    fs::remove(Site() / "download" / "nevraautoclicker.exe");
    fs::remove(DownloadedFile());
    fs::remove(InstallerNote());
  }

  static fs::path Site() { return fs::path(Setting("NEVRA_E2E_SITE")); }
  static fs::path DownloadedFile() { return TempFolder() / "nevra_update.exe"; }
  // What the stand-in installer leaves beside itself when it runs.
  static fs::path InstallerNote() { return TempFolder() / "installer-ran.txt"; }

  static void Publish(const std::string& AVersionLine,
                      const std::string& AChanges = "Faster clicks\r\n\r\nNew languages\r\n") {
    tools::WriteFileBytes(Site() / "download" / "version" / "nevraautoclicker-version.html", AVersionLine + "\r\n");
    tools::WriteFileBytes(Site() / "download" / "version" / "nevraautoclicker-changes.html", AChanges);
  }
  static void PublishSignedInstaller() {
    fs::copy_file(fs::path(Setting("NEVRA_E2E_SIGNED_INSTALLER")), Site() / "download" / "nevraautoclicker.exe",
                  fs::copy_options::overwrite_existing);
  }

  void Start(const std::string& AProgramSetting = "NEVRA_E2E_LOOPBACK_PROGRAM") {
    FProcess = tools::StartWithAppData(Setting(AProgramSetting.c_str()), FAppData.Path());
  }
  HWND WaitForDialog() { return tools::WaitForTopLevelWindow(kDialogCaption, FProcess->Id(), kStartTimeout); }
  HWND WaitForMainWindow(std::chrono::milliseconds ATimeout = kStartTimeout) {
    return tools::WaitForTopLevelWindow(tools::kMainWindowCaption, FProcess->Id(), ATimeout);
  }
  static HWND DialogControl(HWND ADialog, const std::string& AName) {
    return tools::FindControl(ADialog, tools::NewVersionControlId(AName));
  }
  bool EndsWithCodeZero() {
    if (!FProcess->WaitForExit(kExitTimeout)) return false;
    return FProcess->ExitCode() == 0;
  }

  tools::TTempFolder FAppData{L"appdata"};
  std::unique_ptr<tools::TChildProcess> FProcess;
};

TEST_F(UpdateTest, AnOptionalUpdateIsOfferedAndSkipOpensTheMainWindow) {
  Publish("26/25");
  Start();
  const HWND Dialog = WaitForDialog();
  ASSERT_NE(Dialog, nullptr) << "the New Version dialog did not show";
  EXPECT_EQ(tools::ReadText(DialogControl(Dialog, "memMessage")),
            "The new version 2.6 is available\r\n\r\nWhat's new:\r\nFaster clicks\r\nNew languages\r\n");
  EXPECT_EQ(tools::ReadText(DialogControl(Dialog, "btUpdateNow")), "Update Now");
  const HWND Skip = DialogControl(Dialog, "btCancel");
  ASSERT_EQ(tools::ReadText(Skip), "Skip");
  tools::ClickButton(Skip);

  const HWND Main = WaitForMainWindow();
  ASSERT_NE(Main, nullptr) << "Skip must lead on to the main window";
  EXPECT_FALSE(fs::exists(DownloadedFile()));
  tools::RequestClose(Main);
  EXPECT_TRUE(EndsWithCodeZero());
}

TEST_F(UpdateTest, AChangeLogOfAnyLengthScrollsInADialogWithinTheScreen) {
  std::string Changes;
  for (int Line = 1; Line <= 60; ++Line) Changes += "Change " + std::to_string(Line) + ": faster than before\r\n";
  Publish("26/25", Changes);
  Start();
  const HWND Dialog = WaitForDialog();
  ASSERT_NE(Dialog, nullptr);
  const RECT Bounds = tools::WindowBounds(Dialog);
  EXPECT_LE(Bounds.bottom - Bounds.top, GetSystemMetrics(SM_CYSCREEN));
  const HWND Message = DialogControl(Dialog, "memMessage");
  EXPECT_EQ(tools::ReadText(Message), "The new version 2.6 is available\r\n\r\nWhat's new:\r\n" + Changes);

  // The end of the change log scrolls into view.
  const auto Length = SendMessageW(Message, WM_GETTEXTLENGTH, 0, 0);
  const auto LastLetter = static_cast<WPARAM>(Length - 3);  // before the final line break
  SendMessageW(Message, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_GT(SendMessageW(Message, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "the text does not scroll";
  const LRESULT Where = SendMessageW(Message, EM_POSFROMCHAR, LastLetter, 0);
  RECT Client{};
  GetClientRect(Message, &Client);
  const int Top = static_cast<short>(HIWORD(Where));
  EXPECT_GE(Top, 0);
  EXPECT_LT(Top, Client.bottom) << "the last change cannot be brought into view";

  tools::ClickButton(DialogControl(Dialog, "btCancel"));
  const HWND Main = WaitForMainWindow();
  ASSERT_NE(Main, nullptr);
  tools::RequestClose(Main);
  EXPECT_TRUE(EndsWithCodeZero());
}

TEST_F(UpdateTest, ExitOnAMandatoryUpdateEndsTheProgramWithoutItsWindowAndLeavesTheSettings) {
  const fs::path Settings = FAppData.Path() / kApplicationTitle / "settings.ini";
  fs::create_directories(Settings.parent_path());
  const std::string Saved = "[Click]\r\nIntervalMs=250\r\n";
  tools::WriteFileBytes(Settings, Saved);
  Publish("26/26");
  Start();
  const HWND Dialog = WaitForDialog();
  ASSERT_NE(Dialog, nullptr);
  EXPECT_EQ(
      tools::ReadText(DialogControl(Dialog, "memMessage"))
          .rfind("This version of the software is out of date. You must download the current version 2.6 to continue "
                 "using the software.\r\n\r\n",
                 0),
      0u);
  const HWND Exit = DialogControl(Dialog, "btCancel");
  ASSERT_EQ(tools::ReadText(Exit), "Exit");
  tools::PostButtonClick(Exit);

  EXPECT_TRUE(EndsWithCodeZero());
  EXPECT_EQ(tools::FindTopLevelWindow(tools::kMainWindowCaption, FProcess->Id()), nullptr);
  EXPECT_EQ(tools::ReadFileBytes(Settings), Saved);
  EXPECT_EQ(std::distance(fs::directory_iterator(Settings.parent_path()), fs::directory_iterator{}), 1)
      << "no macro folder made, nothing else written";
}

TEST_F(UpdateTest, UpdateNowDownloadsWithProgressAndStartsTheVerifiedInstaller) {
  Publish("26/25");
  PublishSignedInstaller();
  Start();
  const HWND Dialog = WaitForDialog();
  ASSERT_NE(Dialog, nullptr);
  const HWND Bar = DialogControl(Dialog, "prgDownload");
  tools::PostButtonClick(DialogControl(Dialog, "btUpdateNow"));

  // The bar moves while the site sends the installer piece by piece.
  LRESULT Furthest = 0;
  bool SawAbort = false;
  tools::WaitUntil(
      [&] {
        if (::IsWindow(Dialog) == FALSE) return true;
        DWORD_PTR Position = 0;
        if (::SendMessageTimeoutW(Bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 1000, &Position) != 0 &&
            static_cast<LRESULT>(Position) > Furthest)
          Furthest = static_cast<LRESULT>(Position);
        SawAbort = SawAbort || tools::ReadText(DialogControl(Dialog, "btCancel")) == "Abort";
        return false;
      },
      kExitTimeout);
  EXPECT_TRUE(SawAbort) << "Skip turns into Abort during the download";
  EXPECT_GT(Furthest, 0) << "the progress bar never moved";

  EXPECT_TRUE(EndsWithCodeZero());
  EXPECT_EQ(tools::FindTopLevelWindow(tools::kMainWindowCaption, FProcess->Id()), nullptr);
  EXPECT_EQ(tools::ReadFileBytes(DownloadedFile()), tools::ReadFileBytes(Setting("NEVRA_E2E_SIGNED_INSTALLER")));
  ASSERT_TRUE(tools::WaitUntil([] { return fs::exists(InstallerNote()); }, kExitTimeout))
      << "the installer was not started";
  EXPECT_TRUE(fs::equivalent(fs::path(tools::ReadFileBytes(InstallerNote())), DownloadedFile()));
}

TEST_F(UpdateTest, WithoutAServerTheMainWindowOpensAsUsual) {
  Start("NEVRA_E2E_OFFLINE_PROGRAM");
  // Well within the time the client may wait for a connection; a refused one ends at once.
  const HWND Main = WaitForMainWindow(30s);
  ASSERT_NE(Main, nullptr);
  EXPECT_EQ(tools::FindTopLevelWindow(kDialogCaption, FProcess->Id()), nullptr);
  tools::RequestClose(Main);
  EXPECT_TRUE(EndsWithCodeZero());
}

}  // namespace
}  // namespace nevra::e2e
