// Arabic: the window and what it shows are mirrored and read from the right.
#include <gtest/gtest.h>

#include "ProgramTest.h"
#include "ScopedRegistryValue.h"

namespace nevra::e2e {
namespace {

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

}  // namespace
}  // namespace nevra::e2e
