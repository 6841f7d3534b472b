#pragma once
#include <windows.h>

#include <string>

namespace nevra::win32 {

// The message table's text for an error code (AModule's table, then the system's), without the
// line break it ends in; empty when neither knows the code.
std::string FormatMessageText(DWORD AError, HMODULE AModule = nullptr);

// The system's text for an error code, such as "Access is denied."; "System error N." for a code
// it does not know.
std::string SystemErrorText(unsigned long AError);

// A Win32 call that must not fail has failed: throws std::system_error with GetLastError().
[[noreturn]] void FailWithLastError(const char* ACall);

}  // namespace nevra::win32
