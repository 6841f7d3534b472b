// What a user sees on the first start.
#include <gtest/gtest.h>

#include <chrono>

#include "MainWindowCaption.h"
#include "MessageWait.h"
#include "ProgramTest.h"
#include "SyntheticInput.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
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
                                        {"cbRecordSources", "Mouse and keyboard"},
                                        {"cbSpeed", "1\xC3\x97"},
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
                                         {"cbRecordSources", false},
                                         {"cbSpeed", false},
                                         {"cbButton", true},
                                         {"cbClickType", true}})
    EXPECT_EQ(Window().Enabled(Expected.Control), Expected.State) << Expected.Control << " enabled";

  EXPECT_EQ(Window().Selection("cbButton"), 0);
  EXPECT_EQ(Window().Selection("cbClickType"), 0);
}

TEST_F(FirstStart, TheMacroListsAreReachedByTheirLabelsMnemonicsAndByTab) {
  Window().Click("rbMacros");
  SetForegroundWindow(Window().Handle());
  const DWORD Thread = GetWindowThreadProcessId(Window().Handle(), nullptr);
  const auto HasFocus = [&](const char* AName) {
    return tools::WaitUntil(
        [&] {
          GUITHREADINFO Info{};
          Info.cbSize = sizeof Info;
          return GetGUIThreadInfo(Thread, &Info) && Info.hwndFocus == Window().Control(AName);
        },
        10s);
  };
  tools::PressKeys({VK_MENU, 'P'});
  ASSERT_TRUE(HasFocus("cbSpeed")) << "Alt+P";
  tools::PressKeys({VK_DOWN});
  EXPECT_TRUE(tools::WaitUntil([&] { return Window().Text("cbSpeed") == "1.5\xC3\x97"; }, 10s));
  tools::PressKeys({VK_MENU, 'R'});
  ASSERT_TRUE(HasFocus("cbRecordSources")) << "Alt+R";
  tools::PressKeys({VK_DOWN});
  EXPECT_TRUE(tools::WaitUntil([&] { return Window().Text("cbRecordSources") == "Mouse only"; }, 10s));
  tools::PressKeys({VK_TAB});
  EXPECT_TRUE(HasFocus("cbSpeed")) << "Tab from the sources";
}

}  // namespace
}  // namespace nevra::e2e
