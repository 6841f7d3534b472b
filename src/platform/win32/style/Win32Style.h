#pragma once
#include <windows.h>

#include <string>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// The program's visual style "Midnight Express Green", made once before the first window: the
// brushes of its surfaces and what it adds to a top-level window. The colours themselves live in
// Win32Palette.h, the primitives the looks are drawn with in Win32StyleDrawing.h and
// Win32StyleShapes.h; each kind of native control (view/Win32Native*) paints its own windows.
class TWin32Style {
 public:
  static constexpr const char* kName = "Midnight Express Green";

  // Throws std::runtime_error (with a message fit for the user) when AName is not a style this
  // program has, or when Windows refuses the style's resources.
  explicit TWin32Style(const std::string& AName);
  TWin32Style(const TWin32Style&) = delete;
  TWin32Style& operator=(const TWin32Style&) = delete;

  // The brush for one of the palette's surface colours (window, status panel, field, disabled
  // field); the window's brush for any other colour.
  HBRUSH Brush(COLORREF ASurface) const;
  // True while Windows' high-contrast mode is on.
  static bool HighContrastIsOn();
  // A dark caption bar where Windows offers one (Windows 10 1809 and later); anything that
  // fails is ignored, the caption then keeps the system's colours.
  void DecorateTopLevel(HWND AWindow) const;

 private:
  TBrushOwner FWindowBrush;
  TBrushOwner FStatusPanelBrush;
  TBrushOwner FFieldBrush;
  TBrushOwner FFieldDisabledBrush;
};

}  // namespace nevra::win32
