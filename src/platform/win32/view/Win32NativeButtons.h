#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// A push button: a click, or Enter while it has the focus, runs its model's click.
class TNativeButton final : public TNativeControl {
 public:
  TNativeButton(TButton& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FButton(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;
  bool HandleCommand(UINT ACode) override;
  bool PressByEnter() override;

 private:
  TButton& FButton;
};

// Check boxes and radio buttons are not "auto": the model owns their state and the view shows
// it, so a click only asks the model.
class TNativeCheckButton : public TNativeControl {
 public:
  void Sync(TControlProperty AProperty) override;
  bool HandleCommand(UINT ACode) override;

 protected:
  using TNativeControl::TNativeControl;
  virtual bool Checked() const = 0;
  virtual void Click() = 0;
  virtual void ShowChecked();
};

class TNativeCheckBox final : public TNativeCheckButton {
 public:
  TNativeCheckBox(TCheckBox& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeCheckButton(AModel, AIndex, AContext), FCheckBox(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;

 private:
  bool Checked() const override { return FCheckBox.Checked(); }
  void Click() override;
  TCheckBox& FCheckBox;
};

class TNativeRadioButton final : public TNativeCheckButton {
 public:
  TNativeRadioButton(TRadioButton& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeCheckButton(AModel, AIndex, AContext), FRadioButton(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;

 private:
  bool Checked() const override { return FRadioButton.Checked(); }
  void Click() override;
  void ShowChecked() override;
  TRadioButton& FRadioButton;
};

}  // namespace nevra::win32
