// Synthesised mouse input: the normalisation to the absolute range, the exact input records of
// each click type, and where the click lands.
#include <gtest/gtest.h>

#include "engine/MouseNormalize.h"
#include "engine/MouseRecords.h"
#include "support/FormFixture.h"

namespace nevra::test {
namespace {

using ::testing::ElementsAre;

TEST(NormalizeToAbsolute, MapsPixelsOntoTheAbsoluteRange) {
  struct Case {
    int32_t Value, Origin, Size, Expected;
  };
  const Case Cases[] = {
      // One 1920 x 1080 monitor.
      {0, 0, 1920, 0},
      {1919, 0, 1920, 65535},
      {960, 0, 1920, 32785},
      {540, 0, 1080, 32798},
      {5000, 0, 1920, 65535},
      {-5, 0, 1920, 0},
      // Two monitors side by side, the primary on the right.
      {-1920, -1920, 3840, 0},
      {0, -1920, 3840, 32776},
      {1919, -1920, 3840, 65535},
      // 32767.5 rounds to the even neighbour.
      {1, 0, 3, 32768},
      {11, 10, 3, 32768},
      // Degenerate axes.
      {7, 0, 1, 0},
      {7, 0, 0, 0},
      {7, 0, -4, 0},
      // The difference wraps in 32 bits instead of overflowing.
      {INT32_MIN, 1, 1920, 65535},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(NormalizeToAbsolute(C.Value, C.Origin, C.Size), C.Expected)
        << C.Value << " in " << C.Origin << "+" << C.Size;
  }
}

TEST(MouseRecords, EveryRecordCarriesExactlyItsFields) {
  const TMouseInputRecord Move = MouseMoveRecord(960, 540, TVirtualDesktop{0, 0, 1920, 1080});
  EXPECT_EQ(Move, (TMouseInputRecord{32785, 32798, 0, 0xC001, 0, 0}));

  // Left, right, middle, then the side buttons: XDOWN/XUP with XBUTTON1 or XBUTTON2 as data.
  const uint32_t Down[] = {0x0002, 0x0008, 0x0020, 0x0080, 0x0080};
  const uint32_t Up[] = {0x0004, 0x0010, 0x0040, 0x0100, 0x0100};
  const uint32_t Data[] = {0, 0, 0, 1, 2};
  for (int32_t Button = 0; Button < 5; ++Button) {
    EXPECT_EQ(MouseButtonRecord(Button, true), (TMouseInputRecord{0, 0, Data[Button], Down[Button], 0, 0}));
    EXPECT_EQ(MouseButtonRecord(Button, false), (TMouseInputRecord{0, 0, Data[Button], Up[Button], 0, 0}));
  }
  for (int32_t Button : {-1, 5, 255}) {
    EXPECT_EQ(MouseButtonRecord(Button, true), TMouseInputRecord{});
    EXPECT_EQ(MouseButtonRecord(Button, false), TMouseInputRecord{});
  }
  // The delta's bits, sign included, in the DWORD.
  EXPECT_EQ(MouseWheelRecord(-120, false), (TMouseInputRecord{0, 0, 0xFFFFFF88u, 0x0800, 0, 0}));
  EXPECT_EQ(MouseWheelRecord(30, true), (TMouseInputRecord{0, 0, 30, 0x1000, 0, 0}));
}

class PerformClickTest : public FormFixture {
 protected:
  // Runs exactly one click.
  void ClickOnce() {
    Form->btnStart.Click();
    P.Time.RunFor(100);
    Form->btnStop.Click();
  }
};

TEST_F(PerformClickTest, ClickTypesSendTheirButtonRecords) {
  struct Case {
    int Button, Type;
    std::vector<std::string> Expected;
  };
  const Case Cases[] = {
      {0, 0, {"D0", "U0"}},
      {1, 0, {"D1", "U1"}},
      {2, 0, {"D2", "U2"}},
      {0, 1, {"D0", "U0", "D0", "U0"}},
      {2, 1, {"D2", "U2", "D2", "U2"}},
      {1, 2, {"D1", "U1"}},
      // No selection in either list counts as index 0.
      {-1, -1, {"D0", "U0"}},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << "button " << C.Button << " type " << C.Type);
    Form->cbButton.SetItemIndex(C.Button);
    Form->cbClickType.SetItemIndex(C.Type);
    P.Input.ClearSent();
    ClickOnce();
    EXPECT_EQ(Events(), C.Expected);
  }
}

TEST_F(PerformClickTest, HoldKeepsTheButtonDownForTheHoldTimeWithoutKeepingTheWindow) {
  Form->cbClickType.Select(2);
  Form->seHoldMs.SetValue(250);
  Form->btnStart.Click();
  // The press at 100, its release at 350 and the next click at once, its due time past.
  P.Time.RunFor(350);
  ASSERT_EQ(Events(), (std::vector<std::string>{"D0", "U0", "D0"}));
  EXPECT_EQ(P.Input.Sent()[1].AtMs - P.Input.Sent()[0].AtMs, 250u);
  EXPECT_TRUE(P.Time.Sleeps().empty()) << "the hold was waited out on the window's thread";
}

TEST_F(PerformClickTest, StoppingDuringAHoldReleasesTheButtonAtOnce) {
  Form->cbClickType.Select(2);
  Form->seHoldMs.SetValue(250);
  Form->btnStart.Click();
  P.Time.RunFor(150);
  Form->btnStop.Click();
  P.Time.RunFor(1000);
  EXPECT_EQ(Events(), (std::vector<std::string>{"D0", "U0"}));
  EXPECT_THAT(PressTimes(), ElementsAre(100));
  EXPECT_EQ(P.Input.Sent()[1].AtMs, 150u);
}

TEST_F(PerformClickTest, HoldOfZeroReleasesAtOnce) {
  Form->cbClickType.Select(2);
  Form->seHoldMs.SetValue(0);
  ClickOnce();
  EXPECT_EQ(Events(), (std::vector<std::string>{"D0", "U0"}));
  EXPECT_TRUE(P.Time.Sleeps().empty());
}

TEST_F(PerformClickTest, HoldLongerThanTheIntervalCollapsesTheMissedTicks) {
  Form->cbClickType.Select(2);
  Form->seHoldMs.SetValue(250);
  Form->btnStart.Click();
  P.Time.RunFor(650);
  // Presses at 100 and, after the 250 ms hold, one late tick at 350; then back on the grid.
  EXPECT_THAT(PressTimes(), ElementsAre(100, 350, 600));
}

TEST_F(PerformClickTest, CoordinatesModeMovesBeforeEveryClick) {
  P.Input.Desktop = {-1920, 0, 3840, 1080};
  Form->rbCoordinates.Click();
  Form->edtCoordX.SetText("0");
  Form->edtCoordY.SetText("540");
  Form->cbClickType.Select(1);
  Form->btnStart.Click();
  P.Time.RunFor(200);
  Form->btnStop.Click();
  EXPECT_EQ(Events(), (std::vector<std::string>{"M", "D0", "U0", "D0", "U0", "M", "D0", "U0", "D0", "U0"}));
  EXPECT_EQ(P.Input.Sent()[0].Record.Dx, 32776);
  EXPECT_EQ(P.Input.Sent()[0].Record.Dy, 32798);
}

// Clicks land where the boxes say: a number beyond the range is shown as the edge it stands for
// before the first click, and a box that holds no number refuses the run by name.
TEST_F(PerformClickTest, CoordinatesAreWhatTheBoxesShowOrTheRunIsRefused) {
  Form->rbCoordinates.Click();
  struct Case {
    std::string X, Y;
    const char* ShownX;
    int32_t Dx, Dy;
  };
  for (const Case& C : {Case{"150000", "1079", "100000", 65535, 65535}, Case{" 960 ", "540", " 960 ", 32785, 32798},
                        Case{"-100001", "0", "-100000", 0, 0}}) {
    SCOPED_TRACE(C.X);
    Form->edtCoordX.SetText(C.X);
    Form->edtCoordY.SetText(C.Y);
    P.Input.ClearSent();
    ClickOnce();
    EXPECT_EQ(Form->edtCoordX.Text(), C.ShownX);
    ASSERT_FALSE(P.Input.Sent().empty());
    EXPECT_EQ(P.Input.Sent()[0].Record.Dx, C.Dx);
    EXPECT_EQ(P.Input.Sent()[0].Record.Dy, C.Dy);
  }
  const std::pair<std::string, std::string> NoNumbers[] = {{"12a", "5"}, {"", "5"}, {"5", "99999999999"}};
  for (const auto& [X, Y] : NoNumbers) {
    SCOPED_TRACE(X + "/" + Y);
    Form->edtCoordX.SetText(X);
    Form->edtCoordY.SetText(Y);
    P.Dialogs.Shown.clear();
    P.Input.ClearSent();
    ClickOnce();
    EXPECT_TRUE(P.Input.Sent().empty());
    ASSERT_EQ(P.Dialogs.Shown.size(), 1u);
    EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkWarning);
    EXPECT_EQ(P.Dialogs.Shown[0].Text, X == "5" ? "The coordinate Y is not a whole number: \"" + Y + "\"."
                                                : "The coordinate X is not a whole number: \"" + X + "\".");
    EXPECT_EQ(Form->edtCoordX.Text(), X) << "the box keeps what was typed, to be put right";
  }
}

TEST_F(PerformClickTest, CursorModeNeverMovesTheCursor) {
  Form->cbClickType.Select(1);
  ClickOnce();
  EXPECT_EQ(Events(), (std::vector<std::string>{"D0", "U0", "D0", "U0"}));
}

}  // namespace
}  // namespace nevra::test
