#pragma once
#include <string>

namespace nevra {

class IEnvironment {
 public:
  virtual ~IEnvironment() = default;
  // The value of an environment variable, empty when it is not set.
  virtual std::string GetVariable(const std::string& AName) = 0;
  // The folder that holds the running executable, without a trailing backslash.
  virtual std::string ExecutableFolder() = 0;
  // The user's folder for temporary files in its long form, without a trailing backslash.
  virtual std::string TempFolder() = 0;
};

}  // namespace nevra
