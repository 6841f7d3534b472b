#include "platform/controls/StdControls.h"

#include <algorithm>
#include <utility>

#include "platform/Text.h"

namespace nevra {

namespace {
void Fire(const TNotifyEvent& AEvent) {
  if (AEvent) AEvent();
}
}  // namespace

void TButton::Click() {
  if (Enabled()) Fire(OnClick);
}

void TLabel::SetUnderlined(bool AUnderlined) {
  if (AUnderlined == FUnderlined) return;
  FUnderlined = AUnderlined;
  Changed(TControlProperty::cpFont);
}

void TProgressBar::SetPosition(int32_t APosition) {
  const int32_t Clamped = std::clamp(APosition, 0, kMax);
  if (Clamped == FPosition) return;
  FPosition = Clamped;
  Changed(TControlProperty::cpPosition);
}

void TCheckBox::SetChecked(bool AChecked) {
  if (AChecked == FChecked) return;
  FChecked = AChecked;
  Changed(TControlProperty::cpChecked);
  Fire(OnClick);
}

void TCheckBox::Click() {
  if (Enabled()) SetChecked(!FChecked);
}

void TRadioButton::SetCheckedState(bool AChecked) {
  if (AChecked == FChecked) return;
  FChecked = AChecked;
  Changed(TControlProperty::cpChecked);
}

void TRadioButton::SetChecked(bool AChecked) {
  if (!AChecked) {
    SetCheckedState(false);
    return;
  }
  if (FChecked) return;
  for (TControl* Sibling : Owner()->Controls()) {
    if (Sibling != this && Sibling->Kind() == TControlKind::ckRadioButton && Sibling->Parent() == Parent())
      static_cast<TRadioButton*>(Sibling)->SetCheckedState(false);
  }
  SetCheckedState(true);
  Fire(OnClick);
}

TSpinBox::TSpinBox(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds, int32_t AMin, int32_t AMax)
    : TControl(TControlKind::ckSpinBox, AOwner, AParent, std::move(AName), ABounds), FMin(AMin), FMax(AMax) {
  FText = std::to_string(FMin);
}

void TSpinBox::SetText(const std::string& AText) {
  if (AText == FText) return;
  FText = AText;
  Changed(TControlProperty::cpText);
  Fire(OnChange);
}

void TMemo::SetText(const std::string& AText) {
  if (AText == FText) return;
  FText = AText;
  Changed(TControlProperty::cpText);
}

int32_t TSpinBox::Value() const {
  // What is not a number (an empty box, a lone minus sign) reads as 0 kept in range, so that a
  // box open to negative numbers does not jump to its far end while the user types.
  const auto Parsed = ParseInt32(FText);
  return std::clamp(Parsed.value_or(0), FMin, FMax);
}

void TSpinBox::SetValue(int64_t AValue) { SetText(std::to_string(std::clamp<int64_t>(AValue, FMin, FMax))); }

void TSpinBox::Leave() {
  const auto Parsed = ParseInt32(FText);
  if (Parsed && (*Parsed < FMin || *Parsed > FMax)) SetValue(*Parsed);
}

void TComboBox::SetItems(std::vector<std::string> AItems) {
  FItems = std::move(AItems);
  FItemIndex = -1;
  Changed(TControlProperty::cpItems);
}

void TComboBox::SetItemIndex(int64_t AIndex) {
  const int32_t Index =
      (AIndex >= 0 && AIndex < static_cast<int64_t>(FItems.size())) ? static_cast<int32_t>(AIndex) : -1;
  if (Index == FItemIndex) return;
  FItemIndex = Index;
  Changed(TControlProperty::cpItemIndex);
}

void TComboBox::Select(int32_t AIndex) {
  if (!Enabled()) return;
  SetItemIndex(AIndex);
  Fire(OnChange);
}

void TListBox::ShowItemsOf(TItemCount ACount, TItemText AText) {
  FOwnItems.clear();
  FCount = std::move(ACount);
  FText = std::move(AText);
  ItemsChanged();
}

void TListBox::SetItems(std::vector<std::string> AItems) {
  FOwnItems = std::move(AItems);
  FCount = [this] { return FOwnItems.size(); };
  FText = [this](size_t AIndex) { return FOwnItems[AIndex]; };
  ItemsChanged();
}

std::vector<std::string> TListBox::Items() const {
  std::vector<std::string> Items;
  const size_t Count = ItemCount();
  Items.reserve(Count);
  for (size_t Index = 0; Index < Count; ++Index) Items.push_back(ItemText(Index));
  return Items;
}

void TListBox::ItemsChangedFrom(size_t AFirst) {
  FFirstChanged = AFirst;
  FCountTold = ItemCount();
  FItemIndex = -1;
  Changed(TControlProperty::cpItems);
}

void TListBox::SetItemIndex(int64_t AIndex) {
  const int32_t Index = (AIndex >= 0 && AIndex < static_cast<int64_t>(ItemCount())) ? static_cast<int32_t>(AIndex) : -1;
  if (Index == FItemIndex) return;
  FItemIndex = Index;
  Changed(TControlProperty::cpItemIndex);
}

void TListBox::Select(int32_t AIndex) {
  if (!Enabled()) return;
  SetItemIndex(AIndex);
  Fire(OnClick);
}

void TPopupMenu::Add(TMenuItem AItem) {
  FItems.push_back(std::move(AItem));
  Changed(TControlProperty::cpItems);
}

void TPopupMenu::SetChecked(size_t AIndex, bool AChecked) {
  if (AIndex >= FItems.size() || FItems[AIndex].Checked == AChecked) return;
  FItems[AIndex].Checked = AChecked;
  Changed(TControlProperty::cpChecked);
}

void TPopupMenu::Popup(const TControl& AAnchor) {
  FAnchor = &AAnchor;
  Changed(TControlProperty::cpPopup);
}

void THotkeyEdit::SetHotkey(uint32_t AVk, uint32_t AModifiers) {
  if (AVk == FVk && AModifiers == FModifiers) return;
  FVk = AVk;
  FModifiers = AModifiers;
  Changed(TControlProperty::cpHotkey);
}

void THotkeyEdit::Press(uint32_t AVk, uint32_t AModifiers) {
  if (!Enabled()) return;
  SetHotkey(AVk, AModifiers);
}

}  // namespace nevra
