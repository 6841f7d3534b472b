// The start-up sequence and the window's life cycle, end to end on the fake platform.
#include "app/Startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/MainForm.h"
#include "platform/fake/FakePlatform.h"
#include "product/AppInfo.h"
#include "support/TestPaths.h"
#include "support/TestUpdateSite.h"

namespace nevra {
namespace {

using ::testing::ElementsAre;

TEST(Startup, RunsItsStepsInOrder) {
  fake::TFakePlatform P;
  std::string CaptionWhileShown, StatusWhileShown;
  P.App.WhileLooping = [&](TForm& AForm) {
    auto& Form = static_cast<TFrmMain&>(AForm);
    CaptionWhileShown = Form.Caption();
    StatusWhileShown = Form.lblStatus.Caption();
  };
  EXPECT_EQ(RunApplication(P.Platform, test::kTestSite), 0);
  EXPECT_THAT(P.App.Calls, ElementsAre("Initialize", "ApplyVisualStyle:Midnight Express Green",
                                       std::string("SetTitle:") + kApplicationTitle, "CreateMainWindow",
                                       "RunMessageLoop", "DestroyMainWindow"));
  EXPECT_EQ(CaptionWhileShown, MainWindowCaption());
  EXPECT_EQ(StatusWhileShown, "Ready");
  EXPECT_TRUE(P.Dialogs.Shown.empty());
}

TEST(Startup, AStyleThatCannotBeAppliedIsReportedAndStartUpGoesOn) {
  fake::TFakePlatform P;
  P.App.StyleError = "Style resource not found";
  RunApplication(P.Platform, test::kTestSite);
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkError);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Style resource not found");
  EXPECT_EQ(P.App.Calls.back(), "DestroyMainWindow");
}

TEST(Startup, ClosingDuringARunStopsItAndEndsTheProgram) {
  fake::TFakePlatform P;
  P.Window.Visible = true;
  std::string StatusAfterClose;
  P.App.WhileLooping = [&](TForm& AForm) {
    auto& Form = static_cast<TFrmMain&>(AForm);
    Form.btnStart.Click();
    P.Time.RunFor(250);
    EXPECT_TRUE(Form.CloseQuery());
    StatusAfterClose = Form.lblStatus.Caption();
    EXPECT_FALSE(Form.Running());
  };
  RunApplication(P.Platform, test::kTestSite);
  EXPECT_EQ(StatusAfterClose, "Closing");
  EXPECT_EQ(P.Time.ArmedTimerCount(), 0);
}

TEST(Startup, EndingTheWindowsSessionStopsTheRunAndSavesOnce) {
  fake::TFakePlatform P;
  P.Window.Visible = true;
  std::string StatusAtEnd;
  P.App.WhileLooping = [&](TForm& AForm) {
    auto& Form = static_cast<TFrmMain&>(AForm);
    Form.btnStart.Click();
    P.App.EndSession();
    StatusAtEnd = Form.lblStatus.Caption();
    EXPECT_EQ(P.Files.Writes, 1) << "saved before the handler returns";
  };
  RunApplication(P.Platform, test::kTestSite);
  EXPECT_EQ(StatusAtEnd, "Closing");
  EXPECT_EQ(P.Files.Writes, 1);
  EXPECT_TRUE(P.Hotkeys.Registered.empty());
}

// The command line at start-up: bad input and help end at once with their exit codes.
TEST(StartupCommandLine, BadOptionsAndHelpEndWithTheirCodesAndNoWindow) {
  struct TCase {
    std::vector<std::string> Arguments;
    int ExitCode;
    TMessageKind Kind;
    const char* Starts;
  };
  const TCase Cases[] = {
      {{"/begin"}, kExitBadArguments, TMessageKind::mkError, "Unknown option: /begin\r\n\r\nCommand-line options"},
      {{"/play"}, kExitBadArguments, TMessageKind::mkError, "The option /play needs a value."},
      {{"/?"}, kExitDone, TMessageKind::mkInformation, "Command-line options"},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Arguments.front());
    fake::TFakePlatform P;
    EXPECT_EQ(RunApplication(P.Platform, test::kTestSite, C.Arguments), C.ExitCode);
    ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
    EXPECT_EQ(P.Dialogs.Shown[0].Kind, C.Kind);
    EXPECT_EQ(P.Dialogs.Shown[0].Text.rfind(C.Starts, 0), 0u) << P.Dialogs.Shown[0].Text;
    EXPECT_THAT(P.App.Calls, ::testing::Not(::testing::Contains("CreateMainWindow")));
    EXPECT_TRUE(P.Files.Files.empty()) << "nothing written";
  }
}

