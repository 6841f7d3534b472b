#pragma once

#include "platform/Shell.h"

namespace nevra::win32 {

// Opens a web address or starts a file the way Explorer would.
class TWin32Shell final : public IShell {
 public:
  void Open(const std::string& ATarget) override;
  void Start(const std::string& AFile) override;
};

}  // namespace nevra::win32
