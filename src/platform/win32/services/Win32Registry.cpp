#include "platform/win32/services/Win32Registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

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
