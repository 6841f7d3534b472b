#include "platform/win32/services/Win32Environment.h"

#include <windows.h>

#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

std::string TWin32Environment::GetVariable(const std::string& AName) {
  const std::wstring Name = Widen(AName);
  const DWORD Needed = ::GetEnvironmentVariableW(Name.c_str(), nullptr, 0);
  if (Needed == 0) return {};
  std::wstring Value(Needed, L'\0');
  const DWORD Length = ::GetEnvironmentVariableW(Name.c_str(), Value.data(), Needed);
  if (Length == 0 || Length >= Needed) return {};
  Value.resize(Length);
  return Narrow(Value);
}

std::string TWin32Environment::TempFolder() {
  wchar_t Short[MAX_PATH + 1]{};
  const DWORD Length = ::GetTempPathW(MAX_PATH + 1, Short);
  if (Length == 0 || Length > MAX_PATH) return {};
  // GetTempPathW may give the 8.3 form (C:\Users\LONGUS~1\...); the long form is what users see.
  std::wstring Path(Short, Length);
  const DWORD LongLength = ::GetLongPathNameW(Short, nullptr, 0);
  if (LongLength > 0) {
    std::wstring Long(LongLength, L'\0');
    const DWORD Written = ::GetLongPathNameW(Short, Long.data(), LongLength);
    if (Written > 0 && Written < LongLength) Path.assign(Long.c_str(), Written);
  }
  while (!Path.empty() && (Path.back() == L'\\' || Path.back() == L'/')) Path.pop_back();
  return Narrow(Path);
}

std::string TWin32Environment::ExecutableFolder() {
  // Paths may be longer than MAX_PATH; grow until the whole path fits.
  std::wstring Path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD Length = ::GetModuleFileNameW(nullptr, Path.data(), static_cast<DWORD>(Path.size()));
    if (Length == 0) return {};
    if (Length < Path.size()) {
      Path.resize(Length);
      break;
    }
    Path.resize(Path.size() * 2);
  }
  const size_t Slash = Path.find_last_of(L"\\/");
  return Narrow(Slash == std::wstring::npos ? std::wstring() : Path.substr(0, Slash));
}

}  // namespace nevra::win32
