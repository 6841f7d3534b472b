#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// A text of several lines to read: a read-only, multi-line edit box that wraps at its width and
// has a vertical scroll bar. It is a tab stop, so the keyboard can scroll and select it too.
class TNativeMemo final : public TNativeControl {
 public:
  TNativeMemo(TMemo& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FMemo(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;
  void Sync(TControlProperty AProperty) override;

 private:
  TMemo& FMemo;
};

}  // namespace nevra::win32
