#include "platform/controls/TabOrder.h"

namespace nevra {

namespace {
bool IsRadioButton(const TControl* AControl) {
  return AControl != nullptr && AControl->Kind() == TControlKind::ckRadioButton;
}
}  // namespace

std::vector<size_t> TabOrder(const std::vector<TControl*>& AControls) {
  std::vector<size_t> Order;
  std::vector<bool> Placed(AControls.size(), false);
  for (size_t Index = 0; Index < AControls.size(); ++Index) {
    if (Placed[Index]) continue;
    Order.push_back(Index);
    Placed[Index] = true;
    if (!IsRadioButton(AControls[Index])) continue;
    for (size_t Other = Index + 1; Other < AControls.size(); ++Other) {
      const bool SameGroup =
          IsRadioButton(AControls[Other]) && AControls[Other]->Parent() == AControls[Index]->Parent();
      if (Placed[Other] || !SameGroup) continue;
      Order.push_back(Other);
      Placed[Other] = true;
    }
  }
  return Order;
}

bool StartsKeyboardGroup(const TControl& AControl, const TControl* APreviousInTabOrder) {
  return !(IsRadioButton(&AControl) && IsRadioButton(APreviousInTabOrder) &&
           APreviousInTabOrder->Parent() == AControl.Parent());
}

}  // namespace nevra
