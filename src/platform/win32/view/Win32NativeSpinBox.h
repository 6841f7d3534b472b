#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// The up-down arrows of a spin box have the window id of its edit box plus this.
inline constexpr int kUpDownIdOffset = 10000;

// A spin box: an edit box that shows the model's text as typed, with up-down arrows beside it
// that step the model's value. Screen readers know it by the caption that introduces it.
class TNativeSpinBox final : public TNativeControl {
 public:
  TNativeSpinBox(TSpinBox& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FSpinBox(AModel) {}
  HWND Companion() const override { return FUpDown; }
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;
  void Layout() override;
  void Sync(TControlProperty AProperty) override;
  bool HandleCommand(UINT ACode) override;
  bool HandleNotify(const NMHDR& AHeader, LRESULT& AResult) override;
  void UpdateAccessibleName(const std::vector<TControl*>& AControls) override;

 private:
  void ShowText();
  TSpinBox& FSpinBox;
  HWND FUpDown = nullptr;  // destroyed with the form's window, like the edit box
};

}  // namespace nevra::win32
