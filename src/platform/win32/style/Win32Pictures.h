#pragma once
#include <windows.h>

#include <string>

namespace nevra::win32 {

// The pictures of the program's windows, drawn as vector shapes at the size they are shown:
// "update-icon" (a download arrow on a green disc). Fills ARect with ABackground first; an
// unknown name leaves just the background.
void PaintPicture(HDC ADc, const RECT& ARect, const std::string& AName, COLORREF ABackground);

}  // namespace nevra::win32
