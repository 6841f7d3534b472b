#pragma once

#include "platform/controls/StdControls.h"

namespace nevra::test {

// One container as the main window has them: radio buttons with spin boxes between them, a
// separator label between two spin boxes, labels and a check box that introduce spin boxes.
// The controls join AOwner in this order; the group box lies at (10, 50) on the form.
struct TSpinBoxGroup {
  explicit TSpinBoxGroup(TForm* AOwner) : FOwner(AOwner) {
    First.SetCaption("Cursor");
    Second.SetCaption("Coordinates:");
    Times.SetCaption("X");
    Third.SetCaption("Macros");
    HoursLabel.SetCaption("Hours");
    Jitter.SetCaption("&Jitter:");
  }

 private:
  TForm* FOwner;  // first, for the controls below

 public:
  TGroupBox Group{FOwner, FOwner, "Group", {10, 50, 390, 290}};
  TRadioButton First{FOwner, &Group, "First", {10, 20, 200, 39}};
  TRadioButton Second{FOwner, &Group, "Second", {10, 45, 200, 64}};
  TSpinBox X{FOwner, &Group, "X", {30, 70, 110, 93}, 0, 100};
  TLabel Times{FOwner, &Group, "Times", {116, 74, 128, 89}};
  TSpinBox Y{FOwner, &Group, "Y", {132, 70, 212, 93}, 0, 100};
  TRadioButton Third{FOwner, &Group, "Third", {10, 100, 200, 119}};
  TLabel HoursLabel{FOwner, &Group, "HoursLabel", {10, 130, 76, 145}};
  TSpinBox Hours{FOwner, &Group, "Hours", {10, 147, 76, 170}, 0, 23};
  TCheckBox Jitter{FOwner, &Group, "Jitter", {10, 180, 146, 199}};
  TSpinBox JitterMs{FOwner, &Group, "JitterMs", {150, 178, 216, 201}, 0, 999};
};

}  // namespace nevra::test
