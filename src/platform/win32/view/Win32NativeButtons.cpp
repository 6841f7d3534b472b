#include "platform/win32/view/Win32NativeButtons.h"

#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

void TNativeButton::Create(bool AStartsGroup) {
  CreateWindowOf(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0, AStartsGroup);
}

void TNativeButton::ApplySkin() {
  AttachSkin(TSkin::skPushButton, palette::kText, TWin32Style::ImageFor(FButton.Name()));
}

bool TNativeButton::HandleCommand(UINT ACode) {
  if (!Context().TakesInput() || ACode != BN_CLICKED) return false;
  return PressByEnter();
}

bool TNativeButton::PressByEnter() {
  TButton& Button = FButton;
  Context().Run([&Button] { Button.Click(); });
  return true;
}

void TNativeCheckButton::Sync(TControlProperty AProperty) {
  if (AProperty != TControlProperty::cpChecked) {
    TNativeControl::Sync(AProperty);
    return;
  }
  if (Window() != nullptr) ShowChecked();
}

bool TNativeCheckButton::HandleCommand(UINT ACode) {
  if (!Context().TakesInput() || ACode != BN_CLICKED) return false;
  Context().Run([this] { Click(); });
  ShowChecked();
  return true;
}

void TNativeCheckButton::ShowChecked() {
  ::SendMessageW(Window(), BM_SETCHECK, Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TNativeCheckBox::Create(bool AStartsGroup) {
  CreateWindowOf(WC_BUTTONW, BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0, AStartsGroup);
}

void TNativeCheckBox::ApplySkin() { AttachSkin(TSkin::skCheckBox); }

void TNativeCheckBox::Click() { FCheckBox.Click(); }

void TNativeRadioButton::Create(bool AStartsGroup) { CreateWindowOf(WC_BUTTONW, BS_RADIOBUTTON, 0, AStartsGroup); }

void TNativeRadioButton::ApplySkin() { AttachSkin(TSkin::skRadioButton); }

void TNativeRadioButton::Click() { FRadioButton.Click(); }

void TNativeRadioButton::ShowChecked() {
  TNativeCheckButton::ShowChecked();
  // Tab enters a radio group at its checked button, as in a dialog; the arrows move within it.
  SetWindowBits(Window(), GWL_STYLE, WS_TABSTOP, Checked());
}

}  // namespace nevra::win32
