#pragma once
#include <windows.h>

#include "platform/WindowOps.h"
#include "platform/win32/services/Win32MouseInput.h"

namespace nevra::win32 {

// IWindowOps on the main window. While AMainWindow gives null (no window yet, or a test without
// one) every operation does nothing and the queries answer empty values.
class TWin32WindowOps final : public IWindowOps {
 public:
  explicit TWin32WindowOps(TWindowSource AMainWindow);

  TRect GetBounds() override;
  void SetBounds(const TRect& ABounds) override;
  bool IsVisible() override;
  void Show() override;
  void Hide() override;
  void SetTopMost(bool ATopMost) override;
  void ShowTopMostAt(const TRect& ABounds) override;
  void RestoreApplication() override;
  void BringToForeground() override;
  TRect GetWorkArea() override;
  int32_t CaptionHeight() override;
  int32_t SizingFrameHeight() override;
  int32_t ControlIdAt(const TPoint& APoint) override;

 private:
  HWND Window() const;
  TWindowSource FMainWindow;
};

}  // namespace nevra::win32
