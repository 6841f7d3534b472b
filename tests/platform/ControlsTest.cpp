// The control model: the semantics the handlers rely on when values are set from code.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/controls/StdControls.h"
#include "platform/controls/Timer.h"
#include "platform/fake/FakePlatform.h"

namespace nevra {
namespace {

struct TTestForm : TForm {
  TTestForm() : TForm("TestForm", 100, 100) {}
  TGroupBox GroupA{this, this, "GroupA", {}};
  TRadioButton A1{this, &GroupA, "A1", {}};
  TRadioButton A2{this, &GroupA, "A2", {}};
  TRadioButton B1{this, this, "B1", {}};
  TCheckBox Check{this, this, "Check", {}};
  TSpinBox Spin{this, this, "Spin", {}, 1, 65535};
  TSpinBox Signed{this, this, "Signed", {}, -100000, 100000};
  TComboBox Combo{this, this, "Combo", {}};
};

TEST(Controls, SpinBoxReadsItsTextClampedAndWhatIsNotANumberAsZeroInRange) {
  TTestForm F;
  struct Case {
    const char* Text;
    int32_t Value;
  };
  for (const Case C : {Case{"100", 100}, Case{"0", 1}, Case{"70000", 65535}, Case{"-3", 1}, Case{"abc", 1}, Case{"", 1},
                       Case{"12a", 1}, Case{"99999999999", 1}, Case{" 42 ", 42}, Case{"+7", 7}}) {
    F.Spin.SetText(C.Text);
    EXPECT_EQ(F.Spin.Value(), C.Value) << '"' << C.Text << '"';
  }
  // A box open to negative numbers reads what is not a number as 0, not as its far end.
  for (const Case C : {Case{"-250", -250}, Case{"-", 0}, Case{"", 0}, Case{"-x", 0}, Case{"-200000", -100000}}) {
    F.Signed.SetText(C.Text);
    EXPECT_EQ(F.Signed.Value(), C.Value) << '"' << C.Text << '"';
  }
  F.Spin.SetValue(5000000000);
  EXPECT_EQ(F.Spin.Text(), "65535");
  F.Spin.SetValue(-1);
  EXPECT_EQ(F.Spin.Text(), "1");
}

// Leaving a box shows the value it stands for; what is no number stays for the form to judge.
TEST(Controls, LeavingASpinBoxShowsANumberBeyondItsRangeAsItsEdge) {
  TTestForm F;
  const std::pair<const char*, const char*> Cases[] = {
      {"-250000", "-100000"},         {"200000", "100000"}, {"-250", "-250"}, {"12a", "12a"}, {"", ""},
      {"99999999999", "99999999999"},
  };
  for (const auto& [Typed, Shown] : Cases) {
    F.Signed.SetText(Typed);
    F.Signed.Leave();
    EXPECT_EQ(F.Signed.Text(), Shown) << '"' << Typed << '"';
  }
}

TEST(Controls, CheckBoxRunsItsHandlerOnlyWhenItsStateChanges) {
  TTestForm F;
  int Clicks = 0;
  F.Check.OnClick = [&] { ++Clicks; };
  F.Check.SetChecked(false);
  EXPECT_EQ(Clicks, 0);
  F.Check.SetChecked(true);
  F.Check.SetChecked(true);
  EXPECT_EQ(Clicks, 1);
  F.Check.Click();
  EXPECT_FALSE(F.Check.Checked());
  EXPECT_EQ(Clicks, 2);
  F.Check.SetEnabled(false);
  F.Check.Click();
  EXPECT_EQ(Clicks, 2);
}

TEST(Controls, RadioButtonsOfOneContainerExcludeEachOther) {
  TTestForm F;
  int A1Clicks = 0, A2Clicks = 0;
  F.A1.OnClick = [&] { ++A1Clicks; };
  F.A2.OnClick = [&] { ++A2Clicks; };
  F.B1.SetChecked(true);
  F.A1.SetChecked(true);
  F.A2.Click();
  EXPECT_FALSE(F.A1.Checked());
  EXPECT_TRUE(F.A2.Checked());
  EXPECT_TRUE(F.B1.Checked()) << "another container is another group";
  F.A2.SetChecked(true);   // already checked: no handler
  F.A2.SetChecked(false);  // unchecking runs no handler
  EXPECT_EQ(A1Clicks, 1);
  EXPECT_EQ(A2Clicks, 1);
}

TEST(Controls, ComboBoxIndexFromCodeRunsNoHandlerAndOutOfRangeMeansNoSelection) {
  TTestForm F;
  int Changes = 0;
  F.Combo.OnChange = [&] { ++Changes; };
  F.Combo.SetItems({"Left", "Right", "Middle"});
  F.Combo.SetItemIndex(2);
  EXPECT_EQ(F.Combo.ItemIndex(), 2);
  F.Combo.SetItemIndex(3);
  EXPECT_EQ(F.Combo.ItemIndex(), -1);
  F.Combo.SetItemIndex(-7);
  EXPECT_EQ(F.Combo.ItemIndex(), -1);
  EXPECT_EQ(Changes, 0);
  F.Combo.Select(1);
  EXPECT_EQ(F.Combo.ItemIndex(), 1);
  EXPECT_EQ(Changes, 1);
}

TEST(Controls, ViewSeesEveryChangeOnce) {
  struct TRecorder : IControlView {
    std::vector<std::pair<std::string, TControlProperty>> Seen;
    void ControlChanged(TControl& AControl, TControlProperty AProperty) override {
      Seen.emplace_back(AControl.Name(), AProperty);
    }
  } View;
  TTestForm F;
  for (TControl* C : F.Controls()) C->SetView(&View);
  F.A1.SetChecked(true);
  F.A2.SetChecked(true);
  F.Spin.SetValue(5);
  F.Spin.SetValue(5);
  F.Check.SetEnabled(false);
  using P = TControlProperty;
  EXPECT_EQ(View.Seen, (std::vector<std::pair<std::string, TControlProperty>>{{"A1", P::cpChecked},
                                                                              {"A1", P::cpChecked},
                                                                              {"A2", P::cpChecked},
                                                                              {"Spin", P::cpText},
                                                                              {"Check", P::cpEnabled}}));
}

class TimerTest : public ::testing::Test {
 protected:
  fake::TFakePlatform P;
  std::vector<uint64_t> Ticks;
  TTimer Timer{P.Time, [this] { Ticks.push_back(P.Time.Now()); }, 100};
};

TEST_F(TimerTest, SameIntervalKeepsThePeriodAndANewOneRestartsIt) {
  Timer.SetEnabled(true);
  P.Time.RunFor(150);
  Timer.SetInterval(100);  // unchanged: still due at 200
  Timer.SetEnabled(true);  // already enabled: nothing
  P.Time.RunFor(50);
  EXPECT_EQ(Ticks, (std::vector<uint64_t>{100, 200}));
  P.Time.RunFor(30);
  Timer.SetInterval(40);  // restarts now, at 230
  P.Time.RunFor(80);
  EXPECT_EQ(Ticks, (std::vector<uint64_t>{100, 200, 270, 310}));
}

TEST_F(TimerTest, DisabledOrZeroIntervalNeverTicks) {
  Timer.SetEnabled(true);
  P.Time.RunFor(50);
  Timer.SetEnabled(false);
  P.Time.RunFor(500);
  Timer.SetInterval(0);
  Timer.SetEnabled(true);
  P.Time.RunFor(500);
  EXPECT_TRUE(Ticks.empty());
}

TEST_F(TimerTest, PeriodsMissedWhileBusyYieldOneTick) {
  Timer.SetEnabled(true);
  P.Time.Sleep(350);  // the thread is blocked past three due times
  P.Time.RunFor(0);
  EXPECT_EQ(Ticks, (std::vector<uint64_t>{350}));
  P.Time.RunFor(100);
  EXPECT_EQ(Ticks, (std::vector<uint64_t>{350, 400}));
}

TEST_F(TimerTest, ProcessMessagesRunsOnlyWhatIsAlreadyDue) {
  Timer.SetEnabled(true);
  P.Time.ProcessMessages();
  EXPECT_TRUE(Ticks.empty());
  P.Time.Sleep(100);
  P.Time.ProcessMessages();
  EXPECT_EQ(Ticks, (std::vector<uint64_t>{100}));
}

TEST(Dispatcher, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
  fake::TFakePlatform P;
  P.Dispatcher.Run([] { throw std::runtime_error("Unable to write to C:\\x"); });
  P.Dispatcher.Run([] { throw 42; });
  ASSERT_EQ(P.Dialogs.Shown.size(), 2u);
  EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkError);
  EXPECT_EQ(P.Dialogs.Shown[0].Text, "Unable to write to C:\\x");
}

TEST(SeededRandom, DrawsEveryValueOfTheRange) {
  TSeededRandom Random;
  bool Seen[3] = {};
  for (int I = 0; I < 300; ++I) Seen[Random.Next(3)] = true;
  EXPECT_TRUE(Seen[0] && Seen[1] && Seen[2]);
}

}  // namespace
}  // namespace nevra
