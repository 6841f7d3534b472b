#pragma once
#include <string>

#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// The images a push button can carry, drawn from anti-aliased shapes at the button's size, so
// they are sharp at every DPI.
enum class TButtonImage { biNone, biPlay, biStop, biCrosshair };

struct TPushButtonLook {
  TInteraction State;
  TButtonImage Image = TButtonImage::biNone;
  COLORREF Surface;
  std::wstring Text;
};
// A push button in the style, from a description of its state: face, frame, image and caption.
void PaintPushButton(const TPaintTarget& ATarget, const TPushButtonLook& ALook);

// A push, check or radio button. In the style each is painted whole, from custom draw as well as
// from WM_PAINT: a button paints outside WM_PAINT too (pressed, focused), and announces it through
// custom draw. Never BS_OWNERDRAW, which would lose the check state.
class TNativeButtonWindow : public TNativeControl {
 public:
  void ApplyStyle() override { Dress(Window()); }
  std::optional<LRESULT> CustomDraw(const NMCUSTOMDRAW& ADraw) override;

 protected:
  using TNativeControl::TNativeControl;
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  // The state AWindow shows: enabled, hot, pushed, focused.
  static TInteraction Interaction(HWND AWindow);
};

// A push button: a click, or Enter while it has the focus, runs its model's click.
class TNativeButton final : public TNativeButtonWindow {
 public:
  TNativeButton(TButton& AModel, size_t AIndex, TNativeContext& AContext);
  // The image on the push button of that name: play on Start, stop on Stop, a crosshair on the
  // button that picks a point.
  static TButtonImage ImageFor(const std::string& AControlName);
  void Create(bool AStartsGroup) override;
  bool HandleCommand(UINT ACode) override;
  bool PressByEnter() override;

 private:
  void Paint(HWND AWindow, HDC ADc) override;
  TButton& FButton;
  const TButtonImage FImage;
};

// Check boxes and radio buttons are not "auto": the model owns their state and the view shows
// it, so a click only asks the model.
class TNativeCheckButton : public TNativeButtonWindow {
 public:
  void Sync(TControlProperty AProperty) override;
  bool HandleCommand(UINT ACode) override;

 protected:
  using TNativeButtonWindow::TNativeButtonWindow;
  virtual bool Checked() const = 0;
  virtual void Click() = 0;
  virtual void ShowChecked();
  // The mark beside the caption: a box, or a circle.
  virtual bool Round() const = 0;

 private:
  void Paint(HWND AWindow, HDC ADc) override;
};

class TNativeCheckBox final : public TNativeCheckButton {
 public:
  TNativeCheckBox(TCheckBox& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeCheckButton(AModel, AIndex, AContext), FCheckBox(AModel) {}
  void Create(bool AStartsGroup) override;

 private:
  bool Checked() const override { return FCheckBox.Checked(); }
  void Click() override;
  bool Round() const override { return false; }
  TCheckBox& FCheckBox;
};

class TNativeRadioButton final : public TNativeCheckButton {
 public:
  TNativeRadioButton(TRadioButton& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeCheckButton(AModel, AIndex, AContext), FRadioButton(AModel) {}
  void Create(bool AStartsGroup) override;

 private:
  bool Checked() const override { return FRadioButton.Checked(); }
  void Click() override;
  void ShowChecked() override;
  bool Round() const override { return true; }
  TRadioButton& FRadioButton;
};

}  // namespace nevra::win32
