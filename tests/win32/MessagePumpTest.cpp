// The nested message pump (used while a macro plays) and the main loop.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ClickTargetWindow.h"
#include "TestWindow.h"
#include "platform/EventDispatcher.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/services/Win32Clock.h"
#include "platform/win32/services/Win32MessagePump.h"
#include "platform/win32/services/Win32Timers.h"

namespace nevra::win32 {
namespace {

class Win32MessagePump : public ::testing::Test {
 protected:
  void SetUp() override {
    Window.OnMessage = [this](UINT AMessage, WPARAM AWParam, LPARAM) {
      if (AMessage != WM_APP) return false;
      Handled.push_back(static_cast<int>(AWParam));
      return true;
    };
  }

  test::TTestWindow Window;
  TWin32MessagePump Pump;
  std::vector<int> Handled;
};

TEST_F(Win32MessagePump, ProcessMessagesHandlesWhatIsWaitingInOrderAndReturns) {
  for (int I = 1; I <= 3; ++I) PostMessageW(Window.Handle(), WM_APP, static_cast<WPARAM>(I), 0);
  Pump.ProcessMessages();
  EXPECT_EQ(Handled, (std::vector<int>{1, 2, 3}));

  const double Start = tools::CounterNowMs();
  Pump.ProcessMessages();  // nothing waits: must not block
  EXPECT_LT(tools::CounterNowMs() - Start, 50.0);
}

TEST_F(Win32MessagePump, ProcessMessagesReturnsWhileAFastTimerKeepsTicking) {
  // Macro playback calls it between events; a 1 ms timer whose handler outlasts its period
  // must not keep it busy for ever.
  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  TWin32TimerFactory Factory{Dispatcher};
  int Ticks = 0;
  auto Timer = Factory.CreateTimer([&] {
    ++Ticks;
    Sleep(2);
  });
  Timer->Arm(1);
  Sleep(20);
  const double Start = tools::CounterNowMs();
  Pump.ProcessMessages();
  const double Took = tools::CounterNowMs() - Start;
  Timer->Disarm();
  EXPECT_LT(Took, 200.0);
  EXPECT_GE(Ticks, 1);
}

TEST_F(Win32MessagePump, AQuitSeenByTheNestedPumpStillEndsTheMainLoop) {
  PostMessageW(Window.Handle(), WM_APP, 1, 0);
  PostQuitMessage(7);
  Pump.ProcessMessages();
  EXPECT_EQ(Handled, (std::vector<int>{1}));
  PostMessageW(Window.Handle(), WM_APP, 2, 0);
  EXPECT_EQ(Pump.RunUntilQuit(), 7);
}

// Macro playback waits through its pauses with WaitUntil.
TEST_F(Win32MessagePump, WaitUntilKeepsItsDueTime) {
  for (const uint64_t Ms : {2u, 30u}) {
    const uint64_t Due = SteadyMicroseconds() + Ms * 1000;
    EXPECT_TRUE(Pump.WaitUntil(Due, [] { return false; }));
    const uint64_t Now = SteadyMicroseconds();
    EXPECT_GE(Now, Due - 500) << Ms << " ms";
    EXPECT_LT(Now, Due + 5000) << Ms << " ms";
  }
}

TEST_F(Win32MessagePump, WaitUntilHandlesAMessageWhenItArrivesAndStopsWhenAsked) {
  const HWND Target = Window.Handle();
  std::thread Sender([Target] {
    Sleep(20);
    PostMessageW(Target, WM_APP, 1, 0);
  });
  const uint64_t Start = SteadyMicroseconds();
  const bool Reached = Pump.WaitUntil(Start + 5'000'000, [this] { return !Handled.empty(); });
  const uint64_t Took = SteadyMicroseconds() - Start;
  Sender.join();
  EXPECT_FALSE(Reached);
  EXPECT_EQ(Handled, (std::vector<int>{1}));
  EXPECT_LT(Took, 1'000'000u) << "the message waited for the end of the pause";
}

TEST_F(Win32MessagePump, AQuitDuringAWaitEndsItAndStillEndsTheMainLoop) {
  PostQuitMessage(5);
  EXPECT_FALSE(Pump.WaitUntil(SteadyMicroseconds() + 5'000'000, [] { return false; }));
  EXPECT_EQ(Pump.RunUntilQuit(), 5);
}

TEST_F(Win32MessagePump, MainLoopRunsHandlersUntilQuit) {
  Window.OnMessage = [this](UINT AMessage, WPARAM AWParam, LPARAM) {
    if (AMessage != WM_APP) return false;
    Handled.push_back(static_cast<int>(AWParam));
    if (AWParam < 3)
      PostMessageW(Window.Handle(), WM_APP, AWParam + 1, 0);
    else
      PostQuitMessage(0);
    return true;
  };
  PostMessageW(Window.Handle(), WM_APP, 1, 0);
  EXPECT_EQ(Pump.RunUntilQuit(), 0);
  EXPECT_EQ(Handled, (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace nevra::win32
