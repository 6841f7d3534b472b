#pragma once
#include "platform/Environment.h"
#include "platform/Locale.h"
#include "platform/Registry.h"

namespace nevra::win32 {

class TWin32Environment final : public IEnvironment {
 public:
  std::string GetVariable(const std::string& AName) override;
  std::string ExecutableFolder() override;
  std::string TempFolder() override;
};

class TWin32Locale final : public ILocale {
 public:
  std::string DecimalSeparator() override;
  uint16_t SystemDefaultUILanguage() override;
};

// String values under HKEY_CURRENT_USER.
class TWin32Registry final : public IRegistry {
 public:
  std::optional<std::string> ReadString(const std::string& AKey, const std::string& AName) override;
  bool WriteString(const std::string& AKey, const std::string& AName, const std::string& AValue) override;
};

}  // namespace nevra::win32
