// What a user sees on the first start.
#include <gtest/gtest.h>

#include "MainWindowCaption.h"
#include "ProgramTest.h"

namespace nevra::e2e {
namespace {

using FirstStart = TProgramTest;

TEST_F(FirstStart, WindowShowsItsCaptionAndEveryControlAtItsStartValue) {
  EXPECT_EQ(Window().Caption(), tools::kMainWindowCaption);

  struct TExpectedText {
    const char* Control;
    const char* Text;
  };
  for (const TExpectedText& Expected : {TExpectedText{"seHours", "0"},
                                        {"seMinutes", "0"},
                                        {"seSeconds", "0"},
                                        {"seMillis", "100"},
                                        {"seJitterMs", "0"},
                                        {"edtCoordX", "0"},
                                        {"edtCoordY", "0"},
                                        {"cbButton", "Left"},
                                        {"cbClickType", "Single"},
                                        {"seHoldMs", "80"},
                                        {"seStartDelaySS", "0"},
                                        {"seRepeat", "100"},
                                        {"btnStart", "Start"},
                                        {"btnStop", "Stop"},
                                        {"lblStatus", "Ready"}})
    EXPECT_EQ(Window().Text(Expected.Control), Expected.Text) << Expected.Control;

  struct TExpectedState {
    const char* Control;
    bool State;
  };
  for (const TExpectedState& Expected : {TExpectedState{"rbCurrentCursorPosition", true},
                                         {"rbCoordinates", false},
                                         {"rbMacros", false},
                                         {"chkJitter", false},
                                         {"rbUntilStopped", true},
                                         {"rbRepeatCount", false},
                                         {"chkMinimizeToTrayOnStart", false},
                                         {"chkTopMost", false}})
    EXPECT_EQ(Window().Checked(Expected.Control), Expected.State) << Expected.Control << " checked";

  for (const TExpectedState& Expected : {TExpectedState{"btnStart", true},
                                         {"btnStop", false},
                                         {"seJitterMs", false},
                                         {"edtCoordX", false},
                                         {"edtCoordY", false},
                                         {"lblCoordSeparator", false},
                                         {"lblHold", false},
                                         {"seHoldMs", false},
                                         {"seRepeat", false},
                                         {"seMillis", true},
                                         {"seStartDelaySS", true},
                                         {"cbButton", true},
                                         {"cbClickType", true}})
    EXPECT_EQ(Window().Enabled(Expected.Control), Expected.State) << Expected.Control << " enabled";

  EXPECT_EQ(Window().Selection("cbButton"), 0);
  EXPECT_EQ(Window().Selection("cbClickType"), 0);
}

}  // namespace
}  // namespace nevra::e2e
