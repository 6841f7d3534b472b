#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32FieldFrame.h"
#include "platform/win32/view/Win32MouseOver.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// The up-down arrows of a spin box have the window id of its edit box plus this.
inline constexpr int kUpDownIdOffset = 10000;

// One of a spin box's arrows, as the mouse is over it or holds it down.
enum class TSpinArrow { saNone, saUp, saDown };

// A spin box: an edit box that shows the model's text as typed, with up-down arrows beside it
// that step the model's value. Screen readers know it by the caption that introduces it. In the
// style the edit box wears a field's frame left open on the arrows' side, and the arrows, painted
// whole, close it.
class TNativeSpinBox final : public TNativeControl {
 public:
  TNativeSpinBox(TSpinBox& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FSpinBox(AModel) {}
  HWND Companion() const override { return FUpDown; }
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override;
  void Layout() override;
  void Sync(TControlProperty AProperty) override;
  bool HandleCommand(UINT ACode) override;
  bool HandleNotify(const NMHDR& AHeader, LRESULT& AResult) override;
  void UpdateAccessibleName(const std::vector<TControl*>& AControls) override;
  std::optional<HBRUSH> Colours(UINT AMessage, HDC ADc, HWND AWindow) override;

 private:
  void ShowText();
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  // The arrows' messages, for WindowMessage.
  std::optional<LRESULT> ArrowsMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  void Paint(HWND AWindow, HDC ADc) override;
  // The edit box and the arrows show the focus and enabling together: each painted with the other.
  void Refresh(HWND AWindow) const override;

  TSpinBox& FSpinBox;
  HWND FUpDown = nullptr;  // destroyed with the form's window, like the edit box
  TFieldFrame FFrame{true};
  TMouseOver<TSpinArrow> FMouse;
  TSpinArrow FPressedArrow = TSpinArrow::saNone;
};

}  // namespace nevra::win32
