#pragma once
#include <windows.h>

namespace nevra::win32 {

// Asks Windows for one WM_MOUSELEAVE when the mouse leaves AWindow, for a look (or event) that
// lasts while the mouse is over it.
void TrackLeave(HWND AWindow);

// Whether the mouse is over a window, and over which part of it (TPart{} when the window has no
// parts, or the mouse is elsewhere): for a look or an event that lasts while it is there.
template <typename TPart = int>
class TMouseOver {
 public:
  // WM_MOUSEMOVE over APart of AWindow: true when the mouse came in or moved to another part.
  // Coming in asks Windows for the WM_MOUSELEAVE that ends it.
  bool Move(HWND AWindow, TPart APart = TPart{}) {
    if (FOver && FPart == APart) return false;
    if (!FOver) TrackLeave(AWindow);
    FOver = true;
    FPart = APart;
    return true;
  }
  // WM_MOUSELEAVE: true when the mouse had been over the window.
  bool Leave() {
    if (!FOver) return false;
    FOver = false;
    FPart = TPart{};
    return true;
  }
  bool Over() const { return FOver; }
  TPart Part() const { return FPart; }

 private:
  bool FOver = false;
  TPart FPart{};
};

}  // namespace nevra::win32