// A later copy hands its command line to the first and ends with the first copy's answer.
TEST(StartupCommandLine, ALaterCopyForwardsAndEndsWithTheAnswer) {
  struct TCase {
    int Answer;
    int ExitCode;
    const char* Message;
  };
  const TCase Cases[] = {{kExitDone, kExitDone, nullptr},
                         {kExitNoSuchMacro, kExitNoSuchMacro, "No macro is named \"Clicks\"."},
                         {kAnswerAmbiguousMacro, kExitNoSuchMacro, "More than one macro is named \"Clicks\"."},
                         // No box: a script or a scheduled task would wait for it.
                         {kExitBusy, kExitBusy, nullptr}};
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Answer);
    fake::TFakePlatform P;
    P.Instance.OtherCopyRuns = true;
    P.Instance.FirstCopy = [&C](const std::vector<std::string>&) { return C.Answer; };
    const std::vector<std::string> Arguments{"/PLAY", "Clicks"};
    EXPECT_EQ(RunApplication(P.Platform, test::kTestSite, Arguments), C.ExitCode);
    EXPECT_EQ(P.Instance.Forwarded, std::vector<std::vector<std::string>>{Arguments});
    EXPECT_THAT(P.App.Calls, ::testing::Not(::testing::Contains("CreateMainWindow")));
    EXPECT_TRUE(P.Files.Files.empty()) << "the later copy writes no settings";
    if (C.Message == nullptr)
      EXPECT_TRUE(P.Dialogs.Shown.empty());
    else
      EXPECT_EQ(P.Dialogs.Shown.at(0).Text, C.Message);
  }
}

class FirstCopyTest : public ::testing::Test {
 protected:
  FirstCopyTest() {
    P.App.SetTitle(kApplicationTitle);
    P.Files.Folders.insert(kMacros);
    TRecordedMacro Macro;
    Macro.SetName("Clicks");
    Macro.MutableEvents() = {{10, mekDown, 5, 5, 0}, {20, mekUp, 5, 5, 0}};
    Macro.SaveToFile(P.Files, std::string(kMacros) + "\\clicks.nevramac");
    Macro.SetName("Twin");
    Macro.SaveToFile(P.Files, std::string(kMacros) + "\\twin1.nevramac");
    Macro.SetName("TWIN");
    Macro.SaveToFile(P.Files, std::string(kMacros) + "\\twin2.nevramac");
  }
  size_t Presses() const {
    size_t Count = 0;
    for (const auto& Sent : P.Input.Sent()) Count += Sent.Record.Flags == MouseFlags::LeftDown;
    return Count;
  }
  static inline const std::string kMacros = test::kMacrosFolder;
  fake::TFakePlatform P;
};

TEST_F(FirstCopyTest, FollowsWhatLaterCopiesHandOver) {
  P.App.WhileLooping = [this](TForm& AForm) {
    auto& Form = static_cast<TFrmMain&>(AForm);
    EXPECT_EQ(P.Instance.StartAnother({"/start"}), kExitDone);
    EXPECT_TRUE(Form.Running());
    P.Time.RunFor(250);
    EXPECT_EQ(P.Instance.StartAnother({"--Stop"}), kExitDone);
    EXPECT_EQ(Form.lblStatus.Caption(), "Stopped by button. Clicks done: 2");

    EXPECT_EQ(P.Instance.StartAnother({"/play", "clicks", "/repeat", "2"}), kExitDone);
    EXPECT_EQ(Presses(), 2u + 2u) << "two clicks, then the macro's press twice";
    EXPECT_EQ(Form.lblStatus.Caption(), "Completed macro repeat count. Runs done: 2");
    EXPECT_FALSE(Form.rbMacros.Checked()) << "the window's own settings stay as they were";
    EXPECT_EQ(Form.seRepeat.Value(), 100);

    EXPECT_EQ(P.Instance.StartAnother({"/play", "Nothing"}), kExitNoSuchMacro);
    EXPECT_EQ(P.Instance.StartAnother({"/play", "twin"}), kAnswerAmbiguousMacro);
    EXPECT_EQ(P.Instance.StartAnother({"/play", "Twin", "/repeat", "1"}), kExitDone) << "the exact spelling wins";

    P.Window.Visible = false;
    EXPECT_EQ(P.Instance.StartAnother({}), kExitDone);
    EXPECT_TRUE(P.Window.Visible) << "brought back for the user who started it again";
    EXPECT_EQ(P.Window.Calls.back(), "BringToForeground");
  };
  EXPECT_EQ(RunApplication(P.Platform, test::kTestSite), kExitDone);
  EXPECT_FALSE(P.Instance.Receiver) << "nothing is received once the window is gone";
}

