// The start-up sequence and the window's life cycle, end to end on the fake platform.
#include "app/Startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/AppInfo.h"
#include "app/MainForm.h"
#include "platform/fake/FakePlatform.h"
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
  EXPECT_THAT(P.App.Calls,
              ElementsAre("Initialize", "ApplyVisualStyle:Midnight Express Green", "SetTitle:Nevra Auto Clicker",
                          "CreateMainWindow", "RunMessageLoop", "DestroyMainWindow"));
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

}  // namespace
}  // namespace nevra
