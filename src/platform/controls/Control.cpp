#include "platform/controls/Control.h"

#include <algorithm>
#include <utility>

#include "platform/controls/ControlIds.h"

namespace nevra {

TControl::TControl(TControlKind AKind, TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
    : FKind(AKind), FOwner(AOwner), FParent(AParent), FName(std::move(AName)), FBounds(ABounds) {
  if (FOwner != nullptr) FOwner->Register(this);
}

void TControl::SetCaption(const std::string& ACaption) {
  if (ACaption == FCaption) return;
  FCaption = ACaption;
  Changed(TControlProperty::cpCaption);
}

void TControl::SetHint(const std::string& AHint) {
  if (AHint == FHint) return;
  FHint = AHint;
  Changed(TControlProperty::cpHint);
}

void TControl::SetEnabled(bool AEnabled) {
  if (AEnabled == FEnabled) return;
  FEnabled = AEnabled;
  Changed(TControlProperty::cpEnabled);
}

void TControl::SetVisible(bool AVisible) {
  if (AVisible == FVisible) return;
  FVisible = AVisible;
  Changed(TControlProperty::cpVisible);
}

void TControl::Changed(TControlProperty AProperty) {
  if (FView != nullptr) FView->ControlChanged(*this, AProperty);
}

TForm::TForm(std::string AName, int32_t AClientWidth, int32_t AClientHeight)
    : TControl(TControlKind::ckForm, nullptr, nullptr, std::move(AName), TRect{0, 0, AClientWidth, AClientHeight}) {}

int32_t TForm::ControlId(const TControl& AControl) const {
  const auto Found = std::find(FControls.begin(), FControls.end(), &AControl);
  return Found == FControls.end() ? 0 : ControlIdAt(static_cast<size_t>(Found - FControls.begin()));
}

void TForm::SetRightToLeft(bool ARightToLeft) {
  if (ARightToLeft == FRightToLeft) return;
  FRightToLeft = ARightToLeft;
  Changed(TControlProperty::cpReadingOrder);
}

bool TForm::CloseQuery() {
  bool CanClose = true;
  FormCloseQuery(CanClose);
  return CanClose;
}

void TForm::Show() {
  FClosed = false;
  FormShow();
}

void TForm::Close() {
  if (CloseQuery()) CloseAllowed();
}

void TForm::CloseAllowed() {
  FormClose();
  FClosed = true;
}

}  // namespace nevra
