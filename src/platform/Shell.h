#pragma once
#include <string>

namespace nevra {

class IShell {
 public:
  virtual ~IShell() = default;
  // ShellExecuteW with the verb "open" and SW_SHOWNORMAL; the result is not reported.
  virtual void Open(const std::string& ATarget) = 0;
};

}  // namespace nevra
