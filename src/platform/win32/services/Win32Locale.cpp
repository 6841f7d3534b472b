#include "platform/win32/services/Win32Locale.h"

#include <windows.h>

#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

std::string TWin32Locale::DecimalSeparator() {
  wchar_t Separator[8] = {};
  const int Length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, Separator, 8);
  if (Length <= 1) return ".";
  return Narrow(std::wstring_view(Separator, static_cast<size_t>(Length - 1)));
}

uint16_t TWin32Locale::SystemDefaultUILanguage() { return ::GetSystemDefaultUILanguage(); }

}  // namespace nevra::win32
