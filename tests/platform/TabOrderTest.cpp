// The keyboard's way through a form: a container's radio buttons form one run for the arrow keys.
#include "platform/controls/TabOrder.h"

#include <gtest/gtest.h>

#include "platform/controls/StdControls.h"

namespace nevra {
namespace {

// A spin box lies between the second and third radio button of a group, as in the main window.
struct TKeyboardForm : TForm {
  TKeyboardForm() : TForm("KeyboardForm", 400, 300) {}
  TButton Start{this, this, "Start", {}};               // 0
  TGroupBox Group{this, this, "Group", {}};             // 1
  TRadioButton First{this, &Group, "First", {}};        // 2
  TRadioButton Second{this, &Group, "Second", {}};      // 3
  TSpinBox X{this, &Group, "X", {}, 0, 100};            // 4
  TRadioButton Third{this, &Group, "Third", {}};        // 5
  TRadioButton Elsewhere{this, this, "Elsewhere", {}};  // 6: another container's group
  TCheckBox Check{this, this, "Check", {}};             // 7
};

TEST(TabOrder, AContainersRadioButtonsFollowTheFirstOfThem) {
  TKeyboardForm Form;
  EXPECT_EQ(TabOrder(Form.Controls()), (std::vector<size_t>{0, 1, 2, 3, 5, 4, 6, 7}));
}

TEST(TabOrder, OnlyARadioButtonAfterOneOfItsContainerContinuesAGroup) {
  TKeyboardForm Form;
  struct TCase {
    const TControl* Control;
    const TControl* Previous;
    bool Starts;
  };
  for (const TCase& Case : {TCase{&Form.Start, nullptr, true},
                            {&Form.First, &Form.Group, true},
                            {&Form.Second, &Form.First, false},
                            {&Form.Third, &Form.Second, false},
                            {&Form.X, &Form.Third, true},
                            {&Form.Elsewhere, &Form.Third, true},
                            {&Form.Check, &Form.Elsewhere, true}})
    EXPECT_EQ(StartsKeyboardGroup(*Case.Control, Case.Previous), Case.Starts) << Case.Control->Name();
}

}  // namespace
}  // namespace nevra
