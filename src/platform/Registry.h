#pragma once
#include <optional>
#include <string>

namespace nevra {

// String values under HKEY_CURRENT_USER; AKey is a path such as "Software\\Nevra Auto Clicker".
class IRegistry {
 public:
  virtual ~IRegistry() = default;
  // The value's data read as a string; nothing when the key or the value is missing.
  virtual std::optional<std::string> ReadString(const std::string& AKey, const std::string& AName) = 0;
  // Creates the key when it is missing; false when nothing could be stored.
  virtual bool WriteString(const std::string& AKey, const std::string& AName, const std::string& AValue) = 0;
};

}  // namespace nevra
