#pragma once
#include "platform/Environment.h"

namespace nevra::win32 {

class TWin32Environment final : public IEnvironment {
 public:
  std::string GetVariable(const std::string& AName) override;
  std::string ExecutableFolder() override;
  std::string TempFolder() override;
};

}  // namespace nevra::win32
