// Picking the point to click: the live position, the click that is taken, Esc and the button
// that cancel, and no pick during a run or a recording.
#include <gtest/gtest.h>

#include "platform/InputCodes.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

namespace Msg = MouseMessages;

class PointPickerTest : public FormFixture {
 protected:
  void Pick() { UserClick(Form->btnPickPoint); }
  bool Send(uint32_t AMessage, int32_t AX, int32_t AY) { return P.MouseHook.Send(AMessage, AX, AY); }
  bool PressEsc() { return P.PressHotkey(0, VirtualKeys::Escape); }
};

TEST_F(PointPickerTest, TheNextLeftClickAnywhereIsTakenAndFillsTheCoordinates) {
  P.Input.Cursor = {400, 300};
  Pick();
  EXPECT_TRUE(Form->Picking());
  EXPECT_EQ(Status(), "Click the point to use (X 400, Y 300). Esc cancels.");
  EXPECT_FALSE(Send(Msg::Move, -1500, 320)) << "moves reach the desktop";
  EXPECT_EQ(Status(), "Click the point to use (X -1500, Y 320). Esc cancels.");
  EXPECT_FALSE(Send(Msg::RightDown, -1500, 320)) << "other buttons reach the desktop";
  EXPECT_TRUE(Send(Msg::LeftDown, -1500, 320)) << "the press reached a window";
  EXPECT_TRUE(Send(Msg::LeftUp, -1500, 320)) << "the release reached a window";

  EXPECT_FALSE(Form->Picking());
  EXPECT_EQ(Form->edtCoordX.Value(), -1500);
  EXPECT_EQ(Form->edtCoordY.Value(), 320);
  EXPECT_TRUE(Form->rbCoordinates.Checked());
  EXPECT_TRUE(Form->edtCoordX.Enabled());
  EXPECT_EQ(Status(), "Ready");
  EXPECT_FALSE(P.MouseHook.Installed());
  EXPECT_FALSE(PressEsc()) << "Esc belongs to the other programs again";
}

TEST_F(PointPickerTest, EscOrTheButtonAgainCancelsAndLeavesTheCoordinates) {
  Form->edtCoordX.SetValue(10);
  Form->edtCoordY.SetValue(20);
  for (const bool ByEsc : {true, false}) {
    SCOPED_TRACE(ByEsc ? "Esc" : "the button");
    Pick();
    Send(Msg::Move, 700, 800);
    if (ByEsc)
      EXPECT_TRUE(PressEsc());
    else
      Pick();
    EXPECT_FALSE(Form->Picking());
    EXPECT_FALSE(P.MouseHook.Installed());
    EXPECT_EQ(Form->edtCoordX.Value(), 10);
    EXPECT_EQ(Form->edtCoordY.Value(), 20);
    EXPECT_TRUE(Form->rbCurrentCursorPosition.Checked());
    EXPECT_EQ(Status(), "Ready");
  }
}

// The button stays the way to cancel while the mouse is taken: a click on it is not a point.
TEST_F(PointPickerTest, AClickOnThePickButtonCancelsAndIsNotTakenAsThePoint) {
  Form->edtCoordX.SetValue(10);
  Form->edtCoordY.SetValue(20);
  P.Window.ControlIds[{190, 140}] = Form->ControlId(Form->btnPickPoint);
  Pick();
  EXPECT_TRUE(Send(Msg::LeftDown, 190, 140));
  EXPECT_TRUE(Send(Msg::LeftUp, 191, 140)) << "passed on, the release would click the button again";
  EXPECT_FALSE(Form->Picking());
  EXPECT_FALSE(P.MouseHook.Installed());
  EXPECT_EQ(Form->edtCoordX.Value(), 10);
  EXPECT_EQ(Form->edtCoordY.Value(), 20);
  EXPECT_EQ(Status(), "Ready");
}

TEST_F(PointPickerTest, AReleaseOfAPressFromBeforeThePickIsNotAClick) {
  Pick();
  EXPECT_FALSE(Send(Msg::LeftUp, 5, 5));
  EXPECT_TRUE(Form->Picking());
}

TEST_F(PointPickerTest, NoPickDuringARunOrARecordingAndARunEndsOne) {
  UserClick(Form->btnStart);
  Pick();
  EXPECT_FALSE(Form->Picking());
  UserClick(Form->btnStop);

  Form->rbMacros.Click();
  UserClick(Form->btnCreateMacros);
  Pick();
  EXPECT_FALSE(Form->Picking());
  P.Time.RunFor(11000);  // the recording starts
  Pick();
  EXPECT_FALSE(Form->Picking());
  P.PressHotkey(HotkeyModifiers::Control | HotkeyModifiers::Shift, 'X');

  Form->rbCurrentCursorPosition.Click();
  Pick();
  ASSERT_TRUE(Form->Picking());
  UserClick(Form->btnStart);
  EXPECT_FALSE(Form->Picking());
  EXPECT_TRUE(Form->Running());
}

}  // namespace
}  // namespace nevra::test
