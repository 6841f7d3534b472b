#include "platform/win32/view/Win32MouseOver.h"

namespace nevra::win32 {

void TrackLeave(HWND AWindow) {
  TRACKMOUSEEVENT Track{};
  Track.cbSize = sizeof(Track);
  Track.dwFlags = TME_LEAVE;
  Track.hwndTrack = AWindow;
  ::TrackMouseEvent(&Track);
}

}  // namespace nevra::win32
