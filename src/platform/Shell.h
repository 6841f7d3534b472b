#pragma once
#include <string>

namespace nevra {

class IShell {
 public:
  virtual ~IShell() = default;
  // ShellExecuteW with the verb "open" and SW_SHOWNORMAL; the result is not reported.
  virtual void Open(const std::string& ATarget) = 0;
  // ShellExecuteW with no verb (the file's default action), no parameters, no working folder,
  // SW_SHOWNORMAL; the result is not reported.
  virtual void Start(const std::string& AFile) = 0;
};

}  // namespace nevra
