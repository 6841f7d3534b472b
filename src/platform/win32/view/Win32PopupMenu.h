#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/controls/StdControls.h"

namespace nevra::win32 {

// Shows a pop-up menu of AItems with its top-left corner at APoint (screen pixels) and waits
// for the user; the index of the chosen item, or nothing when the menu was dismissed. Captions
// are shown as they are: no accelerator letters. The menu of a mirrored owner is mirrored too
// (it reads from the right) and has its top-right corner at APoint.
std::optional<size_t> TrackMenu(HWND AOwner, const std::vector<TMenuItem>& AItems, POINT APoint);

}  // namespace nevra::win32