// The README promises a name match without regard to case: for every letter, as Windows names go.
TEST_F(FirstCopyTest, PlayFindsANameWhateverTheCaseOfItsLetters) {
  TRecordedMacro Macro;
  Macro.SetName(
      "\xC3\xBCn\xC3\xAF"
      "c\xC3\xB8"
      "d\xC3\xA9");  // ünïcødé
  Macro.MutableEvents() = {{10, mekDown, 5, 5, 0}, {20, mekUp, 5, 5, 0}};
  Macro.SaveToFile(P.Files, std::string(kMacros) + "\\unicode.nevramac");
  P.App.WhileLooping = [this](TForm&) {
    EXPECT_EQ(P.Instance.StartAnother({"/play",
                                       "\xC3\x9CN\xC3\x8F"
                                       "C\xC3\x98"
                                       "D\xC3\x89",
                                       "/repeat", "1"}),
              kExitDone);  // ÜNÏCØDÉ
    EXPECT_EQ(Presses(), 1u);
  };
  EXPECT_EQ(RunApplication(P.Platform, test::kTestSite), kExitDone);
}

// A command that would start something while a run or a recording is under way is not followed:
// the later copy ends with "busy", not "done", and the status line says what was not followed.
TEST_F(FirstCopyTest, CommandsItCannotFollowNowAreAnsweredBusy) {
  P.App.WhileLooping = [this](TForm& AForm) {
    auto& Form = static_cast<TFrmMain&>(AForm);
    ASSERT_EQ(P.Instance.StartAnother({"/start"}), kExitDone);
    for (const std::vector<std::string>& Arguments :
         {std::vector<std::string>{"/start"}, {"/play", "Clicks"}, {"/record"}}) {
      SCOPED_TRACE(Arguments.front());
      EXPECT_EQ(P.Instance.StartAnother(Arguments), kExitBusy);
      EXPECT_EQ(Form.lblStatus.Caption(), "Busy: " + Arguments.front() + " from another copy was not followed");
      EXPECT_TRUE(Form.Running()) << "the run goes on";
    }
    EXPECT_EQ(P.Instance.StartAnother({"/toggle"}), kExitDone) << "stops the run";
    EXPECT_FALSE(Form.Running());

    Form.rbMacros.Click();
    Form.btnCreateMacros.Click();
    EXPECT_EQ(P.Instance.StartAnother({"/record"}), kExitDone) << "cuts the countdown short";
    ASSERT_TRUE(Form.Recording());
    EXPECT_EQ(P.Instance.StartAnother({"/toggle"}), kExitBusy);
    EXPECT_EQ(P.Instance.StartAnother({"/record"}), kExitBusy);
    EXPECT_TRUE(Form.Recording());
    EXPECT_EQ(Presses(), 0u) << "nothing was clicked or played";
  };
  EXPECT_EQ(RunApplication(P.Platform, test::kTestSite), kExitDone);
}

TEST_F(FirstCopyTest, StartedWithAMacroThatIsNotThereItSaysSoAndEnds) {
  bool Looped = false;
  P.App.WhileLooping = [&Looped](TForm&) { Looped = true; };
  EXPECT_EQ(RunApplication(P.Platform, test::kTestSite, {"/play", "Nothing", "/minimized"}), kExitNoSuchMacro);
  EXPECT_FALSE(Looped);
  ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "No macro is named \"Nothing\".");
  EXPECT_EQ(Presses(), 0u);
}

TEST_F(FirstCopyTest, MinimizedStartsInTheTrayAndStartClicksAtOnce) {
  P.App.WhileLooping = [this](TForm& AForm) {
    EXPECT_FALSE(P.Window.Visible);
    EXPECT_TRUE(static_cast<TFrmMain&>(AForm).Running());
  };
  P.Window.Visible = true;
  EXPECT_EQ(RunApplication(P.Platform, test::kTestSite, {"/minimized", "/start"}), kExitDone);
}

}  // namespace
}  // namespace nevra
