// The clock's sleep: never short, close to the millisecond, and deaf to messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ClickTargetWindow.h"
#include "MessageWait.h"
#include "TestWindow.h"
#include "platform/win32/services/Win32Clock.h"

namespace nevra::win32 {
namespace {

TEST(Win32Clock, UsesTheHighResolutionWaitableTimer) {
  // Wine and Windows 10 1803+ both have it; without it the fallback path would be under test.
  EXPECT_TRUE(TWin32Clock().UsesHighResolutionTimer());
}

TEST(Win32Clock, SleepIsNeverShortAndPreciseToAboutAMillisecond) {
  TWin32Clock Clock;
  for (const uint32_t Ms : {1u, 2u, 5u, 16u, 80u}) {
    std::vector<double> Slept;
    for (int Try = 0; Try < 5; ++Try) {
      const double Start = tools::CounterNowMs();
      Clock.Sleep(Ms);
      Slept.push_back(tools::CounterNowMs() - Start);
    }
    // Never early; the best of a few tries shows the precision a busy machine may blur.
    EXPECT_GE(*std::min_element(Slept.begin(), Slept.end()), Ms - 0.05) << Ms << " ms";
    EXPECT_LE(*std::min_element(Slept.begin(), Slept.end()), Ms + 2.0) << Ms << " ms";
  }
}

TEST(Win32Clock, SleepHandlesNoMessages) {
  // A hold click sleeps on the GUI thread: no handler may run in the middle of it.
  test::TTestWindow Window;
  int Handled = 0;
  Window.OnMessage = [&](UINT AMessage, WPARAM, LPARAM) { return AMessage == WM_APP && ++Handled > 0; };
  PostMessageW(Window.Handle(), WM_APP, 0, 0);
  TWin32Clock().Sleep(20);
  EXPECT_EQ(Handled, 0);
  tools::PumpMessages();
  EXPECT_EQ(Handled, 1);
}

}  // namespace
}  // namespace nevra::win32
