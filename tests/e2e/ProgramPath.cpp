#include "ProgramPath.h"

#include <utility>

namespace nevra::e2e {

namespace {

std::string& StoredProgramPath() {
  static std::string Path;
  return Path;
}

}  // namespace

const std::string& ProgramPath() { return StoredProgramPath(); }
void SetProgramPath(std::string APath) { StoredProgramPath() = std::move(APath); }

}  // namespace nevra::e2e
