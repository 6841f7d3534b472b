#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// A progress bar from 0 to TProgressBar::kMax. In the style, unthemed, it takes the style's colours
// from its own messages and paints itself.
class TNativeProgressBar final : public TNativeControl {
 public:
  TNativeProgressBar(TProgressBar& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FProgressBar(AModel) {}
  void Create(bool AStartsGroup) override;
  void Sync(TControlProperty AProperty) override;

 private:
  TProgressBar& FProgressBar;
};

}  // namespace nevra::win32
