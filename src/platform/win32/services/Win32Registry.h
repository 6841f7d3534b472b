#pragma once
#include "platform/Registry.h"

namespace nevra::win32 {

// String values under HKEY_CURRENT_USER.
class TWin32Registry final : public IRegistry {
 public:
  std::optional<std::string> ReadString(const std::string& AKey, const std::string& AName) override;
  bool WriteString(const std::string& AKey, const std::string& AName, const std::string& AValue) override;
};

}  // namespace nevra::win32
