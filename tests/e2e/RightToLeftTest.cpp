// Arabic: the window and what it shows are mirrored and read from the right.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "MessageWait.h"
#include "ProcessWindows.h"
#include "ProgramTest.h"
#include "ScopedRegistryValue.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;

bool Mirrored(HWND AWindow) { return (GetWindowLongPtrW(AWindow, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; }

class RightToLeft : public TProgramTest {
 protected:
  void SetUp() override {
    Language.Set("ar");
    StartProgram();
  }
  RECT Bounds(const char* AControl) const { return tools::WindowBounds(Window().Control(AControl)); }
  TScopedRegistryValue Language{kProgramKey, kLanguageValue};
};

TEST_F(RightToLeft, ArabicMirrorsTheWindowAndItsControls) {
  EXPECT_TRUE(Mirrored(Window().Handle()));
  EXPECT_TRUE(Mirrored(Window().Control("btnStart")));
  // On the screen the design reads from the right: Start right of Stop, the target group right
  // of the interval group, X right of Y.
  EXPECT_GE(Bounds("btnStart").left, Bounds("btnStop").right);
  EXPECT_GE(Bounds("grpTarget").left, Bounds("grpInterval").right);
  EXPECT_GE(Bounds("edtCoordX").left, Bounds("edtCoordY").right);
}

TEST_F(RightToLeft, TheLanguageMenuReadsFromTheRightFromTheButtonsRightEdge) {
  Window().PostClick("btnLang");
  const HWND Menu = tools::WaitForProcessWindow(ProcessId(), tools::kPopupMenuClass, std::nullopt, 10s);
  ASSERT_NE(Menu, nullptr) << "the language menu did not open";
  EXPECT_TRUE(Mirrored(Menu));
  const RECT Button = Bounds("btnLang");
  const RECT Shown = tools::WindowBounds(Menu);
  // Below the button when the screen has room for it, above it when not (Windows moves it).
  EXPECT_EQ(Shown.right, Button.right);
  EXPECT_GT(Shown.right - Shown.left, Button.right - Button.left) << "the menu is squeezed";
  PostMessageW(Menu, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(tools::WaitUntilClosed(Menu, 10s)) << "the menu stayed open";
}

}  // namespace
}  // namespace nevra::e2e
