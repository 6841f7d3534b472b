// Picking the point to click: the next left click anywhere is taken, not passed on, and fills
// the coordinates; Esc cancels.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ClickTargetWindow.h"
#include "MessageWait.h"
#include "ProgramTest.h"
#include "SyntheticInput.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TClickButton;

constexpr const char* kPicking = "Click the point to use";

class PointPicking : public TProgramTest {
 protected:
  void StartPicking() const {
    Window().Click("btnPickPoint");
    ASSERT_TRUE(tools::WaitUntil([&] { return Window().Status().rfind(kPicking, 0) == 0; }, 10s))
        << "no pick began; status: " << Window().Status();
  }
  size_t TargetButtonMessages() const {
    return Target.Count(TClickButton::cbLeft, true) + Target.Count(TClickButton::cbLeft, false);
  }

  // A window of this test process under the point: it counts what reaches it.
  tools::TClickTargetWindow Target{tools::kClickTargetBounds, tools::kClickTargetCaption};
  const POINT Point{250, 170};
};

TEST_F(PointPicking, TheNextClickFillsTheCoordinatesAndReachesNoWindow) {
  Window().Click("rbCurrentCursorPosition");
  StartPicking();
  tools::ClickAt(Point, TClickButton::cbLeft);
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Text("edtCoordX") == std::to_string(Point.x); }, 10s))
      << "X shows " << Window().Text("edtCoordX");
  EXPECT_EQ(Window().Text("edtCoordY"), std::to_string(Point.y));
  EXPECT_TRUE(Window().Checked("rbCoordinates"));
  EXPECT_EQ(Window().Status().rfind(kPicking, 0), std::string::npos) << "the pick did not end";
  tools::PumpFor(500ms);
  EXPECT_EQ(TargetButtonMessages(), 0u) << "the window under the point received the click";
}

TEST_F(PointPicking, EscCancelsAndKeepsTheCoordinates) {
  Window().SetText("edtCoordX", "12");
  Window().SetText("edtCoordY", "34");
  StartPicking();
  tools::PressKeys({VK_ESCAPE});
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Status().rfind(kPicking, 0) == std::string::npos; }, 10s))
      << "Esc did not end the pick";
  // Clicks reach the windows again, and the coordinates are as they were.
  tools::ClickAt(Point, TClickButton::cbLeft);
  EXPECT_TRUE(tools::WaitUntil([&] { return Target.Count(TClickButton::cbLeft, false) == 1; }, 10s));
  EXPECT_EQ(Window().Text("edtCoordX"), "12");
  EXPECT_EQ(Window().Text("edtCoordY"), "34");
}

// The mouse is taken while picking, but a click on the pick button itself still cancels.
TEST_F(PointPicking, AClickOnThePickButtonAgainCancelsAndKeepsTheCoordinates) {
  Window().SetText("edtCoordX", "12");
  Window().SetText("edtCoordY", "34");
  StartPicking();
  const RECT Button = tools::WindowBounds(Window().Control("btnPickPoint"));
  tools::ClickAt({(Button.left + Button.right) / 2, (Button.top + Button.bottom) / 2}, TClickButton::cbLeft);
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Status().rfind(kPicking, 0) == std::string::npos; }, 10s))
      << "the click on the button did not end the pick";
  tools::PumpFor(500ms);
  EXPECT_EQ(Window().Status().rfind(kPicking, 0), std::string::npos) << "the click started a new pick";
  EXPECT_EQ(Window().Text("edtCoordX"), "12");
  EXPECT_EQ(Window().Text("edtCoordY"), "34");
}

}  // namespace
}  // namespace nevra::e2e
