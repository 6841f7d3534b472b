#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/Win32Text.h"

namespace nevra::e2e {

// A registry value of the test prefix, put back as it was when the scope ends.
class TScopedRegistryValue {
 public:
  TScopedRegistryValue(const wchar_t* AKey, const wchar_t* AValue) : FKey(AKey), FValue(AValue) {
    BYTE Data[256];
    DWORD Size = sizeof(Data);
    if (RegGetValueW(HKEY_CURRENT_USER, FKey, FValue, RRF_RT_ANY, &FType, Data, &Size) == ERROR_SUCCESS)
      FSaved.assign(Data, Data + Size);
    else
      FType = REG_NONE;
  }
  TScopedRegistryValue(const TScopedRegistryValue&) = delete;
  TScopedRegistryValue& operator=(const TScopedRegistryValue&) = delete;
  ~TScopedRegistryValue() {
    if (FType == REG_NONE)
      RegDeleteKeyValueW(HKEY_CURRENT_USER, FKey, FValue);
    else
      RegSetKeyValueW(HKEY_CURRENT_USER, FKey, FValue, FType, FSaved.data(), static_cast<DWORD>(FSaved.size()));
  }

  void Set(const std::string& AText) const {
    const std::wstring Text = win32::Widen(AText);
    RegSetKeyValueW(HKEY_CURRENT_USER, FKey, FValue, REG_SZ, Text.c_str(),
                    static_cast<DWORD>((Text.size() + 1) * sizeof(wchar_t)));
  }
  void Set(DWORD ANumber) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, FKey, FValue, REG_DWORD, &ANumber, sizeof(ANumber));
  }

 private:
  const wchar_t* FKey;
  const wchar_t* FValue;
  DWORD FType = REG_NONE;
  std::vector<BYTE> FSaved;
};

}  // namespace nevra::e2e
