// The recorder's low-level mouse hook: what it sees of real input while the thread pumps
// messages, and that nothing reaches it once removed.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "MessageWait.h"
#include "engine/MouseRecords.h"
#include "platform/win32/services/Win32MouseHook.h"
#include "platform/win32/services/Win32MouseInput.h"
#include "support/TestPrinters.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

struct THookEvent {
  uint32_t Message;
  TPoint Point;
  int32_t Data = 0;
  bool operator==(const THookEvent&) const = default;
};

void PrintTo(const THookEvent& AEvent, std::ostream* AOut) {
  *AOut << "0x" << std::hex << AEvent.Message << std::dec << " at ";
  nevra::PrintTo(AEvent.Point, AOut);
  *AOut << " data " << AEvent.Data;
}

// Hook procedures that record into globals and pass every event on.
std::vector<THookEvent> GEvents;
std::vector<THookEvent> GOtherEvents;

bool Record(const TMouseHookEvent& AEvent) {
  GEvents.push_back({AEvent.Message, {AEvent.X, AEvent.Y}, AEvent.Data});
  return false;
}
bool RecordOther(const TMouseHookEvent& AEvent) {
  GOtherEvents.push_back({AEvent.Message, {AEvent.X, AEvent.Y}, AEvent.Data});
  return false;
}
bool Throw(const TMouseHookEvent&) { throw std::runtime_error("a fault in the procedure"); }

class Win32MouseHook : public ::testing::Test {
 protected:
  void SetUp() override {
    GEvents.clear();
    GOtherEvents.clear();
  }
  void MoveTo(const TPoint& APoint) {
    Input.SendMouseInput(MouseMoveRecord(APoint.X, APoint.Y, Input.GetVirtualDesktop()));
  }
  // Moves and waits, pumping messages, until the cursor is there: the hook, if any, has seen it.
  bool MoveAndWait(const TPoint& APoint) {
    MoveTo(APoint);
    TPoint Cursor;
    return tools::WaitUntil([&] { return Input.GetCursorPos(Cursor) && Cursor == APoint; }, 5s);
  }
  static bool WaitForEvent(const std::vector<THookEvent>& AEvents, const THookEvent& AEvent) {
    return tools::WaitUntil([&] { return std::find(AEvents.begin(), AEvents.end(), AEvent) != AEvents.end(); }, 5s);
  }

  TWin32MouseInput Input;
  TWin32MouseHook Hook;
};

// The records the player sends for side buttons and wheels come back through the hook as the
// recorder reads them: which button, and the wheel's signed delta, a notch's or less.
TEST_F(Win32MouseHook, SeesMovesPressesSideButtonsAndWheelsWithTheirMessagePointAndData) {
  ASSERT_TRUE(Hook.Install(&Record));
  EXPECT_TRUE(Hook.Installed());
  const TPoint At{300, 200};
  MoveTo(At);
  ASSERT_TRUE(WaitForEvent(GEvents, {WM_MOUSEMOVE, At})) << "the move never reached the hook";
  for (int32_t Button : {0, 1, 2, 3, 4}) {
    Input.SendMouseInput(MouseButtonRecord(Button, true));
    Input.SendMouseInput(MouseButtonRecord(Button, false));
  }
  Input.SendMouseInput(MouseWheelRecord(-WHEEL_DELTA, false));
  Input.SendMouseInput(MouseWheelRecord(40, true));
  ASSERT_TRUE(WaitForEvent(GEvents, {WM_MOUSEHWHEEL, At, 40}));

  // Input from an earlier test (a move Wine still had queued) may reach the hook before ours:
  // only what follows our move counts.
  const auto Ours = std::find(GEvents.begin(), GEvents.end(), THookEvent{WM_MOUSEMOVE, At});
  std::vector<THookEvent> Others;
  for (const THookEvent& Event : std::vector<THookEvent>(Ours, GEvents.end())) {
    if (Event.Message == WM_MOUSEMOVE)
      EXPECT_EQ(Event.Point, At) << "a move elsewhere";
    else
      Others.push_back(Event);
  }
  const std::vector<THookEvent> Expected{{WM_LBUTTONDOWN, At},
                                         {WM_LBUTTONUP, At},
                                         {WM_RBUTTONDOWN, At},
                                         {WM_RBUTTONUP, At},
                                         {WM_MBUTTONDOWN, At},
                                         {WM_MBUTTONUP, At},
                                         {WM_XBUTTONDOWN, At, XBUTTON1},
                                         {WM_XBUTTONUP, At, XBUTTON1},
                                         {WM_XBUTTONDOWN, At, XBUTTON2},
                                         {WM_XBUTTONUP, At, XBUTTON2},
                                         {WM_MOUSEWHEEL, At, -WHEEL_DELTA},
                                         {WM_MOUSEHWHEEL, At, 40}};
  EXPECT_EQ(Others, Expected);
}

TEST_F(Win32MouseHook, ReplacedOrRemovedHookIsCalledNoMore) {
  ASSERT_TRUE(Hook.Install(&Record));
  ASSERT_TRUE(Hook.Install(&RecordOther));
  ASSERT_TRUE(MoveAndWait({320, 240}));
  ASSERT_TRUE(WaitForEvent(GOtherEvents, {WM_MOUSEMOVE, {320, 240}}));
  EXPECT_TRUE(GEvents.empty()) << "the replaced procedure was still called";

  Hook.Remove();
  EXPECT_FALSE(Hook.Installed());
  GOtherEvents.clear();
  ASSERT_TRUE(MoveAndWait({400, 300}));
  Input.SendMouseInput(MouseButtonRecord(0, true));
  Input.SendMouseInput(MouseButtonRecord(0, false));
  tools::PumpFor(100ms);
  EXPECT_TRUE(GOtherEvents.empty()) << "events after Remove";
}

TEST_F(Win32MouseHook, RemovedWithItsObject) {
  {
    TWin32MouseHook Scoped;
    ASSERT_TRUE(Scoped.Install(&Record));
    ASSERT_TRUE(MoveAndWait({330, 250}));
    ASSERT_TRUE(WaitForEvent(GEvents, {WM_MOUSEMOVE, {330, 250}}));
  }
  GEvents.clear();
  ASSERT_TRUE(MoveAndWait({340, 260}));
  tools::PumpFor(100ms);
  EXPECT_TRUE(GEvents.empty());
}

TEST_F(Win32MouseHook, AFaultingProcedureNeitherStopsTheInputNorEscapes) {
  ASSERT_TRUE(Hook.Install(&Throw));
  EXPECT_TRUE(MoveAndWait({350, 270})) << "the input stopped at the hook";
  ASSERT_TRUE(Hook.Install(&Record));
  ASSERT_TRUE(MoveAndWait({360, 280}));
  EXPECT_TRUE(WaitForEvent(GEvents, {WM_MOUSEMOVE, {360, 280}}));
}

}  // namespace
}  // namespace nevra::win32
