#pragma once
#include <windows.h>

#include <string>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// The tooltips of one form's controls: one tooltip window, made when the first control gets a
// tip, that shows a control's tip while the pointer rests on it.
class TNativeTooltips {
 public:
  explicit TNativeTooltips(HWND AForm) : FForm(AForm) {}
  // Shows AText over AControl from now on; an empty text takes the tip away.
  void SetTip(HWND AControl, const std::string& AText);
  // The tooltip window lays out its texts right to left too (once it is made, if not yet).
  void SetRightToLeft(bool ARightToLeft);

 private:
  bool EnsureWindow();
  HWND FForm;
  bool FRightToLeft = false;
  TWindowOwner FWindow;
};

}  // namespace nevra::win32
