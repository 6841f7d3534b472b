#include "platform/win32/Win32Hotkeys.h"

#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

void TWin32Hotkeys::Register(int32_t AId, uint32_t AModifiers, uint32_t AVk) {
  ::RegisterHotKey(FMainWindow(), AId, AModifiers, AVk);
}

void TWin32Hotkeys::Unregister(int32_t AId) { ::UnregisterHotKey(FMainWindow(), AId); }

std::string TWin32Hotkeys::KeyName(uint32_t AVk) {
  const UINT ScanCode = ::MapVirtualKeyW(AVk, MAPVK_VK_TO_VSC);
  if (ScanCode == 0) return {};
  wchar_t Name[256] = {};
  const int Length = ::GetKeyNameTextW(static_cast<LONG>(ScanCode << 16), Name, 256);
  if (Length <= 0) return {};
  return Narrow(std::wstring_view(Name, static_cast<size_t>(Length)));
}

}  // namespace nevra::win32
