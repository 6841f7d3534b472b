// The names screen readers hear for spin boxes, whose own text is only their number.
#include "platform/controls/AccessibleName.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/controls/StdControls.h"
#include "support/SpinBoxGroup.h"

namespace nevra {
namespace {

// The main window's kind of container, and a spin box alone in another container: a caption
// outside it introduces nothing.
struct TNamingForm : TForm {
  TNamingForm() : TForm("NamingForm", 600, 300) {}
  test::TSpinBoxGroup Box{this};
  TGroupBox Other{this, this, "Other", {400, 50, 500, 290}};
  TSpinBox Alone{this, &Other, "Alone", {10, 20, 90, 43}, 0, 9};
};

size_t IndexOf(const TForm& AForm, const TControl& AControl) {
  const auto& Controls = AForm.Controls();
  for (size_t Index = 0; Index < Controls.size(); ++Index)
    if (Controls[Index] == &AControl) return Index;
  throw std::logic_error("not a control of the form");
}

TEST(AccessibleName, ASpinBoxIsNamedByTheCaptionThatIntroducesIt) {
  TNamingForm Form;
  struct TCase {
    const TControl* SpinBox;
    const char* Name;
  };
  for (const TCase& Case : {TCase{&Form.Box.X, "Coordinates"},
                            {&Form.Box.Y, "Coordinates (2)"},
                            {&Form.Box.Hours, "Hours"},
                            {&Form.Box.JitterMs, "Jitter"},
                            {&Form.Alone, ""}})
    EXPECT_EQ(SpinBoxAccessibleName(Form.Controls(), IndexOf(Form, *Case.SpinBox)), Case.Name) << Case.SpinBox->Name();
}

}  // namespace
}  // namespace nevra
