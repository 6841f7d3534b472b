#include "platform/win32/services/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

void TWin32Shell::Open(const std::string& ATarget) {
  ::ShellExecuteW(nullptr, L"open", Widen(ATarget).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TWin32Shell::Start(const std::string& AFile) {
  ::ShellExecuteW(nullptr, nullptr, Widen(AFile).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace nevra::win32
