// The names screen readers hear for spin boxes and drop-down lists, whose own text is only their
// value.
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
  // A list named by the label above it, whatever spin box came before.
  TLabel SpeedLabel{this, &Other, "SpeedLabel", {10, 50, 90, 65}};
  TComboBox Speed{this, &Other, "Speed", {10, 67, 90, 90}};
};

size_t IndexOf(const TForm& AForm, const TControl& AControl) {
  const auto& Controls = AForm.Controls();
  for (size_t Index = 0; Index < Controls.size(); ++Index)
    if (Controls[Index] == &AControl) return Index;
  throw std::logic_error("not a control of the form");
}

TEST(AccessibleName, AFieldIsNamedByTheCaptionThatIntroducesIt) {
  TNamingForm Form;
  Form.SpeedLabel.SetCaption("S&peed:");
  struct TCase {
    const TControl* SpinBox;
    const char* Name;
  };
  for (const TCase& Case : {TCase{&Form.Box.X, "Coordinates"},
                            {&Form.Box.Y, "Coordinates (2)"},
                            {&Form.Box.Hours, "Hours"},
                            {&Form.Box.JitterMs, "Jitter"},
                            {&Form.Alone, ""},
                            {&Form.Speed, "Speed"}})
    EXPECT_EQ(FieldAccessibleName(Form.Controls(), IndexOf(Form, *Case.SpinBox)), Case.Name) << Case.SpinBox->Name();
  // Chinese, Japanese and Korean mark the mnemonic by a bracketed letter after the word.
  for (const char* Caption : {"\xE9\x80\x9F\xE5\xBA\xA6(&P)\xEF\xBC\x9A", "\xE9\x80\x9F\xE5\xBA\xA6(&P):"}) {
    Form.SpeedLabel.SetCaption(Caption);
    EXPECT_EQ(FieldAccessibleName(Form.Controls(), IndexOf(Form, Form.Speed)), "\xE9\x80\x9F\xE5\xBA\xA6") << Caption;
  }
}

}  // namespace
}  // namespace nevra
