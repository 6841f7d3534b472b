#pragma once
#include <cstdint>

#include "platform/Geometry.h"

namespace nevra {

// Operations on the main window as a whole (its controls live in the control model).
// Bounds are screen pixels of the window including its frame.
class IWindowOps {
 public:
  virtual ~IWindowOps() = default;
  virtual TRect GetBounds() = 0;
  virtual void SetBounds(const TRect& ABounds) = 0;
  virtual bool IsVisible() = 0;
  virtual void Show() = 0;
  // Hidden: gone from the screen and from the taskbar.
  virtual void Hide() = 0;
  // SetWindowPos with HWND_TOPMOST or HWND_NOTOPMOST, SWP_NOMOVE | SWP_NOSIZE.
  virtual void SetTopMost(bool ATopMost) = 0;
  // SetWindowPos with HWND_TOPMOST, the given bounds and SWP_SHOWWINDOW, without activating it.
  virtual void ShowTopMostAt(const TRect& ABounds) = 0;
  virtual void RestoreApplication() = 0;
  virtual void BringToForeground() = 0;
  virtual TRect GetWorkArea() = 0;
  // SM_CYCAPTION and SM_CYSIZEFRAME for the window's DPI.
  virtual int32_t CaptionHeight() = 0;
  virtual int32_t SizingFrameHeight() = 0;
  // The window id of the main window's control under a point of the screen (in the pixels the
  // mouse hook reports), or 0 when the point is over none of them.
  virtual int32_t ControlIdAt(const TPoint& APoint) = 0;
};

}  // namespace nevra
