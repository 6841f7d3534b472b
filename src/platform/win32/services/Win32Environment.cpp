#include "platform/win32/services/Win32Environment.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Win32Handles.h"
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

std::string TWin32Locale::DecimalSeparator() {
  wchar_t Separator[8] = {};
  const int Length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, Separator, 8);
  if (Length <= 1) return ".";
  return Narrow(std::wstring_view(Separator, static_cast<size_t>(Length - 1)));
}

uint16_t TWin32Locale::SystemDefaultUILanguage() { return ::GetSystemDefaultUILanguage(); }

std::optional<std::string> TWin32Registry::ReadString(const std::string& AKey, const std::string& AName) {
  HKEY Opened = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, Widen(AKey).c_str(), 0, KEY_QUERY_VALUE, &Opened) != ERROR_SUCCESS)
    return std::nullopt;
  const TRegistryKeyOwner Key(Opened);
  const std::wstring Name = Widen(AName);
  DWORD Bytes = 0;
  // RRF_RT_REG_SZ | REG_EXPAND_SZ: a value stored with another type is not a language code.
  const DWORD Flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  if (::RegGetValueW(Key.Get(), nullptr, Name.c_str(), Flags, nullptr, nullptr, &Bytes) != ERROR_SUCCESS)
    return std::nullopt;
  std::vector<wchar_t> Data(Bytes / sizeof(wchar_t) + 1, L'\0');
  Bytes = static_cast<DWORD>(Data.size() * sizeof(wchar_t));
  if (::RegGetValueW(Key.Get(), nullptr, Name.c_str(), Flags, nullptr, Data.data(), &Bytes) != ERROR_SUCCESS)
    return std::nullopt;
  return Narrow(std::wstring_view(Data.data()));
}

bool TWin32Registry::WriteString(const std::string& AKey, const std::string& AName, const std::string& AValue) {
  HKEY Created = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, Widen(AKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &Created,
                        nullptr) != ERROR_SUCCESS)
    return false;
  const TRegistryKeyOwner Key(Created);
  const std::wstring Value = Widen(AValue);
  return ::RegSetValueExW(Key.Get(), Widen(AName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                          static_cast<DWORD>((Value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace nevra::win32
