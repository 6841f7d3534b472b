#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace nevra::win32 {

// The program's logic speaks UTF-8; Windows speaks UTF-16. These are the only crossings.
// Malformed input never throws: bad UTF-8 becomes U+FFFD, a lone surrogate likewise.
std::wstring Widen(std::string_view AText);
std::string Narrow(std::wstring_view AText);

// The window's text (caption, edit contents ...), as Windows holds it and in UTF-8.
std::wstring WindowTextWide(HWND AWindow);
std::string WindowTextUtf8(HWND AWindow);
void SetWindowTextUtf8(HWND AWindow, std::string_view AText);

// AText with every line break as "\r\n", the only one a multi-line edit box shows as such.
std::wstring WithWindowsLineBreaks(std::wstring_view AText);

}  // namespace nevra::win32
