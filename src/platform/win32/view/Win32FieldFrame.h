#pragma once
#include <windows.h>

#include <optional>

namespace nevra::win32 {

// The style's frame of a field (an edit box, the hotkey field, a list box, a memo), for the kinds
// that have one to wear: the window keeps its own border and scroll bar, and the frame is painted
// over the border after them, a line that turns into a green band while the field has the
// keyboard focus. A field of one line also has its text centred: its client area shrinks to a
// line of text in the middle of the box, and the rest of the box is border in the field's colour.
class TFieldFrame {
 public:
  // AOneLine: a one-line edit box. AOpenRight: its right edge is left open for a spin box's
  // arrows, which close the frame.
  explicit TFieldFrame(bool AOneLine, bool AOpenRight = false) : FOneLine(AOneLine), FOpenRight(AOpenRight) {}

  // WM_NCPAINT, WM_NCCALCSIZE and WM_SETFONT of the field's subclass; nothing for other messages.
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  // After a change of state: the field painted again, its frame too.
  static void Refresh(HWND AWindow);

 private:
  void Paint(HWND AWindow) const;

  bool FOneLine;
  bool FOpenRight;
  // The field's line height in its font, measured once per font (0: not yet): the frame is
  // recalculated at every move and resize, and measuring takes a device context each time.
  int FTextHeight = 0;
};

}  // namespace nevra::win32
