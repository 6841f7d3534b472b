// Background work on real threads: when it starts, where its reports are handled, and that
// ending a task stops its work and drops what it had not handed over.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <memory>

#include "MessageWait.h"
#include "platform/EventDispatcher.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/services/Win32BackgroundWork.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

class Win32BackgroundWork : public ::testing::Test {
 protected:
  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  TWin32BackgroundWork Work{Dispatcher};
  const DWORD GuiThread = ::GetCurrentThreadId();
};

TEST_F(Win32BackgroundWork, RunsOnAThreadOfItsOwnOnceTheLoopTurnsAndReportsReachTheGuiThread) {
  std::atomic<DWORD> WorkThread{0};
  std::atomic<bool> Finished{false};
  int Handled = 0;
  bool HandledOnGuiThread = true;
  auto Task = Work.Start(
      [&](IBackgroundContext& AContext) {
        WorkThread = ::GetCurrentThreadId();
        for (int I = 0; I < 100; ++I) AContext.ReportProgress();
        Finished = true;
        AContext.ReportProgress();
      },
      [&] {
        HandledOnGuiThread = HandledOnGuiThread && ::GetCurrentThreadId() == GuiThread;
        ++Handled;
      });
  // Whatever the GUI thread does before its loop turns is not competed with.
  ::Sleep(50);
  EXPECT_EQ(WorkThread.load(), 0u) << "started before the message loop";

  ASSERT_TRUE(tools::WaitUntil([&] { return Finished.load() && Handled > 0; }, 10s));
  tools::PumpFor(50ms);
  EXPECT_NE(WorkThread.load(), GuiThread);
  EXPECT_TRUE(HandledOnGuiThread);
  // Reports made before the handler runs are one run.
  EXPECT_GE(Handled, 1);
  EXPECT_LT(Handled, 101);
}

TEST_F(Win32BackgroundWork, WaitingBeforeTheLoopTurnsRunsTheWorkAtOnce) {
  DWORD WorkThread = 0;
  int Handled = 0;
  auto Task = Work.Start(
      [&](IBackgroundContext& AContext) {
        WorkThread = ::GetCurrentThreadId();
        AContext.ReportProgress();
      },
      [&] { ++Handled; });
  Task->Wait();
  EXPECT_EQ(WorkThread, GuiThread);
  EXPECT_EQ(Handled, 0) << "the report waits for the message loop";
  ASSERT_TRUE(tools::WaitUntil([&] { return Handled == 1; }, 10s));
}

TEST_F(Win32BackgroundWork, EndingATaskStopsItsWorkAndDropsItsReports) {
  std::atomic<bool> Started{false};
  std::atomic<bool> Stopped{false};
  int Handled = 0;
  auto Task = Work.Start(
      [&](IBackgroundContext& AContext) {
        Started = true;
        while (!AContext.StopRequested()) {
          AContext.ReportProgress();
          ::Sleep(1);
        }
        Stopped = true;
        AContext.ReportProgress();
      },
      [&] { ++Handled; });
  ASSERT_TRUE(tools::WaitUntil([&] { return Started.load(); }, 10s));
  Task.reset();
  EXPECT_TRUE(Stopped.load()) << "the task ended before its work";
  const int HandledAtEnd = Handled;
  tools::PumpFor(100ms);
  EXPECT_EQ(Handled, HandledAtEnd);
}

TEST_F(Win32BackgroundWork, AHandlerThatContinuesLaterRunsAgainFromTheLoop) {
  int Handled = 0;
  std::unique_ptr<IBackgroundTask> Task;
  Task = Work.Start([](IBackgroundContext& AContext) { AContext.ReportProgress(); },
                    [&] {
                      // Five slices, each from its own turn of the loop.
                      if (++Handled < 5) Task->ContinueLater();
                    });
  ASSERT_TRUE(tools::WaitUntil([&] { return Handled == 5; }, 10s));
  tools::PumpFor(50ms);
  EXPECT_EQ(Handled, 5);
}

}  // namespace
}  // namespace nevra::win32
