#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32FieldFrame.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// A text of several lines to read: a read-only, multi-line edit box that wraps at its width and
// has a vertical scroll bar. It is a tab stop, so the keyboard can scroll and select it too. In
// the style it wears a field's frame and a field's colours: read-only, it asks for its colours as
// a static does, yet it is a text to read, not a disabled field.
class TNativeMemo final : public TNativeControl {
 public:
  TNativeMemo(TMemo& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FMemo(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override { Dress(Window()); }
  void Sync(TControlProperty AProperty) override;
  std::optional<HBRUSH> Colours(UINT AMessage, HDC ADc, HWND AWindow) override;

 private:
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void Refresh(HWND AWindow) const override { TFieldFrame::Refresh(AWindow); }
  TMemo& FMemo;
  TFieldFrame FFrame{false};
};

}  // namespace nevra::win32
